// The channel list as a spreadsheet: the grid's visible columns as CSV, with a
// first column "#" holding the record number each row shows (record index + 1),
// and the way back.
#pragma once

#include <string>
#include <string_view>

#include "CellStore.h"
#include "CsvText.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

inline constexpr const char* kRecordNumberCaption = "#";

// A header row of "#" and the captions (without the grid's leading blank), then
// one row per grid row in the order shown. Throws CsvError when the grid no
// longer has one row per record and one column per field.
std::string ExportCsv(const TDataObject& data, const grid::CellStore& cells);

struct CsvImportResult {
  int changedCells = 0;
  int movedRows = 0;  // rows that now show another record than before
};

// Puts the grid rows into the CSV's row order (by "#") and sets every cell of
// the CSV's columns whose text differs, as typing would: the records change on
// saving. Every record must be listed exactly once; columns are matched by
// caption (a caption used twice by the k-th use), the others are left alone.
// Rows whose fields are all empty are skipped. Anything wrong, a CSV of another
// list too (see ForeignCsv.h), throws CsvError before the grid has changed.
CsvImportResult ImportCsv(const TDataObject& data, grid::CellStore& cells, std::string_view csv);

}  // namespace tarno::editing
