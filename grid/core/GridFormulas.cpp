#include "GridFormulas.h"

#include <algorithm>
#include <charconv>
#include <numbers>

#include "AsciiText.h"
#include "TextCase.h"
#include "TzebMathParser.h"

namespace tarno::grid {
namespace {

// Reads the number after a letter; false when there are no digits.
bool TakeNumberAfter(std::string_view& rest, char letter, int& number) {
  if (rest.empty() || (rest.front() != letter && rest.front() != letter - 'a' + 'A')) return false;
  rest.remove_prefix(1);
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (error != std::errc() || number < 0) return false;
  rest.remove_prefix(static_cast<size_t>(end - rest.data()));
  return true;
}

// Sum, count, smallest and largest of a run of matrix values.
struct Span {
  double sum = 0;
  int count = 0;
  double min = 0;
  double max = 0;
  void Add(double v) {
    min = count == 0 ? v : std::min(min, v);
    max = count == 0 ? v : std::max(max, v);
    sum += v;
    ++count;
  }
  bool Pick(std::string_view kind, double& value) const {
    if (kind == "SUM") value = sum;
    else if (kind == "AVG") value = count == 0 ? 0 : sum / count;
    else if (kind == "MIN") value = min;
    else if (kind == "MAX") value = max;
    else return false;
    return true;
  }
};

}  // namespace

bool IsFormula(std::string_view text) { return !text.empty() && text.front() == '='; }

void ValueMatrix::Build(const CellStore& cells) {
  cols_ = cells.ColCount();
  rows_ = cells.RowCount();
  values_.assign(static_cast<size_t>(cols_) * static_cast<size_t>(rows_), 0.0);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c) {
      double value = 0;
      if (ReadDecimal(cells.Text(c, r), value)) Set(c, r, value);
    }
}

void ValueMatrix::Release() {
  std::vector<double>().swap(values_);
  cols_ = rows_ = 0;
}

std::optional<CellRef> ReadColumnRow(std::string_view text) {
  std::string_view rest = text;
  int col = 0;
  int row = 0;
  const bool columnFirst = !rest.empty() && (rest.front() == 'c' || rest.front() == 'C');
  const bool read = columnFirst ? TakeNumberAfter(rest, 'c', col) && TakeNumberAfter(rest, 'r', row)
                                : TakeNumberAfter(rest, 'r', row) && TakeNumberAfter(rest, 'c', col);
  if (!read || !rest.empty()) return std::nullopt;
  return CellRef{col, row};
}

bool HasFormula(const CellStore& cells) {
  for (int r = 1; r < cells.RowCount(); ++r)
    for (int c = 1; c < cells.ColCount(); ++c)
      if (IsFormula(cells.Text(c, r))) return true;
  return false;
}

// A channel grid rarely holds a formula: then no matrix is built at all, which
// spares converting every cell (and 24 MB for 65,535 rows of 45 columns) on Enter.
std::optional<FormulaFailure> GridFormulas::EvaluateAll(const CellStore& cells) {
  if (cells.RowCount() < 2 || cells.ColCount() < 2 || !HasFormula(cells)) {
    matrix_.Release();
    return std::nullopt;
  }
  matrix_.Build(cells);
  for (int r = 1; r < cells.RowCount(); ++r)
    for (int c = 1; c < cells.ColCount(); ++c) {
      const std::string_view text = cells.Text(c, r);
      if (!IsFormula(text)) continue;
      double value = 0;
      if (!Evaluate(text.substr(1), c, r, value)) return FormulaFailure{c, r, std::string(text.substr(1))};
      matrix_.Set(c, r, value);
    }
  return std::nullopt;
}

bool GridFormulas::Evaluate(std::string_view formula, int col, int row, double& value) const {
  TzebMathParser parser;
  parser.ParseString = std::string(formula);
  parser.OnGetVar = [&](std::string_view name, double& out) { return ResolveName(name, col, row, out); };
  value = parser.Parse();
  return parser.LastError() == ParseError::None;
}

bool GridFormulas::CellValue(std::optional<CellRef> cell, double& value) const {
  if (!cell || !matrix_.Contains(cell->col, cell->row)) return false;
  value = matrix_.At(cell->col, cell->row);
  return true;
}

bool GridFormulas::ResolveName(std::string_view name, int col, int row, double& value) const {
  if (CellValue(names_.CellOfName(name), value)) return true;
  if (CellValue(ReadA1(name), value)) return true;
  if (CellValue(ReadColumnRow(name), value)) return true;
  const std::string upper = text::UpperAscii(name);
  if (upper == "PI") {
    value = std::numbers::pi;
    return true;
  }
  return Aggregate(upper, col, row, value);
}

// SUMROW .. MAXROW over the cells left of the formula, SUMCOL .. MAXCOL over those above it.
bool GridFormulas::Aggregate(std::string_view upperName, int col, int row, double& value) const {
  if (upperName.size() != 6 || !matrix_.Contains(col, row)) return false;
  const std::string_view kind = upperName.substr(0, 3);
  const std::string_view direction = upperName.substr(3);
  Span span;
  if (direction == "ROW") {
    for (int c = 1; c < col; ++c) span.Add(matrix_.At(c, row));
  } else if (direction == "COL") {
    for (int r = 1; r < row; ++r) span.Add(matrix_.At(col, r));
  } else {
    return false;
  }
  return span.Pick(kind, value);
}

}  // namespace tarno::grid
