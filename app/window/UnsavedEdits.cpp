// Unsaved edits: the question before a command or the close gives them up.
#include <QCloseEvent>

#include "ChannelDocument.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"

namespace tarno::window {

// Every change of the grid's content counts, whichever command or grid
// feature made it (a change of the records alone too: the history notes it in
// the revision); undoing back to the state saved leaves nothing to save. A
// data object released by a Load left nothing to save.
bool TfrmTarnoChannelEdit::HasUnsavedEdits() const {
  for (const OpenList& list : lists_)
    if (list.document->HasUnsavedEdits()) return true;
  return false;
}

// The caption tells at a glance whether the list on show has edits not saved yet.
void TfrmTarnoChannelEdit::ShowUnsavedMark() {
  const QString mark = HasUnsavedEdits() ? QStringLiteral("*") : QString();
  const QString title = mark + QStringLiteral("  ") + caption_;
  if (windowTitle() != title) setWindowTitle(title);
}

bool TfrmTarnoChannelEdit::SaveChangesFirst() { return SettleUnsavedEdits() != EditsSettled::Kept; }

TfrmTarnoChannelEdit::EditsSettled TfrmTarnoChannelEdit::SettleUnsavedEdits() {
  if (!HasUnsavedEdits()) return EditsSettled::NoneMade;
  switch (dialogs_->AskSaveChanges(LoadedFileName())) {
    case SaveChangesAnswer::Yes: return SaveGrid(false) ? EditsSettled::Saved : EditsSettled::Kept;
    case SaveChangesAnswer::No: return EditsSettled::Dropped;
    case SaveChangesAnswer::Cancel: break;
  }
  return EditsSettled::Kept;
}

// The archive is written while the window is still there to say how it went.
void TfrmTarnoChannelEdit::closeEvent(QCloseEvent* event) {
  bool close = false;
  RunCommand([&] { close = SaveChangesFirst() && UpdateArchiveBeforeClosing(); });
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace tarno::window
