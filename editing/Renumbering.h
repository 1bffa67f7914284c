// The three renumber commands. Each numbers the grid's selected column (the
// current cell's column) and writes every number through to its record at once;
// none changes the number of rows or moves a row.
#pragma once

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// "Renumber column": every numbered cell (decimal value not a multiple of
// 65536) gets its row's position; other cells stay, leaving gaps.
void RenumberColumn(TDataObject* data, grid::CellStore* cells);

// "Row based renumber": non-empty cells get 1, 2, 3 ... from top to bottom.
void RowBasedRenumber(TDataObject* data, grid::CellStore* cells);

// "Sorted renumber": non-empty cells get 1, 2, 3 ... in the order of their
// current values (a numeric sort, or text order when a value is no whole
// number). A value the numeric sort cannot read (a hexadecimal one) abandons
// the command with grid::SortConversionError before any cell changed.
void SortedRenumber(TDataObject* data, grid::CellStore* cells);

// What "Sorted renumber" puts in place of an empty cell; a cell holding exactly
// this text is treated as empty.
inline constexpr const char* kSortedRenumberSentinel = "2147483647";

}  // namespace tarno::editing
