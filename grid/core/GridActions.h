// The grid's own row and column commands, reached through its key mappings.
// They change the grid only, never the records behind it.
#pragma once

#include "CellStore.h"

namespace tarno::grid {

// Inserts an empty row at the current row, keeping that row's tags.
void InsertRowAtCurrent(CellStore& cells);
// Shows rows hidden by a filter again, then deletes the current row unless only
// the header and one row are left.
void DeleteCurrentRow(CellStore& cells);
// Inserts an empty column at the current column, which it becomes.
void InsertColumnAtCurrent(CellStore& cells);
// Deletes the current column unless only two are left.
void DeleteCurrentColumn(CellStore& cells);
// Copies the current data row's texts into the header row.
void SetHeaderFromCurrentRow(CellStore& cells);
// Moves the data rows first..last, in their order, so that the first lands on
// target (brought back so the block fits below the header and above the end);
// one step to undo. Returns where the block's first row went.
int MoveRowBlock(CellStore& cells, int first, int last, int target);

}  // namespace tarno::grid
