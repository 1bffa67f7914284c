#include "GridNavigation.h"

namespace tarno::grid {
namespace {

template <typename Visible>
int NextVisible(int from, int step, int count, Visible visible) {
  for (int i = from + step; i >= 1 && i < count; i += step)
    if (visible(i)) return i;
  return -1;
}

template <typename Visible>
int Nearest(int index, int preferredStep, int count, Visible visible) {
  if (index >= 1 && index < count && visible(index)) return index;
  const int first = NextVisible(index, preferredStep, count, visible);
  if (first >= 0) return first;
  const int second = NextVisible(index, -preferredStep, count, visible);
  return second >= 0 ? second : index;
}

int FirstVisibleRow(const CellStore& cells) { return NextVisibleRow(cells, 0, +1); }
int LastVisibleRow(const CellStore& cells) { return NextVisibleRow(cells, cells.RowCount(), -1); }
int FirstVisibleCol(const CellStore& cells) { return NextVisibleCol(cells, 0, +1); }
int LastVisibleCol(const CellStore& cells) { return NextVisibleCol(cells, cells.ColCount(), -1); }

int OrStay(int target, int current) { return target >= 0 ? target : current; }

int StepRows(const CellStore& cells, int row, int step, int count) {
  for (int n = 0; n < count; ++n) {
    const int next = NextVisibleRow(cells, row, step);
    if (next < 0) break;
    row = next;
  }
  return row;
}

// Tab order: along the row, then on to the start of the next visible row,
// wrapping from the last cell to the first.
CellPos TabStep(const CellStore& cells, CellPos from, int step) {
  const int col = NextVisibleCol(cells, from.col, step);
  if (col >= 0) return {col, from.row};
  const int edgeCol = step > 0 ? FirstVisibleCol(cells) : LastVisibleCol(cells);
  int row = NextVisibleRow(cells, from.row, step);
  if (row < 0) row = step > 0 ? FirstVisibleRow(cells) : LastVisibleRow(cells);
  if (edgeCol < 0 || row < 0) return from;
  return {edgeCol, row};
}

}  // namespace

int NextVisibleRow(const CellStore& cells, int from, int step) {
  return NextVisible(from, step, cells.RowCount(), [&](int r) { return cells.RowVisible(r); });
}

int NextVisibleCol(const CellStore& cells, int from, int step) {
  return NextVisible(from, step, cells.ColCount(), [&](int c) { return cells.ColVisible(c); });
}

int NearestVisibleRow(const CellStore& cells, int row, int preferredStep) {
  return Nearest(row, preferredStep, cells.RowCount(), [&](int r) { return cells.RowVisible(r); });
}

int NearestVisibleCol(const CellStore& cells, int col, int preferredStep) {
  return Nearest(col, preferredStep, cells.ColCount(), [&](int c) { return cells.ColVisible(c); });
}

CellPos Navigate(const CellStore& cells, CellPos from, GridMove move, int pageRows) {
  switch (move) {
    case GridMove::Up: return {from.col, OrStay(NextVisibleRow(cells, from.row, -1), from.row)};
    case GridMove::Down: return {from.col, OrStay(NextVisibleRow(cells, from.row, +1), from.row)};
    case GridMove::Left: return {OrStay(NextVisibleCol(cells, from.col, -1), from.col), from.row};
    case GridMove::Right: return {OrStay(NextVisibleCol(cells, from.col, +1), from.col), from.row};
    case GridMove::PageUp: return {from.col, StepRows(cells, from.row, -1, pageRows)};
    case GridMove::PageDown: return {from.col, StepRows(cells, from.row, +1, pageRows)};
    case GridMove::Home: return {OrStay(FirstVisibleCol(cells), from.col), from.row};
    case GridMove::End: return {OrStay(LastVisibleCol(cells), from.col), from.row};
    case GridMove::FirstCell: return {OrStay(FirstVisibleCol(cells), from.col), OrStay(FirstVisibleRow(cells), from.row)};
    case GridMove::LastCell: return {OrStay(LastVisibleCol(cells), from.col), OrStay(LastVisibleRow(cells), from.row)};
    case GridMove::NextCell: return TabStep(cells, from, +1);
    case GridMove::PreviousCell: return TabStep(cells, from, -1);
  }
  return from;
}

}  // namespace tarno::grid
