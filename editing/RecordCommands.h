// "Clear row" (F1), "Add record" and "Remove last record": the row commands
// that change records. Each does nothing, silently, without a data object and
// grid, or when the grid no longer has one row per record and one column per
// field.
#pragma once

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// Resets every field of the record the current row shows (by its tags, not its
// position) to its default and shows it again; the row stays where it is.
void ClearCurrentRow(TDataObject* data, grid::CellStore* cells);
// Appends a record holding every field's default and refills the grid in stored order.
void AddRecord(TDataObject* data, grid::CellStore* cells);
// Drops the file's last record, whatever row shows it, and refills the grid in stored order.
void RemoveLastRecord(TDataObject* data, grid::CellStore* cells);

}  // namespace tarno::editing
