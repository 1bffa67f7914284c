#include "EditHistory.h"

#include <utility>

namespace tarno::editing {

EditHistory::EditHistory(TDataObject& data, grid::CellStore& cells)
    : data_(data), cells_(cells), recordsCopy_(data.Records), settledRevision_(cells.ContentRevision()) {
  cells_.SetJournal(&journal_);
  cells_.SetRecorder(this);
}

EditHistory::~EditHistory() {
  cells_.SetJournal(nullptr);
  cells_.SetRecorder(nullptr);
}

EditHistory::Step EditHistory::TakeChanges(CellPos before, uint64_t revisionBefore, uint64_t mergeKey,
                                           RecordChanges records) {
  Step step;
  step.cells = std::move(journal_);
  journal_.Clear();
  step.records = RecordJournal::Track(recordsCopy_, data_.Records);
  // A record that changed while its cell kept its text still changes what a save writes.
  if (!step.records.Empty() && records == RecordChanges::Count) cells_.NoteContentChange();
  step.before = before;
  step.after = CurrentCell();
  step.revisionBefore = revisionBefore;
  step.revisionAfter = settledRevision_ = cells_.ContentRevision();
  step.mergeKey = mergeKey;
  return step;
}

void EditHistory::SealLooseChanges() {
  Step loose = TakeChanges(CurrentCell(), settledRevision_, 0);
  if (!IsEmpty(loose)) Push(std::move(loose));
}

void EditHistory::BeginStep(uint64_t mergeKey) {
  if (replaying_ || depth_++ > 0) return;
  SealLooseChanges();
  openedAt_ = CurrentCell();
  openedRevision_ = cells_.ContentRevision();
  openKey_ = mergeKey;
}

void EditHistory::EndStep() {
  if (replaying_ || depth_ == 0 || --depth_ > 0) return;
  Step step = TakeChanges(openedAt_, openedRevision_, openKey_);
  if (!IsEmpty(step)) Push(std::move(step));
}

// Keystrokes into one cell make one step, unless something was undone since.
void EditHistory::Push(Step step) {
  if (step.mergeKey != 0 && done_ > 0 && done_ == steps_.size() && steps_.back().mergeKey == step.mergeKey) {
    Step& last = steps_.back();
    last.cells.Append(std::move(step.cells));
    last.records.Append(std::move(step.records));
    last.after = step.after;
    last.revisionAfter = step.revisionAfter;
    return;
  }
  steps_.resize(done_);
  steps_.push_back(std::move(step));
  done_ = steps_.size();
}

void EditHistory::Restore(CellPos cell, uint64_t revision) {
  grid::CellStore::Batch batch(cells_);
  cells_.SetCol(cell.col);
  cells_.SetRow(cell.row);
  cells_.RestoreContentRevision(revision);
  settledRevision_ = revision;
}

bool EditHistory::Undo() {
  if (depth_ > 0 || replaying_) return false;
  SealLooseChanges();
  if (done_ == 0) return false;
  Step& step = steps_[--done_];
  replaying_ = true;
  step.cells.Undo(cells_);
  step.records.Undo(data_.Records, recordsCopy_);
  Restore(step.before, step.revisionBefore);
  replaying_ = false;
  return true;
}

bool EditHistory::Redo() {
  if (depth_ > 0 || replaying_) return false;
  SealLooseChanges();  // a change since the undo dropped the redo list
  if (done_ == steps_.size()) return false;
  Step& step = steps_[done_++];
  replaying_ = true;
  step.records.Redo(data_.Records, recordsCopy_);
  step.cells.Redo(cells_);
  Restore(step.after, step.revisionAfter);
  replaying_ = false;
  return true;
}

bool EditHistory::RevertStep(uint64_t mergeKey) {
  if (mergeKey == 0 || depth_ > 0 || replaying_) return false;
  SealLooseChanges();
  if (done_ == 0 || done_ != steps_.size() || steps_.back().mergeKey != mergeKey) return false;
  Undo();
  steps_.pop_back();
  return true;
}

size_t EditHistory::UndoCount() const { return done_ + (journal_.Empty() ? 0 : 1); }

void EditHistory::AbsorbSave() {
  Step saved = TakeChanges(CurrentCell(), settledRevision_, 0, RecordChanges::AreSaved);
  if (done_ == 0) {
    // Nothing done before it: the saved records are where undo stops.
    if (!IsEmpty(saved)) steps_.clear();
    return;
  }
  Step& last = steps_[done_ - 1];
  last.mergeKey = 0;  // typing on after the save is a step of its own
  if (IsEmpty(saved)) return;
  last.cells.Append(std::move(saved.cells));
  last.records.Append(std::move(saved.records));
  last.revisionAfter = saved.revisionAfter;
  steps_.resize(done_);
}

void EditHistory::Clear() {
  journal_.Clear();
  steps_.clear();
  done_ = 0;
  recordsCopy_ = data_.Records;
  settledRevision_ = cells_.ContentRevision();
}

size_t EditHistory::Bytes() const {
  size_t bytes = steps_.capacity() * sizeof(Step) + journal_.Bytes();
  for (const Step& step : steps_) bytes += step.cells.Bytes() + step.records.Bytes();
  return bytes;
}

}  // namespace tarno::editing
