#include "RecordCommands.h"

namespace tarno::editing {

void ClearCurrentRow(TDataObject* data, grid::CellStore* cells) {
  if (data && cells) data->ClearRow(cells, cells->Row());
}

void AddRecord(TDataObject* data, grid::CellStore* cells) {
  if (data && cells) data->AddRecord(cells);
}

void RemoveLastRecord(TDataObject* data, grid::CellStore* cells) {
  if (data && cells) data->DeleteLastRecord(cells);
}

}  // namespace tarno::editing
