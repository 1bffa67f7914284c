// Positions of rows and columns, with hidden ones taking no room.
#include "GridGeometry.h"

#include <gtest/gtest.h>

namespace tarno::grid {
namespace {

class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cells.SetColCount(5);
    cells.SetRowCount(8);
    cells.SetDefaultRowHeight(9);  // rows 10 px apart with their grid line
    for (int c = 0; c < 5; ++c) cells.SetColWidth(c, 19);
    cells.SetColWidth(2, kHiddenColWidth);
    cells.SetRowHeight(3, 0);
    cells.SetRowHeight(4, 0);
    geometry.Rebuild(cells);
  }
  CellStore cells;
  GridGeometry geometry;
};

TEST_F(GeometryTest, HiddenLinesShareTheStartOfTheNextVisibleOne) {
  EXPECT_EQ(geometry.FixedWidth(), 20);
  EXPECT_EQ(geometry.HeaderHeight(), 10);
  EXPECT_EQ(geometry.ColLeft(3), 20);
  EXPECT_EQ(geometry.ContentWidth(), 60);
  EXPECT_EQ(geometry.RowTop(3), 20);
  EXPECT_EQ(geometry.RowTop(5), 20);
  EXPECT_EQ(geometry.ContentHeight(), 50);
}

TEST_F(GeometryTest, PositionsFindOnlyVisibleLines) {
  EXPECT_EQ(geometry.RowAt(0), 1);
  EXPECT_EQ(geometry.RowAt(19), 2);
  EXPECT_EQ(geometry.RowAt(20), 5);
  EXPECT_EQ(geometry.RowAt(49), 7);
  EXPECT_EQ(geometry.RowAt(50), -1);
  EXPECT_EQ(geometry.RowAt(-1), -1);
  EXPECT_EQ(geometry.ColAt(19), 1);
  EXPECT_EQ(geometry.ColAt(20), 3);
}

TEST_F(GeometryTest, ScrollRangeEndsWhenTheLastRowsFill) {
  EXPECT_EQ(geometry.LastTopRow(20), 6);
  EXPECT_EQ(geometry.LastTopRow(25), 6);
  EXPECT_EQ(geometry.LastTopRow(500), 1);
  EXPECT_EQ(geometry.TopRowShowing(7, 20), 6);
  EXPECT_EQ(geometry.TopRowShowing(5, 15), 5);
  EXPECT_EQ(geometry.LastLeftCol(20), 4);
}

TEST_F(GeometryTest, PagesCountOnlyCompletelyShownLines) {
  EXPECT_EQ(geometry.RowsEndFitting(1, 19), 2);
  EXPECT_EQ(geometry.RowsEndFitting(1, 20), 5) << "the hidden rows 3 and 4 fit as well";
  EXPECT_EQ(geometry.RowsEndFitting(5, 500), 8);
  EXPECT_EQ(geometry.RowsEndFitting(6, 5), 6);
  EXPECT_EQ(geometry.ColsEndFitting(1, 40), 4);
}

}  // namespace
}  // namespace tarno::grid
