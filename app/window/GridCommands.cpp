// The grid commands behind the buttons, and the window's function keys, seen
// before the focused control.
#include <QPushButton>
#include <optional>

#include "EditorKeys.h"
#include "FindNext.h"
#include "MoveRow.h"
#include "RecordCommands.h"
#include "Renumbering.h"
#include "SortRows.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"
#include "WaitCursor.h"

namespace tarno::window {
namespace {

grid::CellStore* CellsOf(TzebGrid* grid) { return grid ? &grid->Cells() : nullptr; }

// The editing layer words the move target's caption in English, "WORDS: ROW";
// the words are one of these.
[[maybe_unused]] const char* const kMoveCaptionWords[] = {
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Move to row:"),
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Set row to row:"),
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Set row move to:")};

editing::EditorKey EditorKeyOf(int key) {
  switch (key) {
    case Qt::Key_F: return editing::EditorKey::F;
    case Qt::Key_F1: return editing::EditorKey::F1;
    case Qt::Key_F2: return editing::EditorKey::F2;
    case Qt::Key_F3: return editing::EditorKey::F3;
    case Qt::Key_F4: return editing::EditorKey::F4;
    case Qt::Key_F12: return editing::EditorKey::F12;
    default: return editing::EditorKey::Other;
  }
}

}  // namespace

void TfrmTarnoChannelEdit::btnReorderClick() {
  if (grid_) editing::SortRows(CellsOf(grid_));
}
void TfrmTarnoChannelEdit::btnRenumberClick() { editing::RenumberColumn(dataObject_.get(), CellsOf(grid_)); }
// The two renumber commands that walk a sorted or counted sequence show the hour-glass.
void TfrmTarnoChannelEdit::btnIncrementalRenumberClick() {
  if (!grid_) return;
  const WaitCursor wait;
  editing::SortedRenumber(dataObject_.get(), CellsOf(grid_));
}
void TfrmTarnoChannelEdit::btnOrderedRenumberClick() {
  if (!grid_) return;
  const WaitCursor wait;
  editing::RowBasedRenumber(dataObject_.get(), CellsOf(grid_));
}
void TfrmTarnoChannelEdit::btnClearRowClick() { editing::ClearCurrentRow(dataObject_.get(), CellsOf(grid_)); }
void TfrmTarnoChannelEdit::btnMoveRowClick() {
  editing::MoveRowToTarget(editorState_, CellsOf(grid_));
  ShowMoveTarget();
}
void TfrmTarnoChannelEdit::btnSetMoveRowClick() {
  editing::SetMoveTarget(editorState_, CellsOf(grid_));
  ShowMoveTarget();
}
void TfrmTarnoChannelEdit::btnAddRecordClick() { editing::AddRecord(dataObject_.get(), CellsOf(grid_)); }
void TfrmTarnoChannelEdit::btnDeleteRecordClick() { editing::RemoveLastRecord(dataObject_.get(), CellsOf(grid_)); }
void TfrmTarnoChannelEdit::FindNext() {
  if (!grid_ || editorState_.SearchText.empty()) return;
  const WaitCursor wait(WaitCursor::PendingEvents::Wait);
  editing::FindNext(editorState_, CellsOf(grid_));
  FocusGrid();  // the cell found is where typing goes next
}

void TfrmTarnoChannelEdit::ShowMoveTarget() {
  const std::string& caption = editorState_.MoveRowCaption;
  const size_t wordsEnd = caption.rfind(':') + 1;
  btnSetMoveRow->setText(tr(caption.substr(0, wordsEnd).c_str()) + QString::fromStdString(caption.substr(wordsEnd)));
}

// Returns true when the key is consumed: F1 to F4 and F12 always, Ctrl+F only
// while there is a grid to search; every other key goes on to the focused control.
bool TfrmTarnoChannelEdit::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const editing::EditorKey editorKey = EditorKeyOf(key);
  if (editorKey == editing::EditorKey::Other) return false;
  std::optional<grid::CellStore::Step> step;  // F1 and F4 change the grid: one step to undo
  if (grid_) step.emplace(grid_->Cells());
  if (editorKey == editing::EditorKey::F3) {  // under the hour-glass
    FindNext();
    return true;
  }
  const editing::EditorContext context{editorState_, dataObject_.get(), CellsOf(grid_)};
  const editing::EditorKeyHooks hooks{
      [this] { return dialogs_->AskSearchText(); },
      [this] {
        if (grid_) grid_->SetEditorMode(true);
      },
      [this] { ShowHiddenButtons(); }};
  const bool consumed = editing::FormKeyDown(editorKey, (modifiers & Qt::ControlModifier) != 0, context, hooks);
  ShowMoveTarget();
  return consumed;
}

// "Read/Write test" and "Generate PtcCable" stay visible from then on.
void TfrmTarnoChannelEdit::ShowHiddenButtons() {
  btnReadWrite->show();
  btnPtcCable->show();
}

}  // namespace tarno::window
