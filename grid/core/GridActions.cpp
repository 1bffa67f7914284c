#include "GridActions.h"

#include <algorithm>
#include <vector>

namespace tarno::grid {

constexpr int kMinimumLines = 3;  // the header and the fixed column stay, with at least one more

void InsertRowAtCurrent(CellStore& cells) {
  const int row = cells.Row();
  cells.InsertRow(row);
  cells.SetRow(row);
}

void DeleteCurrentRow(CellStore& cells) {
  CellStore::Batch batch(cells);
  for (int r = 1; r < cells.RowCount(); ++r)
    if (cells.RowHeight(r) == 0) cells.FitRowHeight(r);
  if (cells.RowCount() < kMinimumLines) return;
  const int row = cells.Row();
  cells.DeleteRow(row);
  cells.SetRow(row);
}

void InsertColumnAtCurrent(CellStore& cells) {
  CellStore::Batch batch(cells);
  cells.RestoreSavedWidths();
  const int col = cells.Col();
  cells.InsertColumn(col);
  cells.SetCol(col);
}

void DeleteCurrentColumn(CellStore& cells) {
  CellStore::Batch batch(cells);
  cells.RestoreSavedWidths();
  if (cells.ColCount() < kMinimumLines) return;
  const int col = cells.Col();
  cells.DeleteColumn(col);
  cells.SetCol(col);
}

void SetHeaderFromCurrentRow(CellStore& cells) {
  const int row = cells.Row();
  if (row < 1 || row >= cells.RowCount()) return;
  CellStore::Batch batch(cells);
  for (int c = 1; c < cells.ColCount(); ++c) cells.SetText(c, 0, std::string(cells.Text(c, row)));
}

int MoveRowBlock(CellStore& cells, int first, int last, int target) {
  const int lastRow = cells.RowCount() - 1;
  first = std::max(first, 1);
  last = std::min(last, lastRow);
  if (first > last) return first;
  const int count = last - first + 1;
  target = std::clamp(target, 1, lastRow - count + 1);
  // The rows from the higher of block and target to the lower end of both, in their new order.
  const int from = std::min(first, target);
  const int to = std::max(last, target + count - 1);
  std::vector<int> others;
  for (int row = from; row <= to; ++row)
    if (row < first || row > last) others.push_back(row);
  std::vector<int> order(others.begin(), others.begin() + (target - from));
  for (int row = first; row <= last; ++row) order.push_back(row);
  order.insert(order.end(), others.begin() + (target - from), others.end());
  const CellStore::Step step(cells);
  cells.ArrangeRows(from, order);
  return target;
}

}  // namespace tarno::grid
