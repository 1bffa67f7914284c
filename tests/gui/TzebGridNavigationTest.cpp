// Moving the current cell with the keyboard: hidden rows and columns are
// stepped over, Tab runs through the cells, Shift extends the selection and the
// current cell is always scrolled into view.
#include <QScrollBar>
#include <QWheelEvent>

#include "GridNavigation.h"
#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

class NavigationTest : public ShownGrid {};

TEST_F(NavigationTest, ArrowsStepOverHiddenColumnsOfEitherWidth) {
  Fill(6, 4);
  grid.Cells().SetColWidth(2, kHiddenColWidth);
  grid.Cells().SetColWidth(3, 0);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (CellPos{4, 1}));
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (CellPos{5, 1})) << "stays on the last column";
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  EXPECT_EQ(Current(), (CellPos{1, 1}));
}

TEST_F(NavigationTest, ArrowsStepOverHiddenRows) {
  Fill(3, 7);
  grid.Cells().SetRowHeight(2, 0);
  grid.Cells().SetRowHeight(3, 0);
  grid.Cells().SetRowHeight(6, 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 4);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 5) << "nothing visible below row 5";
  Key(Qt::Key_Up);
  EXPECT_EQ(grid.Row(), 4);
  Key(Qt::Key_Up);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(NavigationTest, TabRunsAlongTheRowThenOnToTheNextVisibleRow) {
  Fill(4, 5);
  grid.Cells().SetColWidth(2, kHiddenColWidth);
  grid.Cells().SetRowHeight(2, 0);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (CellPos{3, 1}));
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (CellPos{1, 3}));
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), (CellPos{3, 1}));
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), (CellPos{1, 1}));
  EXPECT_EQ(grid.Selection(), QRect(1, 1, 1, 1)) << "Tab never extends the selection";
}

TEST_F(NavigationTest, TabWrapsFromTheLastCellToTheFirst) {
  Fill(3, 3);
  grid.SetRow(2);
  grid.SetCol(2);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (CellPos{1, 1}));
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), (CellPos{2, 2}));
}

TEST_F(NavigationTest, HomeEndAndCtrlHomeCtrlEndReachTheVisibleEdges) {
  Fill(6, 6);
  grid.Cells().SetColWidth(1, kHiddenColWidth);
  grid.Cells().SetColWidth(5, 0);
  grid.Cells().SetRowHeight(5, 0);
  grid.SetRow(3);
  grid.SetCol(3);
  Key(Qt::Key_End);
  EXPECT_EQ(Current(), (CellPos{4, 3}));
  Key(Qt::Key_Home);
  EXPECT_EQ(Current(), (CellPos{2, 3}));
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Current(), (CellPos{4, 4}));
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(Current(), (CellPos{2, 1}));
}

TEST_F(NavigationTest, PageDownMovesByTheRowsOnScreenAndKeepsTheCellInView) {
  Fill(3, 500);
  const int firstPage = grid.viewport()->height() / (grid.Cells().DefaultRowHeight() + 1);
  Key(Qt::Key_PageDown);
  const int row = grid.Row();
  EXPECT_GE(row, firstPage - 1);
  EXPECT_LE(row, firstPage + 2);
  Key(Qt::Key_PageDown);
  Key(Qt::Key_PageDown);
  EXPECT_TRUE(grid.viewport()->rect().contains(grid.CellRect(1, grid.Row())));
  Key(Qt::Key_PageUp);
  Key(Qt::Key_PageUp);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(NavigationTest, ShiftArrowsSelectARectangleFromTheCurrentCell) {
  Fill(6, 6);
  grid.SetRow(2);
  grid.SetCol(2);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), QRect(QPoint(2, 2), QPoint(4, 3)));
  EXPECT_EQ(Current(), (CellPos{2, 2}));
  Key(Qt::Key_Up, Qt::ShiftModifier);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), QRect(QPoint(2, 1), QPoint(4, 2)));
  Key(Qt::Key_Down);
  EXPECT_EQ(grid.Selection(), QRect(2, 3, 1, 1)) << "a plain move collapses the selection";
}

TEST_F(NavigationTest, SettingRowAndColScrollsTheCellIntoView) {
  Fill(45, 65535);
  grid.SetRow(40000);
  grid.SetCol(44);
  const QRect viewport = grid.viewport()->rect();
  EXPECT_TRUE(viewport.contains(grid.CellRect(44, 40000)));
  EXPECT_EQ(grid.CellEditor()->geometry(), grid.CellRect(44, 40000));
  grid.SetRow(3);
  EXPECT_EQ(grid.TopRow(), 3);
  EXPECT_TRUE(viewport.contains(grid.CellRect(44, 3)));

  grid.verticalScrollBar()->setValue(30000);
  grid.horizontalScrollBar()->setValue(1);
  EXPECT_EQ(grid.CellEditor()->geometry().intersected(viewport), QRect()) << "the editor waits out of sight";
  grid.SetRow(3);
  grid.SetCol(44);
  EXPECT_TRUE(viewport.contains(grid.CellRect(44, 3))) << "setting the current cell again brings it back";
}

TEST_F(NavigationTest, KeyUpLeavesARowHiddenUnderTheCurrentCell) {
  Fill(3, 6);
  grid.SetRow(3);
  grid.Cells().SetRowHeight(3, 0);
  grid.Cells().SetRowHeight(4, 0);
  grid.Cells().SetRowHeight(5, 0);
  QTest::keyRelease(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 2) << "nothing visible below, so upwards";
  grid.SetRow(4);
  QTest::keyRelease(&grid, Qt::Key_Up);
  EXPECT_EQ(grid.Row(), 2);
}

// Every step of the scroll bar (and so of the wheel) shows the next visible row
// at the top: no dead steps over hidden rows, no jumps.
TEST_F(NavigationTest, AFilteredGridScrollsByVisibleRows) {
  Fill(3, 2001);
  for (int r = 1; r < 2001; ++r)
    if (r % 10 != 0) grid.Cells().SetRowHeight(r, 0);
  Settle();
  QScrollBar* bar = grid.verticalScrollBar();
  EXPECT_LT(bar->maximum(), 200) << "the range counts the 200 visible rows";
  int previous = grid.TopRow();
  EXPECT_EQ(previous, 10);
  for (int value = bar->minimum() + 1; value <= bar->maximum(); ++value) {
    bar->setValue(value);
    ASSERT_EQ(grid.TopRow(), previous + 10) << value;
    previous = grid.TopRow();
  }
  bar->setValue(1);
  QWheelEvent notch(QPointF(50, 50), grid.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(grid.viewport(), &notch);
  EXPECT_GT(grid.TopRow(), 10) << "a wheel notch moves the view";
  EXPECT_EQ(grid.TopRow() % 10, 0);
}

TEST_F(NavigationTest, AnchorKeysScrollToTheirTargetEvenWhenItIsCurrent) {
  Fill(45, 2000);
  grid.verticalScrollBar()->setValue(1500);
  grid.horizontalScrollBar()->setValue(30);
  ASSERT_EQ(Current(), (CellPos{1, 1}));
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(grid.LeftCol(), 1);

  Key(Qt::Key_End, Qt::ControlModifier);
  grid.verticalScrollBar()->setValue(1);
  grid.horizontalScrollBar()->setValue(1);
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_TRUE(grid.viewport()->rect().contains(grid.CellRect(44, 1999)));

  grid.horizontalScrollBar()->setValue(1);
  Key(Qt::Key_End);
  EXPECT_TRUE(grid.viewport()->rect().contains(grid.CellRect(44, 1999)));
  Key(Qt::Key_Home);
  grid.horizontalScrollBar()->setValue(30);
  Key(Qt::Key_Home);
  EXPECT_EQ(grid.LeftCol(), 1);
}

TEST(NearestVisible, LooksInThePreferredDirectionFirst) {
  CellStore cells;
  cells.SetColCount(3);
  cells.SetRowCount(8);
  for (int r : {3, 4, 5}) cells.SetRowHeight(r, 0);
  EXPECT_EQ(NearestVisibleRow(cells, 4, +1), 6);
  EXPECT_EQ(NearestVisibleRow(cells, 4, -1), 2);
  EXPECT_EQ(NearestVisibleRow(cells, 2, +1), 2);
  cells.SetRowHeight(6, 0);
  cells.SetRowHeight(7, 0);
  EXPECT_EQ(NearestVisibleRow(cells, 4, +1), 2);
}

}  // namespace
}  // namespace tarno::grid::test
