// A CSV names the records its rows change by number alone, so a CSV exported
// from another list of the same kind (another set's cable map) would give every
// record the cells of another channel. Its rows are told by the fields that
// identify a channel: they name other channels than the records they would change.
#pragma once

#include <vector>

#include "CellStore.h"
#include "CsvText.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// Throws CsvError ("The CSV belongs to another list: 413 of 420 channels differ
// from the records they would change") when more than half of the rows compared
// name another channel than the record they would change. rows are the CSV's
// (header first), gridRows[i] the grid row its data row i + 1 would change.
// Compared are rows where both sides are channels (no empty slots), by service,
// transport stream and original network id where both have a service id, else
// by frequency, else by name, so names changed in a spreadsheet still import.
// A list without a number field or any of these is not checked.
void RequireCsvOfThisList(const TDataObject& data, const grid::CellStore& cells, const std::vector<CsvRow>& rows,
                          const std::vector<int>& gridRows);

}  // namespace tarno::editing
