// Where the cells of a grid lie: prefix tables of column and row edges, rebuilt
// whenever the layout changes, so finding a row by position is a binary search
// and drawing only touches the visible cells. The visible lines are numbered
// too (1, 2, 3 ... over the rows and columns that take room), so that scrolling
// and banding go by what the user sees, whatever a filter hides.
#pragma once

#include <vector>

#include "CellStore.h"

namespace tarno::grid {

constexpr int kGridLineWidth = 1;

class GridGeometry {
 public:
  // Cells are width (height) wide plus one grid line; hidden ones take no room.
  static int Pitch(int size) { return size > 0 ? size + kGridLineWidth : 0; }

  // minHeaderHeight: the header row is drawn at least this high (its height
  // itself stays in the store), so two lines fit into it.
  void Rebuild(const CellStore& cells, int minHeaderHeight = 0);

  int ColCount() const { return static_cast<int>(colEdge_.size()) - 1; }
  int RowCount() const { return static_cast<int>(rowEdge_.size()) - 1; }

  // The fixed column and the header row, grid line included.
  int FixedWidth() const { return fixedWidth_; }
  int HeaderHeight() const { return headerHeight_; }

  // Offsets of data columns (rows) from the left (top) of the data area; column
  // (row) 1 starts at 0. Valid for 1 .. count, count giving the total extent.
  int ColLeft(int col) const { return colEdge_[static_cast<size_t>(col)]; }
  int RowTop(int row) const { return rowEdge_[static_cast<size_t>(row)]; }
  int ContentWidth() const { return colEdge_.back(); }
  int ContentHeight() const { return rowEdge_.back(); }

  // The visible data column (row) at an offset into the data area, or -1 past the end.
  int ColAt(int x) const { return IndexAt(colEdge_, x); }
  int RowAt(int y) const { return IndexAt(rowEdge_, y); }

  // The first data row (column) to put at the top (left) so that everything
  // from it to the end fits into extent pixels: the end of the scroll range.
  int LastTopRow(int extent) const { return FirstStartAtLeast(rowEdge_, ContentHeight() - extent); }
  int LastLeftCol(int extent) const { return FirstStartAtLeast(colEdge_, ContentWidth() - extent); }
  // The top (left) that shows row (col) as its bottom (rightmost) complete line.
  // One past the last row (column) shown completely from top (left) on, within extent.
  int RowsEndFitting(int top, int extent) const { return EndFitting(rowEdge_, top, extent); }
  int ColsEndFitting(int left, int extent) const { return EndFitting(colEdge_, left, extent); }
  int TopRowShowing(int row, int extent) const { return FirstStartAtLeast(rowEdge_, RowTop(row + 1) - extent); }
  int LeftColShowing(int col, int extent) const { return FirstStartAtLeast(colEdge_, ColLeft(col + 1) - extent); }

  // Visible data rows (columns) numbered from 1. The ordinal of a line is that of
  // the first visible line at or after it (the last one past the end); 0 when
  // nothing is visible. A line at an ordinal out of range is the nearest end's.
  int VisibleRowCount() const { return static_cast<int>(visibleRows_.size()); }
  int VisibleColCount() const { return static_cast<int>(visibleCols_.size()); }
  int RowOrdinal(int row) const { return Ordinal(visibleRows_, row); }
  int ColOrdinal(int col) const { return Ordinal(visibleCols_, col); }
  int RowAtOrdinal(int ordinal) const { return AtOrdinal(visibleRows_, ordinal); }
  int ColAtOrdinal(int ordinal) const { return AtOrdinal(visibleCols_, ordinal); }

 private:
  static int IndexAt(const std::vector<int>& edges, int offset);
  static int FirstStartAtLeast(const std::vector<int>& edges, int offset);
  static int EndFitting(const std::vector<int>& edges, int first, int extent);
  static int Ordinal(const std::vector<int>& visible, int index);
  static int AtOrdinal(const std::vector<int>& visible, int ordinal);

  // edge[i] = offset of line i from the data area's origin; edge[0] is unused (0).
  std::vector<int> colEdge_{0, 0};
  std::vector<int> rowEdge_{0, 0};
  std::vector<int> visibleCols_;  // data columns that take room, in order
  std::vector<int> visibleRows_;
  int fixedWidth_ = 0;
  int headerHeight_ = 0;
};

}  // namespace tarno::grid
