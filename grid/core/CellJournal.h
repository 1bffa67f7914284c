// Undo at the level of the cell store. While a journal is attached, the store
// reports every change of what its cells hold: a cell's text, edited mark or
// tag, a row move, a reordering of rows, rows or columns added or removed.
// A journal keeps only what each change replaced, so its memory follows the
// size of the change (a sort keeps the permutation, not the rows).
//
// Each cell entry holds the state a change replaced and swaps it with what the
// store holds when applied: replaying the journal backwards puts the store back
// as it was, replaying it forwards afterwards as it was again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "CellStore.h"

namespace tarno::grid {

// Groups the changes of a store into undoable steps; see CellStore::Step.
class StepRecorder {
 public:
  virtual void BeginStep(uint64_t mergeKey) = 0;
  virtual void EndStep() = 0;
  // Undoes and forgets the last step done when it carries mergeKey and may
  // still grow; false (and nothing changed) otherwise.
  virtual bool RevertStep(uint64_t mergeKey) = 0;

 protected:
  ~StepRecorder() = default;
};

// A key no other caller gets: steps that carry it and follow each other merge.
uint64_t NewMergeKey();

class CellJournal {
 public:
  void RecordCell(int col, int row, std::string_view text, bool edited, int32_t tag);
  void RecordMove(int from, int to);
  void RecordArrange(int first, const std::vector<int>& sourceRows);
  // Rows at .. at + count - 1 were added (rows empty: they are in the store)
  // or removed (rows holds them).
  void RecordRows(int at, int count, std::vector<CellStore::RowData> rows);
  void RecordColumns(int at, int count, CellStore::DetachedColumns columns);

  bool Empty() const { return entries_.empty(); }
  size_t Bytes() const;
  void Clear() { entries_.clear(); }
  // The changes of a later step, to be undone together with these.
  void Append(CellJournal&& later);

  // Replays the changes backwards (undo) or forwards (redo). The store must be
  // as the last replay or the recording left it; nothing is journaled meanwhile.
  void Undo(CellStore& cells);
  void Redo(CellStore& cells);

 private:
  struct CellEntry {
    int col;
    int row;
    std::string text;
    int32_t tag;
    bool edited;
  };
  struct MoveEntry {
    int from;
    int to;
  };
  struct ArrangeEntry {
    int first;
    std::vector<int> sourceRows;
  };
  // Held rows are put back where they were; rows in the store are taken out.
  struct RowsEntry {
    int at;
    int count;
    std::vector<CellStore::RowData> rows;
  };
  struct ColumnsEntry {
    int at;
    int count;
    CellStore::DetachedColumns columns;
  };
  using Entry = std::variant<CellEntry, MoveEntry, ArrangeEntry, RowsEntry, ColumnsEntry>;

  static void Apply(CellStore& cells, Entry& entry, bool forwards);
  static void SwapCell(CellStore& cells, CellEntry& entry);
  static void ToggleRows(CellStore& cells, RowsEntry& entry);
  static void ToggleColumns(CellStore& cells, ColumnsEntry& entry);

  std::vector<Entry> entries_;
};

}  // namespace tarno::grid
