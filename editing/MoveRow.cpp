#include "MoveRow.h"

#include <algorithm>

namespace tarno::editing {

void MoveRowToTarget(EditorState& state, grid::CellStore* cells) {
  if (!cells) return;
  const int lastRow = cells->RowCount() - 1;
  if (lastRow < 1) return;  // no data row to move
  const int target = std::clamp(state.MoveToRow, 1, lastRow);
  cells->MoveRow(cells->Row(), target);
  state.MoveToRow = std::min(target + 1, lastRow);
  state.MoveRowCaption = AfterMoveCaption(state.MoveToRow);
}

void SetMoveTarget(EditorState& state, const grid::CellStore* cells) {
  if (!cells) return;
  state.MoveToRow = cells->Row();
  state.MoveRowCaption = AfterSetCaption(state.MoveToRow);
}

}  // namespace tarno::editing
