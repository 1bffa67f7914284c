// The always-shown cell editor and the Enter key.
#include <QFontDatabase>
#include <QLineEdit>

#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

class EditingTest : public ShownGrid {
 protected:
  QLineEdit* Editor() { return static_cast<QLineEdit*>(grid.CellEditor()); }
};

TEST_F(EditingTest, TypingReplacesTheCurrentCellAndStaysWithIt) {
  Fill(4, 4);
  grid.SetRow(2);
  grid.SetCol(3);
  grid.Cells().SetEdited(3, 2, false);
  QTest::keyClicks(&grid, "ARD");
  EXPECT_EQ(Text(3, 2), "ARD");
  EXPECT_EQ(grid.Cells().Tag(3, 2), CellTagOf(3, 2));
  EXPECT_TRUE(grid.Cells().Edited(3, 2));  // saved through its conversion
  EXPECT_TRUE(grid.EditorMode());

  Key(Qt::Key_Down);
  EXPECT_EQ(Text(3, 2), "ARD");
  EXPECT_EQ(Editor()->text(), QString::fromStdString(CellName(3, 3)));
  EXPECT_FALSE(grid.EditorMode());
}

TEST_F(EditingTest, TheEditorKeepsNonAsciiTextAsUtf8) {
  Fill(3, 3);
  QTest::keyClicks(Editor(), "Das Erste HD ");
  for (const QString& letter : {QString::fromUtf8("\xC3\xA4"), QString::fromUtf8("\xC3\xB6")}) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, letter);
    QCoreApplication::sendEvent(Editor(), &press);
  }
  EXPECT_EQ(Text(1, 1), "Das Erste HD \xC3\xA4\xC3\xB6");
}

TEST_F(EditingTest, EditorModeOpensTheTextUnselectedWithTheCaretAtItsEnd) {
  Fill(3, 3);
  EXPECT_TRUE(Editor()->hasSelectedText());
  grid.SetEditorMode(true);
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_FALSE(Editor()->hasSelectedText());
  QTest::keyClicks(Editor(), "x");
  EXPECT_EQ(Text(1, 1), CellName(1, 1) + "x");
}

TEST_F(EditingTest, LeftAndRightMoveTheCaretUntilItReachesAnEdge) {
  Fill(4, 3);
  grid.SetCol(2);
  grid.SetEditorMode(true);  // caret at the end of "r1c2"
  QTest::keyClick(Editor(), Qt::Key_Right);
  EXPECT_EQ(grid.Col(), 3) << "at the end Right leaves the cell";
  grid.SetEditorMode(true);
  QTest::keyClick(Editor(), Qt::Key_Left);
  EXPECT_EQ(grid.Col(), 3) << "inside the text Left moves the caret";
  QTest::keyClick(Editor(), Qt::Key_Home);
  EXPECT_EQ(grid.Col(), 3);
  QTest::keyClick(Editor(), Qt::Key_Left);
  EXPECT_EQ(grid.Col(), 2) << "at the start Left leaves the cell";
}

TEST_F(EditingTest, ChangesToTheStoreShowInTheEditor) {
  Fill(3, 3);
  grid.Cells().SetText(1, 1, "Sat.1");
  EXPECT_EQ(Editor()->text(), QStringLiteral("Sat.1"));
  grid.Cells().MoveRow(1, 2);
  EXPECT_EQ(grid.Row(), 2) << "the current cell follows its row";
  EXPECT_EQ(Editor()->text(), QStringLiteral("Sat.1"));
}

TEST_F(EditingTest, EnterFitsTheVisibleRowsAndDoesNotMove) {
  Fill(3, 5);
  grid.Cells().SetColWidth(1, 40);
  grid.Cells().SetText(1, 2, "one two three four five six");
  grid.Cells().SetDefaultRowHeight(16);
  grid.Cells().SetRowHeight(3, 0);
  grid.SetRow(4);
  int evaluated = 0;
  grid.SetFormulaEvaluator([&] { ++evaluated; });

  Key(Qt::Key_Return);
  EXPECT_EQ(evaluated, 1);
  EXPECT_EQ(Current(), (CellPos{1, 4}));
  EXPECT_EQ(grid.Cells().RowHeight(2), grid.Cells().FittedRowHeight(2));
  EXPECT_GT(grid.Cells().RowHeight(2), 2 * grid.fontMetrics().height());
  EXPECT_EQ(grid.Cells().RowHeight(3), 0) << "hidden rows stay hidden";

  grid.SetAutoCalculate(false);
  Key(Qt::Key_Enter);
  EXPECT_EQ(evaluated, 1);
}

TEST_F(EditingTest, AdvanceDirectionMovesAfterEnter) {
  Fill(4, 4);
  grid.SetAdvanceDirection(TzebGrid::AdvanceDirectionType::Down);
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), (CellPos{1, 2}));
  grid.SetAdvanceDirection(TzebGrid::AdvanceDirectionType::Right);
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), (CellPos{2, 2}));
}

TEST_F(EditingTest, TheFontMeasuresTheStore) {
  QFont font = grid.font();
  font.setPointSize(20);
  grid.setFont(font);
  EXPECT_EQ(grid.Cells().Measure().TextHeight(false), QFontMetrics(font).height());
  EXPECT_EQ(grid.Cells().Measure().TextWidth("Das Erste", false), QFontMetrics(font).horizontalAdvance("Das Erste"));
  font.setBold(true);
  EXPECT_EQ(grid.Cells().Measure().TextWidth("Das Erste", true), QFontMetrics(font).horizontalAdvance("Das Erste"));
}

// Fixed-pitch fonts take a shortcut for ASCII text; it must agree with shaping.
TEST_F(EditingTest, AFixedPitchFontMeasuresLikeTheFontMetrics) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int size : {8, 9, 11}) {
    font.setPointSize(size);
    grid.setFont(font);
    for (const char* text : {"1", "Das Erste HD", "ZDFinfo ZDFneo 3sat KiKA phoenix tagesschau24 ONE ARD-alpha"}) {
      EXPECT_EQ(grid.Cells().Measure().TextWidth(text, false), QFontMetrics(font).horizontalAdvance(text))
          << size << " " << text;
      QFont bold = font;
      bold.setBold(true);
      EXPECT_EQ(grid.Cells().Measure().TextWidth(text, true), QFontMetrics(bold).horizontalAdvance(text))
          << size << " " << text;
    }
  }
}

TEST_F(EditingTest, EscapeGivesTheCellBackItsTextFromBeforeTheEdit) {
  Fill(3, 4);
  grid.Cells().SetEdited(1, 2, false);  // the text its record holds
  grid.SetRow(2);
  QTest::keyClicks(&grid, "ZDF");
  ASSERT_EQ(Text(1, 2), "ZDF");
  ASSERT_TRUE(grid.Cells().Edited(1, 2));
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(1, 2), CellName(1, 2));
  EXPECT_FALSE(grid.Cells().Edited(1, 2)) << "saved as the record's own bytes again";
  EXPECT_EQ(Editor()->text(), QString::fromStdString(CellName(1, 2)));
  EXPECT_FALSE(grid.EditorMode());
  QTest::keyClicks(&grid, "x");
  EXPECT_EQ(Text(1, 2), "x") << "after Escape typing replaces the text again";

  // F2 appends; Escape takes back the whole edit, however many keys it took.
  Key(Qt::Key_Down);
  grid.SetEditorMode(true);
  QTest::keyClicks(Editor(), "abc");
  QTest::keyClick(Editor(), Qt::Key_Backspace);
  QTest::keyClick(Editor(), Qt::Key_Escape);
  EXPECT_EQ(Text(1, 3), CellName(1, 3));
  EXPECT_EQ(Text(1, 2), "x") << "an edit left behind stays";
}

TEST_F(EditingTest, TypingNeverReachesARowHiddenUnderTheCurrentCell) {
  Fill(3, 5);
  grid.SetRow(3);
  grid.Cells().SetRowHeight(3, 0);  // as a filter hides it; the search may still land there
  QTest::keyClicks(&grid, "lost");
  QTest::keyClicks(Editor(), "lost");
  EXPECT_EQ(Text(1, 3), CellName(1, 3));
  Key(Qt::Key_Down);
  QTest::keyClicks(&grid, "seen");
  EXPECT_EQ(Text(1, 4), "seen") << "a visible row takes typing again";
}

}  // namespace
}  // namespace tarno::grid::test
