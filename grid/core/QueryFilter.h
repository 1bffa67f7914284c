// The query filter: conditions on column texts that hide the rows failing them.
// Hiding only sets a row's height to 0; the row stays in the grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"

namespace tarno::grid {

constexpr int kMaxFilterConditions = 9;
constexpr const char* kFilterTooComplexMessage = "Filter too complex";

enum class CompareKind { Equal, NotEqual, Greater, Less, Like };

struct FilterCondition {
  CompareKind kind;
  int col;
  std::string value;
};

enum class FilterParseResult { Ok, Malformed, TooComplex };

// Reads "[column] operator "value"" conditions from left to right; text between
// conditions (a joining word) is ignored. The column must equal a data column's
// header text exactly; the first such column from the left is used. The table
// is left empty unless the result is Ok.
FilterParseResult ParseFilter(std::string_view text, const CellStore& cells, std::vector<FilterCondition>& table);

bool RowPasses(const CellStore& cells, int row, const std::vector<FilterCondition>& table);
// Hides every data row that fails a condition; rows already hidden stay hidden.
// A current row that is hidden then gives way to the first visible row.
void ApplyFilter(CellStore& cells, const std::vector<FilterCondition>& table);
// Parses and, when the text is well-formed, applies it.
FilterParseResult ParseAndApplyFilter(std::string_view text, CellStore& cells);
// Every hidden row gets its height fitted to its texts again.
void ShowAllRows(CellStore& cells);
// The memo's text as one line: every line break becomes a blank.
std::string JoinFilterLines(std::string_view text);

}  // namespace tarno::grid
