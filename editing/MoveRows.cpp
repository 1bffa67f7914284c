#include "MoveRows.h"

#include <algorithm>

#include "GridActions.h"

namespace tarno::editing {

void MoveRowsToTarget(EditorState& state, grid::CellStore& cells, RowSpan rows) {
  const int count = std::min(rows.last, cells.RowCount() - 1) - std::max(rows.first, 1) + 1;
  if (count <= 0) return;
  const int target = grid::MoveRowBlock(cells, rows.first, rows.last, state.MoveToRow);
  state.MoveToRow = std::min(target + count, cells.RowCount() - 1);
  state.MoveRowCaption = AfterMoveCaption(state.MoveToRow);
}

}  // namespace tarno::editing
