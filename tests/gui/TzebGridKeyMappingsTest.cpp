// The grid's own shortcuts: which keys they take, what the row, column and
// header commands do, and that keys without a command pass on untouched.
#include <QApplication>
#include <QLineEdit>

#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

class KeyMappingsTest : public ShownGrid {};

TEST_F(KeyMappingsTest, ShiftInsOnRowThreeOfFiveInsertsAnEmptyRowKeepingItsTags) {
  Fill(4, 5);
  grid.SetRow(3);
  grid.SetCol(2);
  Key(Qt::Key_Insert, Qt::ShiftModifier);

  ASSERT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.Row(), 3);
  for (int c = 1; c < 4; ++c) {
    EXPECT_EQ(Text(c, 3), "") << c;
    EXPECT_EQ(grid.Cells().Tag(c, 3), CellTagOf(c, 3)) << c;
  }
  EXPECT_EQ(Text(1, 2), CellName(1, 2));
  EXPECT_EQ(Text(1, 4), CellName(1, 3));
  EXPECT_EQ(Text(1, 5), CellName(1, 4));
  EXPECT_EQ(grid.Cells().Tag(1, 5), CellTagOf(1, 4));
  // The editor shows the emptied current cell, so typing does not bring the old text back.
  EXPECT_EQ(static_cast<QLineEdit*>(grid.CellEditor())->text(), QString());
}

TEST_F(KeyMappingsTest, ShiftDelDeletesTheCurrentRowButNeverTheLastDataRow) {
  Fill(3, 4);
  grid.SetRow(2);
  Key(Qt::Key_Delete, Qt::ShiftModifier);
  ASSERT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(Text(1, 2), CellName(1, 3));

  Key(Qt::Key_Delete, Qt::ShiftModifier);
  ASSERT_EQ(grid.RowCount(), 2);
  Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Text(1, 1), CellName(1, 1));
}

TEST_F(KeyMappingsTest, ShiftDelShowsRowsHiddenByAFilterAgain) {
  Fill(3, 2);
  grid.Cells().SetRowHeight(1, 0);
  Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_GT(grid.Cells().RowHeight(1), 0);
}

TEST_F(KeyMappingsTest, CtrlShiftInsAndDelInsertAndDeleteTheCurrentColumn) {
  Fill(4, 3);
  grid.SetCol(2);
  Key(Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(Text(2, 0), "");
  EXPECT_EQ(Text(2, 1), "");
  EXPECT_EQ(Text(3, 1), CellName(2, 1));

  Key(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(Text(2, 1), CellName(2, 1));
  EXPECT_EQ(grid.RowCount(), 3) << "Shift+Del must not have matched Ctrl+Shift+Del";
}

TEST_F(KeyMappingsTest, CtrlHCopiesTheCurrentRowIntoTheHeaderAndLeavesTheData) {
  Fill(4, 6);
  grid.SetRow(4);
  Key(Qt::Key_H, Qt::ControlModifier);
  for (int c = 1; c < 4; ++c) {
    EXPECT_EQ(Text(c, 0), CellName(c, 4)) << c;
    EXPECT_EQ(Text(c, 4), CellName(c, 4)) << c;
  }
  EXPECT_EQ(Text(0, 0), CellName(0, 0));
}

TEST_F(KeyMappingsTest, ExtraModifiersDoNotMatch) {
  Fill(3, 4);
  Key(Qt::Key_Insert, Qt::ShiftModifier | Qt::AltModifier);
  Key(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Text(1, 0), CellName(1, 0));
}

TEST_F(KeyMappingsTest, MappingsWorkWhileTheCellEditorHasTheKeys) {
  Fill(3, 4);
  grid.SetRow(2);
  auto* editor = static_cast<QLineEdit*>(grid.CellEditor());
  // In a line edit Shift+Ins would paste and Shift+Del cut: the mappings come first.
  EXPECT_TRUE(KeyAccepted(editor, Qt::Key_Insert, Qt::ShiftModifier));
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(editor->text(), QString());
}

TEST_F(KeyMappingsTest, DisabledMappingsPassTheKeysOn) {
  Fill(3, 4);
  grid.SetKeyMappingsEnabled(false);
  EXPECT_FALSE(KeyAccepted(&grid, Qt::Key_Insert, Qt::ShiftModifier));
  EXPECT_FALSE(KeyAccepted(&grid, Qt::Key_H, Qt::ControlModifier));
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Text(1, 0), CellName(1, 0));

  grid.SetKeyMappingsEnabled(true);
  EXPECT_TRUE(KeyAccepted(&grid, Qt::Key_Insert, Qt::ShiftModifier));
  EXPECT_EQ(grid.RowCount(), 5);
}

TEST_F(KeyMappingsTest, DialogKeysStayUnboundUntilTheirFeatureArrives) {
  Fill(3, 4);
  for (GridCommand command :
       {GridCommand::PrintPreview, GridCommand::QueryDialog, GridCommand::FormuleDialog, GridCommand::CellNamesDialog})
    EXPECT_FALSE(grid.HasCommandHandler(command));
  EXPECT_FALSE(KeyAccepted(&grid, Qt::Key_P, Qt::ControlModifier));
  EXPECT_FALSE(KeyAccepted(&grid, Qt::Key_F3, Qt::NoModifier));

  int opened = 0;
  grid.SetCommandHandler(GridCommand::QueryDialog, [&] { ++opened; });
  EXPECT_TRUE(KeyAccepted(&grid, Qt::Key_Q, Qt::ControlModifier));
  EXPECT_EQ(opened, 1);
}

TEST_F(KeyMappingsTest, TheFirstMatchingMappingWins) {
  Fill(3, 4);
  KeyMappingTable table = grid.KeyMappings();
  table.insert(table.begin(), KeyMapping{GridCommand::SetHeader, Qt::Key_Insert, Qt::ShiftModifier});
  grid.SetKeyMappings(table);
  grid.SetRow(2);
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Text(1, 0), CellName(1, 2));
}

TEST(KeyMappingTable, MatchesTheExactShiftCtrlAltSetIgnoringKeypadAndMeta) {
  const KeyMappingTable table = DefaultKeyMappings();
  const KeyMapping* found = FindKeyMapping(table, Qt::Key_Insert, Qt::ShiftModifier | Qt::KeypadModifier);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->command, GridCommand::RowInsert);
  found = FindKeyMapping(table, Qt::Key_Insert, Qt::ShiftModifier | Qt::ControlModifier | Qt::MetaModifier);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->command, GridCommand::ColumnInsert);
  EXPECT_EQ(FindKeyMapping(table, Qt::Key_Insert, Qt::NoModifier), nullptr);
  EXPECT_EQ(FindKeyMapping(table, Qt::Key_F3, Qt::ShiftModifier), nullptr);
}

}  // namespace
}  // namespace tarno::grid::test
