#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "GridFormulas.h"
#include "TzebMathParser.h"

namespace tarno::grid {
namespace {

// Computes a formula without names; NAN marks a parse error.
double Calc(const std::string& text) {
  TzebMathParser parser;
  parser.ParseString = text;
  parser.OnGetVar = [](std::string_view name, double& value) {
    if (name != "x") return false;
    value = 4;
    return true;
  };
  const double value = parser.Parse();
  return parser.LastError() == ParseError::None ? value : NAN;
}

TEST(TzebMathParser, ArithmeticPrecedenceAndAssociativity) {
  EXPECT_DOUBLE_EQ(Calc("1 + 2 * 3"), 7);
  EXPECT_DOUBLE_EQ(Calc("(1 + 2) * 3"), 9);
  EXPECT_DOUBLE_EQ(Calc("10 - 4 - 3"), 3);
  EXPECT_DOUBLE_EQ(Calc("12 / 3 / 2"), 2);
  EXPECT_DOUBLE_EQ(Calc("2 ^ 3 ^ 2"), 512);
  EXPECT_DOUBLE_EQ(Calc("-2 + 5"), 3);
  EXPECT_DOUBLE_EQ(Calc("--3"), 3);
  EXPECT_DOUBLE_EQ(Calc("2 * -x"), -8);
  EXPECT_DOUBLE_EQ(Calc("7 mod 3"), 1);
  EXPECT_DOUBLE_EQ(Calc("7.6 MOD 3.4"), 2);  // both rounded first: 8 mod 3
  EXPECT_DOUBLE_EQ(Calc("1.5e2 + 2E-1"), 150.2);
  EXPECT_DOUBLE_EQ(Calc("  3.  "), 3);
}

TEST(TzebMathParser, FunctionsInAnyCase) {
  EXPECT_DOUBLE_EQ(Calc("abs(-2)"), 2);
  EXPECT_DOUBLE_EQ(Calc("SQRT(16) + Sqr(3)"), 13);
  EXPECT_DOUBLE_EQ(Calc("round(2.5) + trunc(-2.7)"), 0);  // round to even, as the grid always did
  EXPECT_DOUBLE_EQ(Calc("ln(exp(2))"), 2);
  EXPECT_DOUBLE_EQ(Calc("cos(0) + sin(0) + atan(0)"), 1);
}

TEST(TzebMathParser, FailingOperationsYieldZeroWithoutError) {
  for (const char* text : {"1/0", "5 + 1/0", "(-2)^0.5", "0^2", "2^20000", "7 mod 0.4", "ln(0)", "sqrt(-1)",
                           "exp(20000)", "sqr(1e200)", "round(2e9)", "trunc(-2e9)", "cos(1e19)", "1e308*10"})
    EXPECT_EQ(Calc(text), 0) << text;
}

TEST(TzebMathParser, MalformedTextIsReported) {
  for (const char* text : {"", "1/", "(1", "1)", "2 3", "1 +* 2", "abs 2", "foo(1)", "y", "mod", "2e", "3x", "#",
                           "abs()", "1 mod", ")("})
    EXPECT_TRUE(std::isnan(Calc(text))) << text;
  int reported = 0;
  TzebMathParser parser;
  parser.ParseString = "1/";
  parser.OnParseError = [&](ParseError) { ++reported; };
  parser.Parse();
  EXPECT_EQ(reported, 1);
}

TEST(TzebMathParser, DeepNestingIsAnErrorNotACrash) {
  EXPECT_DOUBLE_EQ(Calc(std::string(30, '(') + "1" + std::string(30, ')')), 1);
  EXPECT_TRUE(std::isnan(Calc(std::string(100000, '(') + "1" + std::string(100000, ')'))));
  EXPECT_TRUE(std::isnan(Calc(std::string(100000, '-') + "1")));
}

TEST(ReadDecimal, CellTextsAsNumbers) {
  double v = 0;
  EXPECT_TRUE(ReadDecimal("00012", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(ReadDecimal(" -1.5e1 ", v));
  EXPECT_EQ(v, -15);
  EXPECT_TRUE(ReadDecimal("1e-999", v));
  EXPECT_EQ(v, 0);
  for (const char* text : {"", "abc", "12a", "$10", "inf", "nan", "1e999", "1,5"})
    EXPECT_FALSE(ReadDecimal(text, v)) << text;
}

class GridFormulasTest : public ::testing::Test {
 protected:
  GridFormulasTest() {
    cells.SetColCount(5);
    cells.SetRowCount(5);
  }
  std::optional<FormulaFailure> Evaluate() { return formulas.EvaluateAll(cells); }
  double Value(int col, int row) const { return formulas.Values().At(col, row); }

  CellStore cells;
  CellNames names;
  GridFormulas formulas{names};
};

TEST_F(GridFormulasTest, ResultsFeedTheFormulasAfterThem) {
  cells.SetText(1, 1, "=2*3");
  cells.SetText(2, 1, "=SUMROW");
  cells.SetText(3, 1, "=avgrow + c2r1");
  EXPECT_FALSE(Evaluate());
  EXPECT_EQ(Value(1, 1), 6);
  EXPECT_EQ(Value(2, 1), 6);
  EXPECT_EQ(Value(3, 1), 12);
}

TEST_F(GridFormulasTest, ColumnAggregatesReadNumbersAboveAndZeroForNames) {
  cells.SetText(1, 1, "00012");
  cells.SetText(1, 2, "Sport");
  cells.SetText(1, 3, "-4");
  cells.SetText(1, 4, "=SUMCOL + MINCOL * 10 + maxcol * 100");
  EXPECT_FALSE(Evaluate());
  EXPECT_EQ(Value(1, 4), 8 - 40 + 1200);
  cells.SetText(2, 1, "=sumcol + sumrow + avgcol + minrow");  // nothing above it, 12 left of it
  EXPECT_FALSE(Evaluate());
  EXPECT_EQ(Value(2, 1), 24);
}

TEST_F(GridFormulasTest, ReferencesCellNamesAndPi) {
  cells.SetText(3, 3, "7");
  cells.SetText(1, 1, "=c3r3 + r3c3 + C3 + total");
  cells.SetText(2, 1, "=pi");
  names.Add("total", "C3");
  EXPECT_FALSE(Evaluate());
  EXPECT_EQ(Value(1, 1), 28);
  EXPECT_DOUBLE_EQ(Value(2, 1), std::numbers::pi);
  cells.SetText(4, 4, "=c1r1 - A1");
  EXPECT_FALSE(Evaluate());
  EXPECT_EQ(Value(4, 4), 0);
}

TEST_F(GridFormulasTest, TheFirstRejectedFormulaStopsTheEvaluation) {
  cells.SetText(1, 1, "=1/0");
  cells.SetText(2, 1, "=1+1");
  cells.SetText(3, 2, "=1/");
  cells.SetText(1, 3, "=5");
  const auto failure = Evaluate();
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Message(), "Error in: 1/");
  EXPECT_EQ(failure->col, 3);
  EXPECT_EQ(failure->row, 2);
  EXPECT_EQ(Value(1, 1), 0);  // failing operation, silently 0
  EXPECT_EQ(Value(2, 1), 2);  // earlier results stay
  EXPECT_EQ(Value(1, 3), 0);  // not reached
}

TEST_F(GridFormulasTest, UnknownNamesAndCellsOutsideTheGridAreErrors) {
  for (const char* text : {"=nosuchname", "=Z1", "=c9r1", "=A99", "=AAA1", "=sumrows"}) {
    cells.SetText(1, 1, text);
    EXPECT_TRUE(Evaluate()) << text;
  }
}

TEST_F(GridFormulasTest, SelfReferenceTerminates) {
  cells.SetText(1, 1, "=A1 + 1");
  cells.SetText(2, 1, "=B1 * A1");
  EXPECT_FALSE(Evaluate());
  EXPECT_EQ(Value(1, 1), 1);
  EXPECT_EQ(Value(2, 1), 0);
}

TEST(GridFormulas, NoMatrixWithoutDataOrFormulas) {
  CellStore cells;
  cells.SetColCount(1);
  cells.SetRowCount(3);
  CellNames names;
  GridFormulas formulas(names);
  EXPECT_FALSE(formulas.EvaluateAll(cells));
  EXPECT_TRUE(formulas.Values().Empty());

  cells.SetColCount(3);
  cells.SetText(1, 1, "=1");
  EXPECT_FALSE(formulas.EvaluateAll(cells));
  EXPECT_FALSE(formulas.Values().Empty());
  cells.SetText(1, 1, "1");  // no formula left: the matrix goes
  EXPECT_FALSE(formulas.EvaluateAll(cells));
  EXPECT_TRUE(formulas.Values().Empty());
}

TEST(ReadColumnRow, EitherOrder) {
  EXPECT_EQ(ReadColumnRow("c3r5"), (CellRef{3, 5}));
  EXPECT_EQ(ReadColumnRow("R5C3"), (CellRef{3, 5}));
  for (const char* text : {"c3", "r5", "c3r", "cr5", "c3r5x", "x3r5", "c3c5"})
    EXPECT_FALSE(ReadColumnRow(text)) << text;
}

}  // namespace
}  // namespace tarno::grid
