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
  MarkUnsavedTabs();
}

bool TfrmTarnoChannelEdit::SaveChangesFirst() { return SettleUnsavedEdits() != EditsSettled::Kept; }

// One question for every open list with unsaved edits; Yes saves them all.
TfrmTarnoChannelEdit::EditsSettled TfrmTarnoChannelEdit::SettleUnsavedEdits() {
  const std::vector<size_t> unsaved = ListsWithUnsavedEdits();
  if (unsaved.empty()) return EditsSettled::NoneMade;
  std::vector<std::string> names;
  for (size_t list : unsaved) names.push_back(lists_[list].document->FileName());
  switch (dialogs_->AskSaveChanges(names)) {
    case SaveChangesAnswer::Yes: return SaveLists(unsaved) ? EditsSettled::Saved : EditsSettled::Kept;
    case SaveChangesAnswer::No: return EditsSettled::Dropped;
    case SaveChangesAnswer::Cancel: break;
  }
  return EditsSettled::Kept;
}

std::vector<size_t> TfrmTarnoChannelEdit::ListsWithUnsavedEdits() const {
  std::vector<size_t> unsaved;
  for (size_t i = 0; i < lists_.size(); ++i)
    if (lists_[i].document->HasUnsavedEdits()) unsaved.push_back(i);
  return unsaved;
}

// Each list is shown while it is saved, so that a problem the check before
// saving finds is shown in its own grid; the first list not saved stays on
// show, otherwise the list shown before comes back.
bool TfrmTarnoChannelEdit::SaveLists(const std::vector<size_t>& lists) {
  const size_t shownBefore = activeList_;
  for (size_t list : lists) {
    if (list != activeList_) ShowList(list);
    if (!SaveGrid(false)) return false;
  }
  if (shownBefore != activeList_) ShowList(shownBefore);
  return true;
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
