#include <gtest/gtest.h>

#include "CellStore.h"

namespace tarno::grid {
namespace {

// A grid of rows x cols whose cells read "c,r" and carry the tag r * 100 + c.
CellStore Numbered(int cols, int rows) {
  CellStore cells;
  cells.SetColCount(cols);
  cells.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      cells.SetText(c, r, std::to_string(c) + "," + std::to_string(r));
      cells.SetTag(c, r, r * 100 + c);
    }
  return cells;
}

std::string Column(const CellStore& cells, int col) {
  std::string texts;
  for (int r = 0; r < cells.RowCount(); ++r) texts += std::string(cells.Text(col, r)) + ";";
  return texts;
}

TEST(CellStore, TextsOfDifferentLengthsStayApart) {
  CellStore cells = Numbered(4, 3);
  cells.SetText(1, 1, "a much longer text ü");
  cells.SetText(2, 1, "");
  cells.SetText(0, 1, "x");
  EXPECT_EQ(cells.Text(0, 1), "x");
  EXPECT_EQ(cells.Text(1, 1), "a much longer text ü");
  EXPECT_EQ(cells.Text(2, 1), "");
  EXPECT_EQ(cells.Text(3, 1), "3,1");
  EXPECT_EQ(cells.Text(9, 1), "");  // outside the grid
  cells.SetText(9, 9, "ignored");
  EXPECT_EQ(cells.Tag(3, 1), 103);
}

TEST(CellStore, MovingARowCarriesTextsTagsAndHeight) {
  CellStore cells = Numbered(3, 6);
  cells.SetRowHeight(5, 40);
  cells.SetRow(2);
  cells.MoveRow(5, 1);
  EXPECT_EQ(Column(cells, 1), "1,0;1,5;1,1;1,2;1,3;1,4;");
  EXPECT_EQ(cells.Tag(2, 1), 502);
  EXPECT_EQ(cells.RowHeight(1), 40);
  EXPECT_EQ(cells.Row(), 3);  // the current cell stays on its row
  cells.MoveRow(1, 5);
  EXPECT_EQ(Column(cells, 1), "1,0;1,1;1,2;1,3;1,4;1,5;");
  EXPECT_EQ(cells.Row(), 2);
  cells.MoveRow(2, 4);
  EXPECT_EQ(cells.Row(), 4);
}

TEST(CellStore, ArrangeRowsOnlyTakesAReorderingOfTheRange) {
  CellStore cells = Numbered(2, 5);
  cells.ArrangeRows(1, {3, 1, 2});
  EXPECT_EQ(Column(cells, 1), "1,0;1,3;1,1;1,2;1,4;");
  EXPECT_THROW(cells.ArrangeRows(1, {1, 1, 2}), std::invalid_argument);
  EXPECT_THROW(cells.ArrangeRows(1, {1, 2, 4}), std::invalid_argument);
  EXPECT_THROW(cells.ArrangeRows(3, {3, 4, 5}), std::out_of_range);
  EXPECT_EQ(Column(cells, 1), "1,0;1,3;1,1;1,2;1,4;");
}

TEST(CellStore, ShrinkingAndGrowingKeepsTheRemainingCells) {
  CellStore cells = Numbered(4, 5);
  cells.MoveRow(4, 1);
  cells.SetRowCount(3);
  EXPECT_EQ(Column(cells, 2), "2,0;2,4;2,1;");
  cells.SetColCount(2);
  cells.SetColCount(4);
  EXPECT_EQ(cells.Text(1, 1), "1,4");
  EXPECT_EQ(cells.Text(2, 1), "");
  EXPECT_EQ(cells.Tag(3, 1), 0);
  cells.SetRowCount(4);
  EXPECT_EQ(cells.Text(1, 3), "");
}

TEST(CellStore, ColumnsInsertAndDeleteWithTheirWidths) {
  CellStore cells = Numbered(4, 3);
  cells.SetColWidth(2, 99);
  cells.InsertColumn(2);
  EXPECT_EQ(cells.ColCount(), 5);
  EXPECT_EQ(cells.Text(2, 1), "");
  EXPECT_EQ(cells.Text(3, 1), "2,1");
  EXPECT_EQ(cells.ColWidth(3), 99);
  EXPECT_EQ(cells.ColWidth(2), kDefaultColWidth);
  cells.DeleteColumn(1);
  EXPECT_EQ(cells.Text(1, 2), "");
  EXPECT_EQ(cells.Text(2, 2), "2,2");
  EXPECT_EQ(cells.Tag(2, 2), 202);
}

// The edited mark tells texts from the cell's source apart from everything else
// and is plain cell state: it moves with its row and can be set back.
TEST(CellStore, EditedMarksFollowTextChangesAndTravelWithTheirRows) {
  CellStore cells = Numbered(3, 5);
  EXPECT_TRUE(cells.Edited(1, 1));  // SetText put it there
  cells.SetSourceText(1, 1, "from the record");
  cells.SetSourceText(2, 1, "2,1");  // the same text still counts as the source's
  EXPECT_FALSE(cells.Edited(1, 1));
  EXPECT_FALSE(cells.Edited(2, 1));
  cells.SetText(1, 1, "from the record");  // no change, no mark
  EXPECT_FALSE(cells.Edited(1, 1));
  cells.SetText(1, 1, "typed");
  EXPECT_TRUE(cells.Edited(1, 1));
  cells.SetEdited(1, 1, false);
  EXPECT_FALSE(cells.Edited(1, 1));
  cells.SetEdited(2, 1, true);
  cells.MoveRow(1, 4);
  EXPECT_FALSE(cells.Edited(1, 4));
  EXPECT_TRUE(cells.Edited(2, 4));
  EXPECT_FALSE(cells.Edited(9, 4));  // outside the grid
  // Rows and columns the grid inserts hold no source's text.
  for (int c = 0; c < 3; ++c) cells.SetSourceText(c, 2, "");
  cells.InsertRow(2);
  EXPECT_TRUE(cells.Edited(1, 2));
  EXPECT_FALSE(cells.Edited(1, 3));
  cells.InsertColumn(1);
  EXPECT_TRUE(cells.Edited(1, 3));
  EXPECT_FALSE(cells.Edited(2, 3));
}

TEST(CellStore, RowHeights) {
  CellStore cells = Numbered(3, 4);
  cells.SetRowHeight(2, 0);
  EXPECT_FALSE(cells.RowVisible(2));
  cells.SetDefaultRowHeight(30);  // discards every per-row height
  EXPECT_EQ(cells.RowHeight(2), 30);
  const FixedWidthMeasure measure(10, 14);
  cells.SetMeasure(&measure);
  cells.SetColWidth(1, 70);
  cells.SetText(1, 1, "one two three four");  // "one two", "three", "four"
  EXPECT_EQ(cells.FittedRowHeight(1), 3 * 14 + 1);
  cells.SetRowHeight(3, 0);
  cells.SetRowCount(5);  // a size change fits every row again
  EXPECT_TRUE(cells.RowVisible(3));
  EXPECT_EQ(cells.RowHeight(1), 43);
}

TEST(CellStore, SavedWidthsAreTakenOnSizeChangesAndSkipZeroWidths) {
  CellStore cells = Numbered(3, 3);
  cells.SetColWidth(1, 0);
  cells.SetColWidth(2, 77);
  cells.SetRowCount(4);
  EXPECT_EQ(cells.SavedWidths()[1], kDefaultColWidth);
  EXPECT_EQ(cells.SavedWidths()[2], 77);
  cells.RestoreSavedWidths();
  EXPECT_EQ(cells.ColWidth(1), kDefaultColWidth);
}

TEST(CellStore, TheCurrentCellStaysInTheDataArea) {
  CellStore cells = Numbered(3, 3);
  cells.SetCol(0);
  cells.SetRow(7);
  EXPECT_EQ(cells.Col(), 1);
  EXPECT_EQ(cells.Row(), 2);
  cells.SetRowCount(2);
  EXPECT_EQ(cells.Row(), 1);
}

// The revision tells unsaved edits apart from looking around: only what the
// cells hold and the rows' order count, and a change back to the same value
// is no change.
TEST(CellStore, TheContentRevisionCountsWhatTheCellsHoldOnly) {
  CellStore cells = Numbered(4, 5);
  uint64_t revision = cells.ContentRevision();
  const auto changed = [&] {
    const bool moved = cells.ContentRevision() != revision;
    revision = cells.ContentRevision();
    return moved;
  };
  cells.SetText(1, 1, "1,1");
  cells.SetTag(1, 1, 101);
  cells.ArrangeRows(1, {1, 2, 3});
  cells.SetColWidth(1, 200);
  cells.SetRowHeight(2, 40);
  cells.SetRow(3);
  cells.SetCol(2);
  cells.RestoreSavedWidths();
  EXPECT_FALSE(changed());

  cells.SetText(1, 1, "edited");
  EXPECT_TRUE(changed());
  cells.SetTag(2, 2, 7);
  EXPECT_TRUE(changed());
  cells.MoveRow(1, 3);
  EXPECT_TRUE(changed());
  cells.ArrangeRows(1, {2, 1, 3});
  EXPECT_TRUE(changed());
  cells.InsertRow(2);
  EXPECT_TRUE(changed());
  cells.DeleteRow(2);
  EXPECT_TRUE(changed());
  cells.SetRowCount(7);
  EXPECT_TRUE(changed());
  cells.InsertColumn(1);
  EXPECT_TRUE(changed());
}

TEST(CellStore, BatchesSendOneNotification) {
  CellStore cells = Numbered(3, 3);
  int layouts = 0;
  int texts = 0;
  cells.SetChangeListener([&](CellStore::Change change) { ++(change == CellStore::Change::Layout ? layouts : texts); });
  {
    CellStore::Batch batch(cells);
    cells.SetText(1, 1, "a");
    cells.SetRowCount(9);
    cells.SetText(1, 2, "b");
  }
  EXPECT_EQ(layouts, 1);
  EXPECT_EQ(texts, 0);
  cells.SetText(1, 1, "c");
  EXPECT_EQ(texts, 1);
}

}  // namespace
}  // namespace tarno::grid
