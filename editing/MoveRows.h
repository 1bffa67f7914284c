// "Move rows": a block of rows moves to the move target as one, keeping its
// order, as "Move row" (MoveRow.h) moves a single row. Grid only.
#pragma once

#include "CellStore.h"
#include "ChannelSelection.h"
#include "EditorState.h"

namespace tarno::editing {

// Moves the rows of the span (texts and tags) so the first stands at the move
// target, the others below it in their order; a target too low for the whole
// block is raised until it fits. The target then moves below the block, never
// past the last row. One undoable step; a span outside the data rows is clipped.
void MoveRowsToTarget(EditorState& state, grid::CellStore& cells, RowSpan rows);

}  // namespace tarno::editing
