#include "MoveRows.h"

#include <algorithm>

namespace tarno::editing {

void MoveRowsToTarget(EditorState& state, grid::CellStore& cells, RowSpan rows) {
  const int lastRow = cells.RowCount() - 1;
  const int first = std::max(rows.first, 1);
  const int last = std::min(rows.last, lastRow);
  if (first > last) return;
  const int count = last - first + 1;
  const int target = std::clamp(state.MoveToRow, 1, lastRow - count + 1);
  // The rows from the higher of block and target to the lower end of both, in their new order.
  const int from = std::min(first, target);
  const int to = std::max(last, target + count - 1);
  std::vector<int> others;
  for (int row = from; row <= to; ++row)
    if (row < first || row > last) others.push_back(row);
  std::vector<int> order(others.begin(), others.begin() + (target - from));
  for (int row = first; row <= last; ++row) order.push_back(row);
  order.insert(order.end(), others.begin() + (target - from), others.end());
  {
    const grid::CellStore::Step step(cells);
    cells.ArrangeRows(from, order);
  }
  state.MoveToRow = std::min(target + count, lastRow);
  state.MoveRowCaption = AfterMoveCaption(state.MoveToRow);
}

}  // namespace tarno::editing
