#include "NumberWriteBack.h"

#include <string>

namespace tarno::editing {

void WriteNumberThrough(TDataObject& data, grid::CellStore& cells, int col, int row, int number) {
  cells.SetText(col, row, std::to_string(number));
  data.CellToData(&cells, col, false, row);
  data.CellFromData(&cells, col, false, row);
}

}  // namespace tarno::editing
