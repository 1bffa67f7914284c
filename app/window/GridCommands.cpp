// The grid commands behind the buttons, and the window's function keys, seen
// before the focused control.
#include <QPushButton>

#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"

namespace tarno::window {

void TfrmTarnoChannelEdit::btnReorderClick() {}
void TfrmTarnoChannelEdit::btnRenumberClick() {}
void TfrmTarnoChannelEdit::btnIncrementalRenumberClick() {}
void TfrmTarnoChannelEdit::btnOrderedRenumberClick() {}
void TfrmTarnoChannelEdit::btnClearRowClick() {}
void TfrmTarnoChannelEdit::btnMoveRowClick() {}
void TfrmTarnoChannelEdit::btnSetMoveRowClick() {}
void TfrmTarnoChannelEdit::btnAddRecordClick() {}
void TfrmTarnoChannelEdit::btnDeleteRecordClick() {}
void TfrmTarnoChannelEdit::FindNext() {}

// Returns true when the key is consumed: F1 to F4 and F12 always, Ctrl+F only
// while there is a grid to search; every other key goes on to the focused control.
bool TfrmTarnoChannelEdit::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  switch (key) {
    case Qt::Key_F:
      if (!(modifiers & Qt::ControlModifier) || !grid_) return false;
      FindNext();
      return true;
    case Qt::Key_F1: btnClearRowClick(); return true;
    case Qt::Key_F2:
      if (grid_) grid_->SetEditorMode(true);
      return true;
    case Qt::Key_F3: FindNext(); return true;
    case Qt::Key_F4: btnMoveRowClick(); return true;
    case Qt::Key_F12: ShowHiddenButtons(); return true;
    default: return false;
  }
}

// "Read/Write test" and "Generate PtcCable" stay visible from then on.
void TfrmTarnoChannelEdit::ShowHiddenButtons() {
  btnReadWrite->show();
  btnPtcCable->show();
}

}  // namespace tarno::window
