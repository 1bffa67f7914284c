// What the grid draws, read back from a grab of its viewport.
#include <QFontMetrics>
#include <QImage>
#include <vector>

#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

class DrawingTest : public ShownGrid {
 protected:
  QImage Grab() {
    Settle();
    return grid.viewport()->grab().toImage();
  }
  // A point inside the cell but clear of its text, which starts at the top-left.
  QPoint EmptyCorner(int col, int row) { return grid.CellRect(col, row).bottomRight() - QPoint(3, 3); }
  QColor ColourAt(const QImage& image, QPoint at) { return image.pixelColor(at); }
};

TEST_F(DrawingTest, EveryOtherDataRowIsBandedWhenBandsAreShown) {
  Fill(4, 7);
  grid.SetCol(3);
  grid.SetBandsShow(true);
  const QImage image = Grab();
  const QColor band(206, 250, 253);
  for (int row : {2, 4, 6}) EXPECT_EQ(ColourAt(image, EmptyCorner(1, row)), band) << row;
  for (int row : {1, 3, 5}) EXPECT_NE(ColourAt(image, EmptyCorner(1, row)), band) << row;
  EXPECT_NE(ColourAt(image, EmptyCorner(1, 0)), band) << "header";
  EXPECT_NE(ColourAt(image, EmptyCorner(0, 2)), band) << "fixed column";

  grid.SetBandsShow(false);
  EXPECT_NE(ColourAt(Grab(), EmptyCorner(1, 2)), band);
  grid.SetBandsShow(true);
  grid.SetBandsInterval(3);
  const QImage third = Grab();
  EXPECT_EQ(ColourAt(third, EmptyCorner(1, 3)), band);
  EXPECT_NE(ColourAt(third, EmptyCorner(1, 2)), band);
}

TEST_F(DrawingTest, AHiddenColumnIsNotDrawnAndTakesNoRoom) {
  // The same data once with column 2 hidden and once without column 2 at all:
  // below the header (whose labels number the columns) both look alike.
  Fill(5, 6);
  grid.SetBandsShow(true);
  grid.SetCol(4);
  grid.Cells().SetColWidth(2, kHiddenColWidth);
  const QRect data(0, grid.CellRect(1, 1).top(), grid.viewport()->width(), grid.viewport()->height() / 2);
  const QImage hidden = Grab().copy(data);

  grid.Cells().DeleteColumn(2);
  grid.SetCol(3);
  const QImage removed = Grab().copy(data);
  EXPECT_TRUE(hidden == removed);
  grid.Cells().SetColWidth(2, 0);
  EXPECT_FALSE(Grab().copy(data) == removed) << "the comparison sees columns at all";
}

TEST_F(DrawingTest, TheFixedColumnShowsRowIndicesNotItsStoredTexts) {
  Fill(3, 8);
  grid.SetCol(2);
  const QRect fixedColumn(0, 0, grid.CellRect(0, 0).width(), grid.CellRect(0, 7).bottom());
  const QImage before = Grab().copy(fixedColumn);
  EXPECT_GT(before.convertToFormat(QImage::Format_Mono).colorCount(), 1);

  grid.Cells().MoveRow(2, 6);
  grid.Cells().MoveRow(7, 1);
  grid.Cells().SetText(0, 3, "zzzz");
  EXPECT_TRUE(Grab().copy(fixedColumn) == before);

  grid.Cells().SetColWidth(0, grid.Cells().ColWidth(0) + 1);
  grid.Cells().SetColWidth(0, grid.Cells().ColWidth(0) - 1);
  grid.Cells().SetRowHeight(1, 0);
  EXPECT_FALSE(Grab().copy(fixedColumn) == before) << "the comparison sees rows at all";
}

TEST_F(DrawingTest, HeaderAndFixedColumnStayWhileTheDataScroll) {
  Fill(45, 2000);
  grid.SetCol(2);
  const QRect header(0, 0, grid.viewport()->width(), grid.CellRect(1, 0).height());
  const QImage top = Grab().copy(header);
  grid.SetRow(1500);
  EXPECT_TRUE(Grab().copy(header) == top) << "no column scrolled, so the header is unchanged";
  EXPECT_EQ(grid.CellRect(1, grid.TopRow()).top(), header.height() + 1) << "the top row starts under the header";
  EXPECT_EQ(grid.CellAt(QPoint(5, header.height() + 3)).row, grid.TopRow());
}

TEST_F(DrawingTest, A1StyleChangesOnlyTheHeader) {
  Fill(4, 5);
  const QRect header(0, 0, grid.viewport()->width(), grid.CellRect(1, 0).height());
  const QRect data(0, header.height() + 1, grid.viewport()->width(), 80);
  const QImage numbers = Grab();
  grid.SetA1Style(true);
  const QImage letters = Grab();
  EXPECT_FALSE(numbers.copy(header) == letters.copy(header));
  EXPECT_TRUE(numbers.copy(data) == letters.copy(data));
}

TEST_F(DrawingTest, SelectedCellsAreHighlightedButNotTheCurrentOne) {
  Fill(5, 5);
  grid.SetBandsShow(true);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  const QImage image = Grab();
  const QColor highlight = grid.palette().color(QPalette::Highlight);
  EXPECT_EQ(ColourAt(image, EmptyCorner(2, 2)), highlight);
  EXPECT_EQ(ColourAt(image, EmptyCorner(2, 1)), highlight);
  EXPECT_NE(ColourAt(image, EmptyCorner(3, 2)), highlight);
}

TEST_F(DrawingTest, BandsFollowTheRowsTheUserSees) {
  Fill(3, 9);
  grid.SetCol(2);
  grid.SetBandsShow(true);
  grid.Cells().SetRowHeight(2, 0);  // as a filter hides rows
  grid.Cells().SetRowHeight(3, 0);
  const QImage image = Grab();
  const QColor band(206, 250, 253);
  // Shown: 1, 4, 5, 6, 7, 8; every second of them is banded.
  for (int row : {4, 6, 8}) EXPECT_EQ(ColourAt(image, EmptyCorner(1, row)), band) << row;
  for (int row : {1, 5, 7}) EXPECT_NE(ColourAt(image, EmptyCorner(1, row)), band) << row;
}

// Rows of the header cell that hold ink, top to bottom.
std::vector<bool> InkedLines(const QImage& image, const QRect& cell) {
  std::vector<bool> lines;
  for (int y = cell.top(); y <= cell.bottom(); ++y) {
    bool ink = false;
    for (int x = cell.left(); x < cell.right() - 1; ++x) ink = ink || qGray(image.pixel(x, y)) < 128;
    lines.push_back(ink);
  }
  return lines;
}

TEST_F(DrawingTest, ColumnNumbersNeverRunIntoTheCaptions) {
  Fill(12, 3);
  grid.SetCol(1);
  CellStore& cells = grid.Cells();
  cells.SetText(10, 0, " Del");
  cells.SetDefaultRowHeight(QFontMetrics(grid.font()).height() + 2);  // one line, as the data model sets it
  QFont bold = grid.font();
  bold.setBold(true);
  cells.SetColWidth(10, QFontMetrics(bold).horizontalAdvance(" Del") + 4);  // as narrow as its caption
  grid.SetCol(11);
  const QImage image = Grab();
  const QRect header = grid.CellRect(10, 0);
  // Caption and number stand on lines of their own, with blank pixels between.
  const std::vector<bool> lines = InkedLines(image, header);
  int groups = 0;
  for (size_t y = 0; y < lines.size(); ++y) groups += lines[y] && (y == 0 || !lines[y - 1]);
  EXPECT_EQ(groups, 2);
  EXPECT_TRUE(QRect(grid.CellRect(10, 1)).top() > header.bottom()) << "data rows start under the taller header";
}

}  // namespace
}  // namespace tarno::grid::test
