#include <gtest/gtest.h>

#include <string>

#include "QueryFilter.h"

namespace tarno::grid {
namespace {

// Header " Name" and " Nr", as the data model writes field captions.
CellStore Channels() {
  CellStore cells;
  cells.SetColCount(3);
  cells.SetRowCount(6);
  cells.SetText(1, 0, " Name");
  cells.SetText(2, 0, " Nr");
  const char* rows[][2] = {{"Sport1", "00200"}, {"SPORT Extra", "00050"}, {"News", "00300"},
                           {"eurosport", "00101"}, {"Kids", "00100"}};
  for (int r = 1; r <= 5; ++r) {
    cells.SetText(1, r, rows[r - 1][0]);
    cells.SetText(2, r, rows[r - 1][1]);
  }
  return cells;
}

std::string VisibleRows(const CellStore& cells) {
  std::string rows;
  for (int r = 1; r < cells.RowCount(); ++r)
    if (cells.RowVisible(r)) rows += std::to_string(r);
  return rows;
}

TEST(QueryFilter, TwoConditionsJoinedByAWordHideEveryRowFailingEither) {
  CellStore cells = Channels();
  EXPECT_EQ(ParseAndApplyFilter("[ Name] LIKE \"sport\" and [ Nr] > \"00100\"", cells), FilterParseResult::Ok);
  EXPECT_EQ(VisibleRows(cells), "14");
}

TEST(QueryFilter, OperatorsCompareAsSpecifiedBytes) {
  CellStore cells = Channels();
  std::vector<FilterCondition> table;
  ASSERT_EQ(ParseFilter("[ Nr]=\"00300\"", cells, table), FilterParseResult::Ok);
  EXPECT_TRUE(RowPasses(cells, 3, table));
  EXPECT_FALSE(RowPasses(cells, 1, table));
  ASSERT_EQ(ParseFilter("[ Name] = \"sport1\"", cells, table), FilterParseResult::Ok);  // = is case-sensitive
  EXPECT_FALSE(RowPasses(cells, 1, table));
  ASSERT_EQ(ParseFilter("[ Name] <> \"News\"", cells, table), FilterParseResult::Ok);
  EXPECT_FALSE(RowPasses(cells, 3, table));
  ASSERT_EQ(ParseFilter("[ Name] < \"Sport\"", cells, table), FilterParseResult::Ok);
  EXPECT_TRUE(RowPasses(cells, 2, table));   // "SPORT Extra": 'P' < 'p'
  EXPECT_FALSE(RowPasses(cells, 1, table));  // "Sport1": a prefix is smaller, not larger
  cells.SetText(1, 5, "\xC3\xA9");           // UTF-8 bytes above 127 compare as unsigned
  ASSERT_EQ(ParseFilter("[ Name] > \"z\"", cells, table), FilterParseResult::Ok);
  EXPECT_TRUE(RowPasses(cells, 5, table));
}

TEST(QueryFilter, MalformedFiltersChangeNothing) {
  for (const char* text : {"", "   ", "[ Name LIKE \"x\"", "[ Name] LIKE \"x", "[ Name] LIKE x", "[Name] LIKE \"x\"",
                           "[] = \"x\"", "[ Name] ~ \"x\"", "[ Name] = \"Kids\" and", "no bracket at all"}) {
    CellStore cells = Channels();
    EXPECT_EQ(ParseAndApplyFilter(text, cells), FilterParseResult::Malformed) << text;
    EXPECT_EQ(VisibleRows(cells), "12345") << text;
  }
  CellStore cells = Channels();
  std::vector<FilterCondition> table;
  EXPECT_EQ(ParseFilter("[ Nr] = \"1\" [ Name] ?", cells, table), FilterParseResult::Malformed);
  EXPECT_TRUE(table.empty());
}

TEST(QueryFilter, NineConditionsPassTenAreTooComplex) {
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += "[ Nr] <> \"x\" ";
  CellStore cells = Channels();
  std::vector<FilterCondition> table;
  EXPECT_EQ(ParseFilter(nine, cells, table), FilterParseResult::Ok);
  EXPECT_EQ(table.size(), 9u);
  EXPECT_EQ(ParseFilter(nine + "[ Nr] = \"00100\"", cells, table), FilterParseResult::TooComplex);
  EXPECT_TRUE(table.empty());
  EXPECT_EQ(ParseAndApplyFilter(nine + "[ Nr] = \"00100\"", cells), FilterParseResult::TooComplex);
  EXPECT_EQ(VisibleRows(cells), "12345");
}

TEST(QueryFilter, FiltersNarrowUntilShowAll) {
  CellStore cells = Channels();
  ParseAndApplyFilter("[ Name] like \"sport\"", cells);
  EXPECT_EQ(VisibleRows(cells), "124");
  ParseAndApplyFilter("[ Name] like \"s\"", cells);  // News passes, but stays hidden
  EXPECT_EQ(VisibleRows(cells), "124");
  ShowAllRows(cells);
  EXPECT_EQ(VisibleRows(cells), "12345");
  EXPECT_GT(cells.RowHeight(3), 0);
}

TEST(QueryFilter, SizeChangeShowsHiddenRows) {
  CellStore cells = Channels();
  ParseAndApplyFilter("[ Nr] = \"00100\"", cells);
  EXPECT_EQ(VisibleRows(cells), "5");
  cells.SetRowCount(7);
  EXPECT_EQ(VisibleRows(cells).substr(0, 5), "12345");
}

TEST(QueryFilter, FirstMatchingHeaderFromTheLeftIsUsed) {
  CellStore cells = Channels();
  cells.SetText(2, 0, " Name");
  std::vector<FilterCondition> table;
  ASSERT_EQ(ParseFilter("[ Name] = \"x\"", cells, table), FilterParseResult::Ok);
  EXPECT_EQ(table[0].col, 1);
}

TEST(QueryFilter, MemoLinesJoinWithBlanks) {
  EXPECT_EQ(JoinFilterLines("[ Name] like \"a\"\r\nand\n[ Nr] = \"1\""), "[ Name] like \"a\" and [ Nr] = \"1\"");
}

// Typing goes into the current cell, so it must not stay on a row just hidden.
TEST(QueryFilter, ACurrentRowTheFilterHidesGivesWayToTheFirstVisibleRow) {
  CellStore cells = Channels();
  cells.SetRow(3);
  cells.SetCol(2);
  ASSERT_EQ(ParseAndApplyFilter("[ Name] LIKE \"sport\"", cells), FilterParseResult::Ok);
  EXPECT_EQ(cells.Row(), 1);
  EXPECT_EQ(cells.Col(), 2);
  cells.SetRow(4);
  ASSERT_EQ(ParseAndApplyFilter("[ Name] LIKE \"s\"", cells), FilterParseResult::Ok);
  EXPECT_EQ(cells.Row(), 4) << "a current row still shown stays";
  ASSERT_EQ(ParseAndApplyFilter("[ Name] = \"nothing\"", cells), FilterParseResult::Ok);
  EXPECT_EQ(cells.Row(), 4) << "with no row shown there is nowhere to go";
}

}  // namespace
}  // namespace tarno::grid
