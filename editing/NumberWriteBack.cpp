#include "NumberWriteBack.h"

#include <string>

namespace tarno::editing {

void WriteNumberThrough(TDataObject& data, grid::CellStore& cells, int col, int row, int number) {
  const std::string shown(cells.Text(col, row));
  const bool wasEdited = cells.Edited(col, row);
  cells.SetText(col, row, std::to_string(number));
  const bool written = data.CellToData(&cells, col, false, row);
  if (data.CellFromData(&cells, col, false, row) || written) return;
  // Neither conversion ran (a script stopped by the user): the record is as it
  // was, so the cell keeps what it showed instead of going blank.
  cells.SetText(col, row, shown);
  cells.SetEdited(col, row, wasEdited);
}

}  // namespace tarno::editing
