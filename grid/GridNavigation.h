// Where the keyboard takes the current cell. Hidden rows (height 0) and hidden
// columns (width 0 or -1) are stepped over, so the current cell never lands on
// something the user cannot see; without a visible target it stays put.
#pragma once

#include "CellStore.h"

namespace tarno::grid {

struct CellPos {
  int col = 1;
  int row = 1;
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

enum class GridMove { Up, Down, Left, Right, PageUp, PageDown, Home, End, FirstCell, LastCell, NextCell, PreviousCell };

// pageRows: how many rows one PageUp / PageDown passes.
CellPos Navigate(const CellStore& cells, CellPos from, GridMove move, int pageRows);

// The nearest visible data row (column) starting one step from `from` in the
// direction of step (+1 or -1), or -1 when there is none.
int NextVisibleRow(const CellStore& cells, int from, int step);
int NextVisibleCol(const CellStore& cells, int from, int step);

// The visible data row nearest to row, looking in the preferred direction first;
// row itself when it is visible or nothing else is.
int NearestVisibleRow(const CellStore& cells, int row, int preferredStep);
int NearestVisibleCol(const CellStore& cells, int col, int preferredStep);

}  // namespace tarno::grid
