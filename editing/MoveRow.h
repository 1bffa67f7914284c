// "Move row" (F4) and "Set row to move to:": rows are placed one after another
// below a chosen target row. Grid only.
#pragma once

#include "CellStore.h"
#include "EditorState.h"

namespace tarno::editing {

// Moves the current row (texts and tags) to the move target, then advances the
// target by one, never past the last row. A target left beyond the last row by
// a larger file loaded before is first brought back to the last row, so no row
// is ever placed outside the grid.
void MoveRowToTarget(EditorState& state, grid::CellStore* cells);

// Makes the current row the move target.
void SetMoveTarget(EditorState& state, const grid::CellStore* cells);

}  // namespace tarno::editing
