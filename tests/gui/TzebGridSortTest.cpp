// Sorting through the widget: rows move under a current cell that stays put,
// and the view follows.
#include <QLineEdit>

#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

class SortTest : public ShownGrid {};

TEST_F(SortTest, RowsMoveWithTheirTagsUnderTheCurrentCell) {
  Fill(3, 5);
  for (const auto& [row, key] : {std::pair{1, "ZDF"}, {2, "arte"}, {3, "ARD"}, {4, "3sat"}}) grid.Cells().SetText(2, row, key);
  grid.SetRow(1);
  grid.SetCol(2);
  SortEngine& sort = grid.Sorting();
  sort.StartIndex = 1;
  sort.EndIndex = 4;
  sort.SortIndex = 2;
  ASSERT_TRUE(grid.ApplySort());

  EXPECT_EQ(Text(2, 1), "3sat");
  EXPECT_EQ(Text(2, 2), "ARD");
  EXPECT_EQ(Text(2, 3), "arte");
  EXPECT_EQ(Text(2, 4), "ZDF");
  EXPECT_EQ(Text(1, 4), CellName(1, 1));
  EXPECT_EQ(grid.Cells().Tag(1, 4), CellTagOf(1, 1));
  EXPECT_EQ(Current(), (CellPos{2, 1}));
  EXPECT_EQ(static_cast<QLineEdit*>(grid.CellEditor())->text(), QStringLiteral("3sat"));
}

TEST_F(SortTest, InvalidSettingsSortNothingAndShowNoDialogByDefault) {
  Fill(3, 5);
  grid.Sorting().StartIndex = 3;
  grid.Sorting().EndIndex = 3;
  EXPECT_FALSE(grid.ApplySort());
  EXPECT_EQ(grid.Sorting().SortResult(), kSortStartNotBeforeEnd);
  EXPECT_EQ(Text(1, 3), CellName(1, 3));
}

}  // namespace
}  // namespace tarno::grid::test
