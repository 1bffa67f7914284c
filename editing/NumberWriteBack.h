// Writes a new number into a cell and through to the record the cell's tag
// names, then shows the cell again as the record now holds it.
#pragma once

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// The number is written with "%d". A write-back the field rejects is not
// reported: the refresh then shows the value the record still holds. When
// the refresh fails too, the cell keeps its text and edited mark.
void WriteNumberThrough(TDataObject& data, grid::CellStore& cells, int col, int row, int number);

}  // namespace tarno::editing
