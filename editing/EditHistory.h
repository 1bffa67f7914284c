// Undo and redo for one loaded file: every change of the grid's cells (texts,
// edited marks, tags, row order, rows and columns) and of the records behind
// them, grouped into steps, one per command or per cell typed into.
//
// The history attaches itself to the cell store; the commands open their steps
// through grid::CellStore::Step. Changes made outside any step become a step of
// their own before the next step begins or an undo runs, so nothing slips by.
// Undo restores the cells, their marks, the rows' order and count, the
// records, the current cell and the store's content revision; redo the same
// forwards. A new step after an undo drops what could have been redone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "CellJournal.h"
#include "CellStore.h"
#include "RecordJournal.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

class EditHistory final : public grid::StepRecorder {
 public:
  EditHistory(TDataObject& data, grid::CellStore& cells);
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  void BeginStep(uint64_t mergeKey) override;
  void EndStep() override;
  bool RevertStep(uint64_t mergeKey) override;

  // False when there was nothing to undo (redo), or a step is still open.
  bool Undo();
  bool Redo();
  size_t UndoCount() const;
  size_t RedoCount() const { return steps_.size() - done_; }

  // Saving takes the cells back into the records (and may regenerate check
  // fields and tag rows anew). Those changes belong to the state that was
  // saved: they join the last step done, so undoing it gives back the records
  // as they were before the save, and the steps that could have been redone
  // go, since they were recorded against the records before it.
  void AbsorbSave();

  // Forgets every step: what is loaded now is where undo stops.
  void Clear();

  // Memory the steps hold, for the figures of bench/.
  size_t Bytes() const;

 private:
  struct CellPos {
    int col = 1;
    int row = 1;
  };
  struct Step {
    grid::CellJournal cells;
    RecordJournal records;
    CellPos before;
    CellPos after;
    uint64_t revisionBefore = 0;
    uint64_t revisionAfter = 0;
    uint64_t mergeKey = 0;  // 0, or after a save: grows no more
  };

  CellPos CurrentCell() const { return {cells_.Col(), cells_.Row()}; }
  // What changed since the last step ended: the journal's entries and the
  // records that differ. A record change counts as a content change, except
  // where a save made it: that is the content saved.
  enum class RecordChanges { Count, AreSaved };
  Step TakeChanges(CellPos before, uint64_t revisionBefore, uint64_t mergeKey,
                   RecordChanges records = RecordChanges::Count);
  static bool IsEmpty(const Step& step) { return step.cells.Empty() && step.records.Empty(); }
  void SealLooseChanges();
  void Push(Step step);
  void Restore(CellPos cell, uint64_t revision);

  TDataObject& data_;
  grid::CellStore& cells_;
  std::vector<TDataByteArray> recordsCopy_;  // the records as the last step left them
  grid::CellJournal journal_;                // what the store reports, until a step takes it
  CellPos openedAt_;                          // the current cell when the open step began
  uint64_t openedRevision_ = 0;
  uint64_t openKey_ = 0;
  uint64_t settledRevision_ = 0;              // the revision when the last step or replay ended
  int depth_ = 0;
  bool replaying_ = false;
  std::vector<Step> steps_;
  size_t done_ = 0;  // steps_[0 .. done_ - 1] are done, the rest undone
};

}  // namespace tarno::editing
