// The cells of the channel grid: a text (UTF-8), an integer tag and an edited
// mark per cell, column widths, row heights and the current cell. Rows are
// reached through an order index, so moving or sorting rows moves indices,
// never texts.
//
// The edited mark tells a text that came from the cell's source (the record
// behind its tag) from one the user or a grid feature put there: SetText marks
// a cell whose text it changes, SetSourceText clears the mark.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "TextMeasure.h"

namespace tarno::grid {

constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 24;
constexpr int kHiddenColWidth = -1;  // width 0 hides a column too
constexpr int kMaxGridRows = 65536;  // row indices are 16-bit in the sort engine and cell tags

class CellJournal;
class StepRecorder;

class CellStore {
 public:
  enum class Change { Cells, Layout };
  using ChangeListener = std::function<void(Change)>;

  CellStore();

  int RowCount() const { return static_cast<int>(order_.size()); }
  int ColCount() const { return colCount_; }
  // A change of either count takes the saved widths and fits every data row's height.
  void SetRowCount(int count);
  void SetColCount(int count);

  std::string_view Text(int col, int row) const;
  // Marks the cell edited when its text changes.
  void SetText(int col, int row, std::string_view utf8);
  // The text as the cell's source holds it: the cell is no longer edited.
  void SetSourceText(int col, int row, std::string_view utf8);
  bool Edited(int col, int row) const;
  void SetEdited(int col, int row, bool edited);
  int32_t Tag(int col, int row) const;
  void SetTag(int col, int row, int32_t tag);

  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  bool ColVisible(int col) const { return ColWidth(col) > 0; }

  int DefaultRowHeight() const { return defaultRowHeight_; }
  // Discards every per-row height.
  void SetDefaultRowHeight(int height);
  int RowHeight(int row) const;
  void SetRowHeight(int row, int height);
  bool RowVisible(int row) const { return RowHeight(row) > 0; }
  // The larger of the default height and each cell's text wrapped into its column, plus 1.
  int FittedRowHeight(int row) const;
  void FitRowHeight(int row) { SetRowHeight(row, FittedRowHeight(row)); }

  // The current cell; always inside the data area when there is one.
  int Col() const { return col_; }
  int Row() const { return row_; }
  void SetCol(int col);
  void SetRow(int row);

  // Takes the row at from out and inserts it at to; the rows between shift by one.
  // Texts, tags and the row's height travel together; a moved current row is followed.
  void MoveRow(int from, int to);
  // Rows first .. first + n - 1 become the rows that stood at sourceRows[0 .. n-1].
  void ArrangeRows(int first, const std::vector<int>& sourceRows);
  // An empty row whose cells keep the tags of the row that was at, marked edited
  // (their empty texts are not what those records hold).
  void InsertRow(int at);
  void DeleteRow(int at);
  void InsertColumn(int at);  // empty texts, zero tags, marked edited, the default width
  void DeleteColumn(int at);

  // Widths taken whenever the size changes, written back before column edits.
  const std::vector<int>& SavedWidths() const { return savedWidths_; }
  void TakeSavedWidths();
  void RestoreSavedWidths();

  void SetMeasure(const TextMeasure* measure) { measure_ = measure ? measure : &fallbackMeasure_; }
  const TextMeasure& Measure() const { return *measure_; }
  void SetChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

  // Names the state of what the cells hold: texts, tags, the rows' order, rows
  // and columns added or removed (not widths, heights or the current cell).
  // Every change gives a number never used before; undo gives back the number
  // of the state it restores.
  uint64_t ContentRevision() const { return contentRevision_; }
  void RestoreContentRevision(uint64_t revision) { contentRevision_ = revision; }
  // What the cells stand for changed while their texts did not (the records behind them).
  void NoteContentChange() { Touch(); }

  // Undo (CellJournal.h): every change of what the cells hold goes into the
  // journal while one is attached; the recorder groups them into steps.
  // A copy of the store starts with neither.
  void SetJournal(CellJournal* journal) { undo_.journal = journal; }
  CellJournal* Journal() const { return undo_.journal; }
  void SetRecorder(StepRecorder* recorder) { undo_.recorder = recorder; }
  // Undoes and forgets the last step when it carries mergeKey (see Step).
  bool RevertStep(uint64_t mergeKey);

  // The changes made while it lives are one undoable step; nested steps belong
  // to the outermost. Consecutive steps with the same nonzero merge key become
  // one (the keystrokes typed into one cell).
  class Step {
   public:
    explicit Step(CellStore& store, uint64_t mergeKey = 0);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    StepRecorder* recorder_;
  };

  // Holds change notifications back until the outermost batch ends, then sends one.
  class Batch {
   public:
    explicit Batch(CellStore& store) : store_(store) { ++store_.batchDepth_; }
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    CellStore& store_;
  };

 private:
  friend class CellJournal;

  struct Cell {
    uint32_t end = 0;  // end of this cell's text in the row's text
    int32_t tag = 0;
    bool edited = false;
  };
  struct RowData {
    std::string text;  // every cell's text, back to back
    std::vector<Cell> cells;
    int height = -1;  // -1: the default height
  };
  // Columns taken out of every row, kept for undo: cells row by row.
  struct DetachedColumns {
    struct ColumnCell {
      std::string text;
      int32_t tag = 0;
      bool edited = false;
    };
    std::vector<int> widths;
    std::vector<ColumnCell> cells;  // row r, column k at r * widths.size() + k
  };

  RowData& At(int row) { return rows_[order_[static_cast<size_t>(row)]]; }
  const RowData& At(int row) const { return rows_[order_[static_cast<size_t>(row)]]; }
  bool Contains(int col, int row) const { return col >= 0 && col < colCount_ && row >= 0 && row < RowCount(); }
  bool ReplaceText(int col, int row, std::string_view utf8);
  RowData EmptyRow() const;
  void CompactRows();
  void ReactToSizeChange();
  void ClampCurrentCell();
  void Notify(Change change);
  void Touch() { contentRevision_ = ++revisionClock_; }
  void JournalCell(int col, int row);
  // Undo's way back: rows and columns taken out and put back whole, unjournaled.
  std::vector<RowData> CopyRows(int at, int count) const;
  std::vector<RowData> TakeRows(int at, int count);
  void PutRows(int at, std::vector<RowData> rows);
  DetachedColumns CopyColumns(int at, int count) const;
  DetachedColumns TakeColumns(int at, int count);
  void PutColumns(int at, DetachedColumns columns);

  std::vector<RowData> rows_;     // storage, in no particular order
  std::vector<uint32_t> order_;   // display row -> storage slot
  int colCount_ = 0;
  std::vector<int> colWidths_;
  std::vector<int> savedWidths_;
  int defaultRowHeight_ = kDefaultRowHeight;
  int col_ = 1;
  int row_ = 1;
  FixedWidthMeasure fallbackMeasure_;
  const TextMeasure* measure_ = &fallbackMeasure_;
  ChangeListener listener_;
  uint64_t contentRevision_ = 0;
  uint64_t revisionClock_ = 0;
  // The journal and recorder belong to this store; a copy starts without them.
  struct UndoHooks {
    CellJournal* journal = nullptr;
    StepRecorder* recorder = nullptr;
    UndoHooks() = default;
    UndoHooks(const UndoHooks&) {}
    UndoHooks& operator=(const UndoHooks&) { return *this; }
  };
  UndoHooks undo_;
  int batchDepth_ = 0;
  bool pendingLayout_ = false;
  bool pendingCells_ = false;
};

}  // namespace tarno::grid
