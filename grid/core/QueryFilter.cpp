#include "QueryFilter.h"

#include <optional>

#include "AsciiText.h"
#include "TextCase.h"

namespace tarno::grid {
namespace {

std::optional<CompareKind> OperatorKind(std::string_view word) {
  if (word == "=") return CompareKind::Equal;
  if (word == "<>") return CompareKind::NotEqual;
  if (word == ">") return CompareKind::Greater;
  if (word == "<") return CompareKind::Less;
  if (word == "like") return CompareKind::Like;
  return std::nullopt;
}

int HeaderColumn(const CellStore& cells, std::string_view name) {
  for (int c = 1; c < cells.ColCount(); ++c)
    if (cells.Text(c, 0) == name) return c;
  return -1;
}

// Takes the text up to the next delimiter out of rest, dropping the delimiter too.
std::optional<std::string_view> TakeUpTo(std::string_view& rest, char delimiter) {
  const size_t at = rest.find(delimiter);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view before = rest.substr(0, at);
  rest.remove_prefix(at + 1);
  return before;
}

// One "[column] op "value"" condition from the front of rest.
std::optional<FilterCondition> TakeCondition(std::string_view& rest, const CellStore& cells) {
  if (!TakeUpTo(rest, '[')) return std::nullopt;
  const auto column = TakeUpTo(rest, ']');
  if (!column) return std::nullopt;
  rest = TrimBlanks(rest);
  const int col = column->empty() ? -1 : HeaderColumn(cells, *column);
  if (col < 0) return std::nullopt;
  const auto op = TakeUpTo(rest, '"');
  if (!op) return std::nullopt;
  const auto value = TakeUpTo(rest, '"');
  if (!value) return std::nullopt;
  rest = TrimBlanks(rest);
  const auto kind = OperatorKind(text::LowerAscii(TrimBlanks(*op)));
  if (!kind) return std::nullopt;
  return FilterCondition{*kind, col, std::string(*value)};
}

bool Passes(std::string_view text, const FilterCondition& condition) {
  switch (condition.kind) {
    case CompareKind::Equal: return text == condition.value;
    case CompareKind::NotEqual: return text != condition.value;
    // string_view compares as unsigned bytes, a prefix being smaller.
    case CompareKind::Greater: return text > std::string_view(condition.value);
    case CompareKind::Less: return text < std::string_view(condition.value);
    case CompareKind::Like: return text::LowerAscii(text).find(text::LowerAscii(condition.value)) != std::string::npos;
  }
  return false;
}

}  // namespace

FilterParseResult ParseFilter(std::string_view text, const CellStore& cells, std::vector<FilterCondition>& table) {
  table.clear();
  std::string_view rest = TrimBlanks(text);
  if (rest.empty()) return FilterParseResult::Malformed;
  while (!rest.empty()) {
    auto condition = TakeCondition(rest, cells);
    if (!condition) {
      table.clear();  // a filter applies whole or not at all
      return FilterParseResult::Malformed;
    }
    if (static_cast<int>(table.size()) == kMaxFilterConditions) {
      table.clear();
      return FilterParseResult::TooComplex;
    }
    table.push_back(std::move(*condition));
  }
  return FilterParseResult::Ok;
}

bool RowPasses(const CellStore& cells, int row, const std::vector<FilterCondition>& table) {
  for (const FilterCondition& condition : table)
    if (!Passes(cells.Text(condition.col, row), condition)) return false;
  return true;
}

namespace {

// Typing goes into the current cell: it must not stay on a row the user no
// longer sees. Without a visible row it stays; the grid then takes no typing.
void LeaveHiddenCurrentRow(CellStore& cells) {
  if (cells.RowVisible(cells.Row())) return;
  for (int r = 1; r < cells.RowCount(); ++r)
    if (cells.RowVisible(r)) {
      cells.SetRow(r);
      return;
    }
}

}  // namespace

void ApplyFilter(CellStore& cells, const std::vector<FilterCondition>& table) {
  CellStore::Batch batch(cells);
  for (int r = 1; r < cells.RowCount(); ++r)
    if (!RowPasses(cells, r, table)) cells.SetRowHeight(r, 0);
  LeaveHiddenCurrentRow(cells);
}

FilterParseResult ParseAndApplyFilter(std::string_view text, CellStore& cells) {
  std::vector<FilterCondition> table;
  const FilterParseResult result = ParseFilter(text, cells, table);
  if (result == FilterParseResult::Ok) ApplyFilter(cells, table);
  return result;
}

void ShowAllRows(CellStore& cells) {
  CellStore::Batch batch(cells);
  for (int r = 1; r < cells.RowCount(); ++r)
    if (!cells.RowVisible(r)) cells.FitRowHeight(r);
}

std::string JoinFilterLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
  }
  return out;
}

}  // namespace tarno::grid
