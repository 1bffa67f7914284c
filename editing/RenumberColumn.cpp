#include "CellNumber.h"
#include "NumberWriteBack.h"
#include "Renumbering.h"

namespace tarno::editing {

void RenumberColumn(TDataObject* data, grid::CellStore* cells) {
  if (!data || !cells) return;
  const int col = cells->Col();
  for (int row = 1; row < cells->RowCount(); ++row) {
    // Only the low 16 bits count: 65536 in a 4-byte field is left alone.
    if ((DecimalValue(cells->Text(col, row)) & 0xFFFFu) != 0) WriteNumberThrough(*data, *cells, col, row, row);
  }
}

}  // namespace tarno::editing
