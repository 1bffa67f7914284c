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

  // Counts the changes of what the cells hold: texts, tags, the rows' order,
  // rows and columns added or removed (not widths, heights or the current cell).
  uint64_t ContentRevision() const { return contentRevision_; }

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

  RowData& At(int row) { return rows_[order_[static_cast<size_t>(row)]]; }
  const RowData& At(int row) const { return rows_[order_[static_cast<size_t>(row)]]; }
  bool Contains(int col, int row) const { return col >= 0 && col < colCount_ && row >= 0 && row < RowCount(); }
  bool ReplaceText(int col, int row, std::string_view utf8);
  RowData EmptyRow() const;
  void CompactRows();
  void ReactToSizeChange();
  void ClampCurrentCell();
  void Notify(Change change);

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
  int batchDepth_ = 0;
  bool pendingLayout_ = false;
  bool pendingCells_ = false;
};

}  // namespace tarno::grid
