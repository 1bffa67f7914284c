#include <string_view>
#include <vector>

#include "ChannelSortEngine.h"
#include "NumberWriteBack.h"
#include "Renumbering.h"

namespace tarno::editing {
namespace {

// The work table: entry k stands for grid row k + 1 and holds its cell's text,
// or the sentinel for an empty cell.
std::vector<std::string_view> WorkKeys(const grid::CellStore& cells, int col) {
  std::vector<std::string_view> keys;
  keys.reserve(static_cast<size_t>(cells.RowCount()));
  for (int row = 1; row < cells.RowCount(); ++row) {
    const std::string_view text = cells.Text(col, row);
    keys.push_back(text.empty() ? std::string_view(kSortedRenumberSentinel) : text);
  }
  return keys;
}

// The rows in the order of their keys: a numeric ascending sort of the table,
// which the engine leaves as it is with fewer than two rows.
std::vector<int> RowsInKeyOrder(const std::vector<std::string_view>& keys) {
  const int last = static_cast<int>(keys.size());
  std::vector<int> rows;
  if (last < 2) {
    for (int row = 1; row <= last; ++row) rows.push_back(row);
    return rows;
  }
  grid::SortEngine engine = ChannelSortEngine(grid::ToSortType::tstNumeric, 2, 1, last);
  rows = engine.SortKeys(keys);
  for (int& row : rows) ++row;
  return rows;
}

}  // namespace

void SortedRenumber(TDataObject* data, grid::CellStore* cells) {
  if (!data || !cells) return;
  const int col = cells->Col();
  const std::vector<std::string_view> keys = WorkKeys(*cells, col);
  const std::vector<int> rows = RowsInKeyOrder(keys);  // may throw: no cell changed yet
  std::vector<bool> numbered(rows.size() + 1, false);
  for (size_t k = 0; k < keys.size(); ++k) numbered[k + 1] = keys[k] != kSortedRenumberSentinel;
  // The keys point into the grid, which the numbering changes: read them all first.
  int next = 1;
  for (const int row : rows)
    if (numbered[static_cast<size_t>(row)]) WriteNumberThrough(*data, *cells, col, row, next++);
}

}  // namespace tarno::editing
