#include <algorithm>
#include <cstdint>
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

// Each write-through touches its own cell and the field its tag names. When no
// two numbered cells name the same field and no script converts them (a script
// may keep state between calls), the writes do not depend on each other's
// order, and going down the rows is much faster than jumping about in key order.
bool WritesAreIndependent(const TDataObject& data, const grid::CellStore& cells, int col,
                          const std::vector<int>& numberOf) {
  std::vector<uint32_t> fields;
  for (int row = 1; row < cells.RowCount(); ++row) {
    if (numberOf[static_cast<size_t>(row)] == 0) continue;
    const auto tag = static_cast<uint32_t>(cells.Tag(col, row));
    const size_t entry = tag & 0xFFFFu;
    if (entry < data.Items.size() && !data.Items[entry].ScriptName.empty()) return false;
    fields.push_back(tag);
  }
  std::sort(fields.begin(), fields.end());
  return std::adjacent_find(fields.begin(), fields.end()) == fields.end();
}

}  // namespace

void SortedRenumber(TDataObject* data, grid::CellStore* cells) {
  if (!data || !cells) return;
  const int col = cells->Col();
  const std::vector<std::string_view> keys = WorkKeys(*cells, col);
  const std::vector<int> rows = RowsInKeyOrder(keys);  // may throw: no cell changed yet
  // The keys point into the grid, which the numbering changes: give out every number first.
  std::vector<int> numberOf(rows.size() + 1, 0);
  int next = 1;
  for (const int row : rows)
    if (keys[static_cast<size_t>(row) - 1] != kSortedRenumberSentinel) numberOf[static_cast<size_t>(row)] = next++;

  auto write = [&](int row) {
    const int number = numberOf[static_cast<size_t>(row)];
    if (number != 0) WriteNumberThrough(*data, *cells, col, row, number);
  };
  if (WritesAreIndependent(*data, *cells, col, numberOf)) {
    for (int row = 1; row < cells->RowCount(); ++row) write(row);
  } else {
    for (const int row : rows) write(row);
  }
}

}  // namespace tarno::editing
