// A new grid as the main window gets it, and the grid inside a window: the
// focus stays in the grid while Tab moves between its cells.
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

TEST(GridSetup, ANewGridHasTheChannelGridDefaults) {
  TzebGrid grid;
  EXPECT_FALSE(grid.BandsShow());
  EXPECT_EQ(grid.BandsColor(), QColor(206, 250, 253)) << "$00FDFACE is blue-green-red";
  EXPECT_EQ(grid.BandsInterval(), 2);
  EXPECT_TRUE(grid.KeyMappingsEnabled());
  EXPECT_TRUE(grid.AutoCalculate());
  EXPECT_EQ(grid.NumberFormat(), QStringLiteral("%.2f"));
  EXPECT_FALSE(grid.ShowValues() || grid.NumbersalRight() || grid.HighlightURL() || grid.WordWrap() ||
               grid.A1Style() || grid.FormuleMode());
  EXPECT_EQ(grid.AdvanceDirection(), TzebGrid::AdvanceDirectionType::None);
  EXPECT_EQ(grid.Cells().ColWidth(0), 20);
  EXPECT_EQ(grid.property("BandsColor").value<QColor>(), grid.BandsColor()) << "published to the meta-object system";
  const KeyMappingTable& table = grid.KeyMappings();
  ASSERT_EQ(table.size(), 9u);
  EXPECT_EQ(table.front().command, GridCommand::RowInsert);
  EXPECT_EQ(table.back().command, GridCommand::SetHeader);
}

TEST(GridInWindow, TypingAndTabStayInTheGrid) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* grid = new TzebGrid;
  auto* other = new QLineEdit;
  layout->addWidget(grid);
  layout->addWidget(other);
  window.resize(500, 300);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  grid->Cells().SetColCount(4);
  grid->Cells().SetRowCount(4);
  grid->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), grid->CellEditor());

  QTest::keyClicks(QApplication::focusWidget(), "ZDF");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), "3sat");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(grid->Cells().Text(1, 1), "ZDF");
  EXPECT_EQ(grid->Cells().Text(2, 1), "3sat");
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(QApplication::focusWidget(), grid->CellEditor());
  EXPECT_TRUE(other->text().isEmpty());
}

}  // namespace
}  // namespace tarno::grid::test
