#include <gtest/gtest.h>

#include "GridActions.h"

namespace tarno::grid {
namespace {

CellStore Filled(int cols, int rows) {
  CellStore cells;
  cells.SetColCount(cols);
  cells.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      cells.SetText(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
      cells.SetTag(c, r, r);
    }
  return cells;
}

TEST(GridActions, RowInsertOpensAnEmptyRowThatKeepsItsTags) {
  CellStore cells = Filled(3, 5);
  cells.SetRow(3);
  InsertRowAtCurrent(cells);
  EXPECT_EQ(cells.RowCount(), 6);
  EXPECT_EQ(cells.Text(1, 3), "");
  EXPECT_EQ(cells.Tag(1, 3), 3);
  EXPECT_EQ(cells.Text(1, 4), "r3c1");
  EXPECT_EQ(cells.Text(1, 5), "r4c1");
  EXPECT_EQ(cells.Row(), 3);
}

TEST(GridActions, RowDeleteKeepsAHeaderAndOneRowAndShowsHiddenRows) {
  CellStore two = Filled(3, 2);
  DeleteCurrentRow(two);
  EXPECT_EQ(two.RowCount(), 2);

  CellStore cells = Filled(3, 5);
  cells.SetRowHeight(2, 0);
  cells.SetRow(4);
  DeleteCurrentRow(cells);
  EXPECT_EQ(cells.RowCount(), 4);
  EXPECT_EQ(cells.Row(), 3);
  EXPECT_TRUE(cells.RowVisible(2));
  EXPECT_EQ(cells.Text(1, 3), "r3c1");
}

TEST(GridActions, ColumnInsertAndDelete) {
  CellStore cells = Filled(4, 3);
  cells.SetCol(2);
  InsertColumnAtCurrent(cells);
  EXPECT_EQ(cells.ColCount(), 5);
  EXPECT_EQ(cells.Text(2, 0), "");
  EXPECT_EQ(cells.Text(3, 0), "r0c2");
  EXPECT_EQ(cells.Col(), 2);
  DeleteCurrentColumn(cells);
  EXPECT_EQ(cells.Text(2, 0), "r0c2");
  CellStore narrow = Filled(2, 3);
  DeleteCurrentColumn(narrow);
  EXPECT_EQ(narrow.ColCount(), 2);
}

TEST(GridActions, SetHeaderCopiesTheCurrentRowIntoRowZero) {
  CellStore cells = Filled(3, 5);
  cells.SetRow(4);
  SetHeaderFromCurrentRow(cells);
  EXPECT_EQ(cells.Text(1, 0), "r4c1");
  EXPECT_EQ(cells.Text(2, 0), "r4c2");
  EXPECT_EQ(cells.Text(0, 0), "r0c0");
  EXPECT_EQ(cells.Text(1, 4), "r4c1");
}

}  // namespace
}  // namespace tarno::grid
