#include "NumberWriteBack.h"
#include "Renumbering.h"

namespace tarno::editing {

void RowBasedRenumber(TDataObject* data, grid::CellStore* cells) {
  if (!data || !cells) return;
  const int col = cells->Col();
  int next = 1;
  for (int row = 1; row < cells->RowCount(); ++row) {
    if (cells->Text(col, row).empty()) continue;  // empty cells use up no number
    WriteNumberThrough(*data, *cells, col, row, next++);
  }
}

}  // namespace tarno::editing
