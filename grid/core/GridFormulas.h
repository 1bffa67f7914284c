// Formulas of the grid: cells whose text begins with "=". Evaluating them builds
// the value matrix (one double per cell) from the cell texts, then computes every
// formula row by row, left to right, each result feeding the formulas after it.
//
// The matrix exists only while it is needed: it is built by EvaluateAll, kept for
// showing values, and can be released; typing into cells never touches it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CellNames.h"
#include "CellStore.h"

namespace tarno::grid {

constexpr const char* kFormulaErrorPrefix = "Error in: ";

// The first formula the parser rejected, and its text without the "=".
struct FormulaFailure {
  int col = 0;
  int row = 0;
  std::string formula;
  std::string Message() const { return kFormulaErrorPrefix + formula; }
};

bool IsFormula(std::string_view text);
bool HasFormula(const CellStore& cells);

class ValueMatrix {
 public:
  // Each cell's text as a decimal number; 0 for any other text.
  void Build(const CellStore& cells);
  void Release();
  bool Empty() const { return values_.empty(); }
  int ColCount() const { return cols_; }
  int RowCount() const { return rows_; }
  bool Contains(int col, int row) const { return col >= 0 && col < cols_ && row >= 0 && row < rows_; }
  double At(int col, int row) const { return values_[Index(col, row)]; }
  void Set(int col, int row, double value) { values_[Index(col, row)] = value; }

 private:
  size_t Index(int col, int row) const {
    return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
  }
  std::vector<double> values_;
  int cols_ = 0;
  int rows_ = 0;
};

class GridFormulas {
 public:
  explicit GridFormulas(const CellNames& names) : names_(names) {}

  // Rebuilds the matrix and evaluates every formula; stops at the first one the
  // parser rejects. Without a data row, a data column or any formula no matrix is kept.
  std::optional<FormulaFailure> EvaluateAll(const CellStore& cells);
  // One formula (text without "=") at a cell, against the present matrix.
  // Returns false on a parse error.
  bool Evaluate(std::string_view formula, int col, int row, double& value) const;

  const ValueMatrix& Values() const { return matrix_; }
  void ReleaseValues() { matrix_.Release(); }

  // Cell names, A1 and column-row references, PI and the row and column
  // aggregates relative to the formula's cell; first match wins.
  bool ResolveName(std::string_view name, int col, int row, double& value) const;

 private:
  bool CellValue(std::optional<CellRef> cell, double& value) const;
  bool Aggregate(std::string_view upperName, int col, int row, double& value) const;

  const CellNames& names_;
  ValueMatrix matrix_;
};

// "c3r5" or "r5c3" (any case): column 3, row 5.
std::optional<CellRef> ReadColumnRow(std::string_view text);

}  // namespace tarno::grid
