#include "SortRows.h"

#include "CellNumber.h"
#include "ChannelSortEngine.h"

namespace tarno::editing {
namespace {

int CountNumberedRows(const grid::CellStore& cells, int col) {
  int count = 0;
  for (int row = 1; row < cells.RowCount(); ++row) count += IsNumbered(cells, col, row) ? 1 : 0;
  return count;
}

// Moves the first unnumbered row to the bottom, again and again, until the
// first unnumbered row lies below the first numbered count rows. The rows
// above a found row are numbered and stay put, so each scan resumes there.
void GatherUnnumberedRows(grid::CellStore& cells, int col, int numberedCount) {
  const int last = cells.RowCount() - 1;
  int row = 1;
  while (true) {
    while (row <= last && IsNumbered(cells, col, row)) ++row;
    if (row > last || row > numberedCount) return;
    cells.MoveRow(row, last);
  }
}

}  // namespace

void SortRows(grid::CellStore* cells) {
  if (!cells) return;
  const int col = cells->Col();
  const int currentRow = cells->Row();
  grid::CellStore::Batch batch(*cells);
  const int numberedCount = CountNumberedRows(*cells, col);
  GatherUnnumberedRows(*cells, col, numberedCount);
  // Fewer than two numbered rows: the engine refuses the range, nothing is sorted.
  grid::SortEngine engine = ChannelSortEngine(grid::ToSortType::tstCharacter, col, 1, numberedCount);
  engine.ApplySort(*cells);
  cells->SetRow(currentRow);  // the current cell keeps its row index
}

}  // namespace tarno::editing
