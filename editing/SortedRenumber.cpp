#include <string>

#include "ChannelSortEngine.h"
#include "NumberWriteBack.h"
#include "Renumbering.h"

namespace tarno::editing {
namespace {

constexpr int kRowColumn = 1;
constexpr int kKeyColumn = 2;

// Work rows 1.. pair each grid row's number with its key: the cell's text, or
// the sentinel for an empty cell.
grid::CellStore WorkTable(const grid::CellStore& cells, int col) {
  grid::CellStore work;
  grid::CellStore::Batch batch(work);
  work.SetColCount(3);
  work.SetRowCount(cells.RowCount());
  for (int row = 1; row < cells.RowCount(); ++row) {
    const std::string_view text = cells.Text(col, row);
    work.SetText(kRowColumn, row, std::to_string(row));
    work.SetText(kKeyColumn, row, text.empty() ? std::string_view(kSortedRenumberSentinel) : text);
  }
  return work;
}

}  // namespace

void SortedRenumber(TDataObject* data, grid::CellStore* cells) {
  if (!data || !cells) return;
  const int col = cells->Col();
  grid::CellStore work = WorkTable(*cells, col);
  // With fewer than two data rows the engine refuses the range and the rows stay as they are.
  grid::SortEngine engine =
      ChannelSortEngine(grid::ToSortType::tstNumeric, kKeyColumn, 1, work.RowCount() - 1);
  engine.ApplySort(work);

  int next = 1;
  for (int w = 1; w < work.RowCount(); ++w) {
    if (work.Text(kKeyColumn, w) == kSortedRenumberSentinel) continue;
    const int row = std::stoi(std::string(work.Text(kRowColumn, w)));
    WriteNumberThrough(*data, *cells, col, row, next++);
  }
}

}  // namespace tarno::editing
