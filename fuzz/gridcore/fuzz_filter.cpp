// Filter texts from arbitrary bytes against a grid whose headers come from the
// input too: parsing must never crash, a well-formed filter holds at most nine
// conditions, and applying one only ever hides rows.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "QueryFilter.h"

namespace {

using tarno::grid::CellStore;
using tarno::grid::FilterCondition;
using tarno::grid::FilterParseResult;

constexpr int kCols = 4;
constexpr int kRows = 8;

// The first line names the columns ("|" between them); the rest is the filter.
CellStore GridFrom(const std::string& input, std::string& filter) {
  const size_t newline = input.find('\n');
  const std::string headers = input.substr(0, newline);
  filter = newline == std::string::npos ? std::string() : input.substr(newline + 1);
  CellStore cells;
  cells.SetColCount(kCols);
  cells.SetRowCount(kRows);
  size_t start = 0;
  for (int c = 1; c < kCols && start <= headers.size(); ++c) {
    const size_t bar = headers.find('|', start);
    const size_t end = bar == std::string::npos ? headers.size() : bar;
    cells.SetText(c, 0, headers.substr(start, end - start));
    start = end + 1;
  }
  for (int r = 1; r < kRows; ++r)
    for (int c = 1; c < kCols; ++c) cells.SetText(c, r, filter.substr(0, static_cast<size_t>(r * c) % 7));
  cells.SetRowHeight(3, 0);
  return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::string filter;
  CellStore cells = GridFrom(input, filter);
  std::vector<FilterCondition> table;
  const FilterParseResult result = tarno::grid::ParseFilter(filter, cells, table);
  const size_t limit = tarno::grid::kMaxFilterConditions;
  if (result == FilterParseResult::Ok && (table.empty() || table.size() > limit)) std::abort();
  if (result != FilterParseResult::Ok && !table.empty()) std::abort();
  for (const FilterCondition& condition : table)
    if (condition.col < 1 || condition.col >= kCols) std::abort();

  std::vector<bool> visible;
  for (int r = 0; r < kRows; ++r) visible.push_back(cells.RowVisible(r));
  tarno::grid::ParseAndApplyFilter(tarno::grid::JoinFilterLines(filter), cells);
  for (int r = 0; r < kRows; ++r)
    if (cells.RowVisible(r) && !visible[static_cast<size_t>(r)]) std::abort();
  if (cells.RowVisible(3)) std::abort();
  return 0;
}
