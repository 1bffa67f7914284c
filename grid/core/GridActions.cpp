#include "GridActions.h"

namespace tarno::grid {

constexpr int kMinimumLines = 3;  // the header and the fixed column stay, with at least one more

void InsertRowAtCurrent(CellStore& cells) {
  const int row = cells.Row();
  cells.InsertRow(row);
  cells.SetRow(row);
}

void DeleteCurrentRow(CellStore& cells) {
  CellStore::Batch batch(cells);
  for (int r = 1; r < cells.RowCount(); ++r)
    if (cells.RowHeight(r) == 0) cells.FitRowHeight(r);
  if (cells.RowCount() < kMinimumLines) return;
  const int row = cells.Row();
  cells.DeleteRow(row);
  cells.SetRow(row);
}

void InsertColumnAtCurrent(CellStore& cells) {
  CellStore::Batch batch(cells);
  cells.RestoreSavedWidths();
  const int col = cells.Col();
  cells.InsertColumn(col);
  cells.SetCol(col);
}

void DeleteCurrentColumn(CellStore& cells) {
  CellStore::Batch batch(cells);
  cells.RestoreSavedWidths();
  if (cells.ColCount() < kMinimumLines) return;
  const int col = cells.Col();
  cells.DeleteColumn(col);
  cells.SetCol(col);
}

void SetHeaderFromCurrentRow(CellStore& cells) {
  const int row = cells.Row();
  if (row < 1 || row >= cells.RowCount()) return;
  CellStore::Batch batch(cells);
  for (int c = 1; c < cells.ColCount(); ++c) cells.SetText(c, 0, std::string(cells.Text(c, row)));
}

}  // namespace tarno::grid
