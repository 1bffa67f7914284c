// The mouse: clicking and dragging over data cells selects, dragging a row's
// fixed cell moves the row with its texts and tags (and a selected block with it).
#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

class MouseTest : public ShownGrid {
 protected:
  void DragRow(int from, int to) {
    Mouse(QEvent::MouseButtonPress, CenterOf(0, from), Qt::LeftButton);
    Mouse(QEvent::MouseMove, CenterOf(0, (from + to) / 2), Qt::LeftButton);
    Mouse(QEvent::MouseMove, CenterOf(0, to), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, CenterOf(0, to), Qt::NoButton);
  }
};

TEST_F(MouseTest, DraggingARowDownMovesItsTextsAndTags) {
  Fill(4, 7);
  DragRow(2, 5);
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(Text(c, 5), CellName(c, 2)) << c;
    EXPECT_EQ(grid.Cells().Tag(c, 5), CellTagOf(c, 2)) << c;
  }
  EXPECT_EQ(Text(1, 2), CellName(1, 3));
  EXPECT_EQ(Text(1, 4), CellName(1, 5));
  EXPECT_EQ(Text(1, 6), CellName(1, 6));
}

TEST_F(MouseTest, DraggingARowUpTakesItsHeightAlong) {
  Fill(3, 7);
  grid.Cells().SetRowHeight(6, 40);
  DragRow(6, 1);
  EXPECT_EQ(Text(1, 1), CellName(1, 6));
  EXPECT_EQ(grid.Cells().Tag(2, 1), CellTagOf(2, 6));
  EXPECT_EQ(Text(1, 2), CellName(1, 1));
  EXPECT_EQ(grid.Cells().RowHeight(1), 40);
}

TEST_F(MouseTest, DraggingARowOfASelectedBlockMovesTheBlockInItsOrderAndOneStep) {
  Fill(3, 9);
  Mouse(QEvent::MouseButtonPress, CenterOf(1, 2), Qt::LeftButton);
  Mouse(QEvent::MouseButtonPress, CenterOf(1, 4), Qt::LeftButton, Qt::ShiftModifier);
  Mouse(QEvent::MouseButtonRelease, CenterOf(1, 4), Qt::NoButton);
  DragRow(3, 6);  // the middle row of 2..4 three rows down: the block lands on 5..7
  EXPECT_EQ(Text(1, 5), CellName(1, 2));
  EXPECT_EQ(Text(1, 6), CellName(1, 3));
  EXPECT_EQ(Text(1, 7), CellName(1, 4));
  EXPECT_EQ(Text(1, 2), CellName(1, 5));
  EXPECT_EQ(Text(1, 8), CellName(1, 8));
  EXPECT_EQ(grid.Selection().top(), 5);  // the selection went along
  EXPECT_EQ(grid.Selection().bottom(), 7);
}

TEST_F(MouseTest, ARowDraggedOntoItselfOrTheHeaderGoesNowhereElse) {
  Fill(3, 5);
  DragRow(3, 3);
  EXPECT_EQ(Text(1, 3), CellName(1, 3));
  Mouse(QEvent::MouseButtonPress, CenterOf(0, 3), Qt::LeftButton);
  Mouse(QEvent::MouseMove, CenterOf(1, 0), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, CenterOf(1, 0), Qt::NoButton);
  EXPECT_EQ(Text(1, 0), CellName(1, 0));
  EXPECT_EQ(Text(1, 1), CellName(1, 3)) << "dropped above the data: the first row";
}

TEST_F(MouseTest, ClickingADataCellMakesItCurrentAndDraggingSelects) {
  Fill(5, 6);
  Mouse(QEvent::MouseButtonPress, CenterOf(2, 2), Qt::LeftButton);
  EXPECT_EQ(Current(), (CellPos{2, 2}));
  Mouse(QEvent::MouseMove, CenterOf(4, 3), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, CenterOf(4, 3), Qt::NoButton);
  EXPECT_EQ(grid.Selection(), QRect(QPoint(2, 2), QPoint(4, 3)));
  EXPECT_EQ(Current(), (CellPos{2, 2}));

  Mouse(QEvent::MouseButtonPress, CenterOf(1, 4), Qt::LeftButton, Qt::ShiftModifier);
  Mouse(QEvent::MouseButtonRelease, CenterOf(1, 4), Qt::NoButton, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), QRect(QPoint(1, 2), QPoint(2, 4)));
}

TEST_F(MouseTest, DraggingPastTheLastCellsSelectsUpToThem) {
  Fill(4, 5);
  Mouse(QEvent::MouseButtonPress, CenterOf(2, 2), Qt::LeftButton);
  Mouse(QEvent::MouseMove, grid.viewport()->rect().bottomRight() - QPoint(2, 2), Qt::LeftButton);
  EXPECT_EQ(grid.Selection(), QRect(QPoint(2, 2), QPoint(3, 4)));
  Mouse(QEvent::MouseMove, QPoint(2, 2), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
  EXPECT_EQ(grid.Selection(), QRect(QPoint(1, 1), QPoint(2, 2)));
}

TEST_F(MouseTest, ClicksOnTheHeaderSelectNothing) {
  Fill(5, 6);
  Mouse(QEvent::MouseButtonPress, CenterOf(3, 0), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, CenterOf(3, 0), Qt::NoButton);
  EXPECT_EQ(Current(), (CellPos{1, 1}));
}

}  // namespace
}  // namespace tarno::grid::test
