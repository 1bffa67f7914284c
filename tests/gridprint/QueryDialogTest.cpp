#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTest>

#include "GridFeatures.h"
#include "GridPrintSupport.h"
#include "TzebGridQueryF.h"

namespace {

std::string Visible(const tarno::grid::CellStore& cells) {
  std::string rows;
  for (int r = 1; r < cells.RowCount(); ++r)
    if (cells.RowVisible(r)) rows += std::to_string(r);
  return rows;
}

class QueryDialogTest : public ::testing::Test {
 protected:
  QueryDialogTest() {
    tarno::test::FillGrid(grid, 3, 6);
    auto& cells = grid.Cells();
    cells.SetText(1, 0, " Name");
    cells.SetText(2, 0, " Nr");
    const char* names[] = {"Sport1", "SPORT Extra", "News", "eurosport", "Kids"};
    const char* numbers[] = {"00200", "00050", "00300", "00101", "00100"};
    for (int r = 1; r <= 5; ++r) {
      cells.SetText(1, r, names[r - 1]);
      cells.SetText(2, r, numbers[r - 1]);
    }
    dialog.LoadFields();
    dialog.ShowMessage = [this](const QString& text) { messages << text; };
  }
  void Click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  TzebGrid grid;
  TzebGridQueryF dialog{grid.Cells()};
  QStringList messages;
};

TEST_F(QueryDialogTest, ListsBuildTheFilterThatApplyUses) {
  ASSERT_EQ(dialog.FieldsList->count(), 2);
  EXPECT_EQ(dialog.FieldsList->item(0)->text(), " Name");
  ASSERT_EQ(dialog.oplist->count(), 5);
  EXPECT_EQ(dialog.oplist->item(4)->text(), "LIKE");
  dialog.show();
  Click(dialog.FieldsList, 0);
  Click(dialog.oplist, 4);
  dialog.querymemo->insertPlainText("\"sport\"\nand ");
  Click(dialog.FieldsList, 1);
  Click(dialog.oplist, 2);
  dialog.querymemo->insertPlainText("\"00100\"");
  EXPECT_EQ(dialog.querymemo->toPlainText(), "[ Name] LIKE \"sport\"\nand [ Nr] > \"00100\"");
  QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
  EXPECT_EQ(Visible(grid.Cells()), "14");
  EXPECT_TRUE(messages.isEmpty());
  QTest::mouseClick(dialog.btnShowAll, Qt::LeftButton);
  EXPECT_EQ(Visible(grid.Cells()), "12345");
}

TEST_F(QueryDialogTest, TenConditionsAreTooComplexAndAMissingBlankMatchesNothing) {
  QString ten;
  for (int i = 0; i < 10; ++i) ten += "[ Nr] <> \"x\" ";
  dialog.querymemo->setPlainText(ten);
  dialog.Apply();
  EXPECT_EQ(messages, QStringList{"Filter too complex"});
  dialog.querymemo->setPlainText("[Name] = \"Kids\"");
  dialog.Apply();
  EXPECT_EQ(Visible(grid.Cells()), "12345");
  EXPECT_EQ(messages.size(), 1);
}

TEST_F(QueryDialogTest, CtrlQOpensTheQueryBuilder) {
  tarno::grid::InstallGridFeatures(grid);
  grid.show();
  bool opened = false;
  tarno::test::OnModal<TzebGridQueryF>([&](TzebGridQueryF& shown) {
    opened = shown.windowTitle() == "Query Builder" && shown.FieldsList->count() == 2;
    shown.querymemo->setPlainText("[ Nr] = \"00300\"");
    shown.Apply();
    shown.btnClose->click();
  });
  QTest::keyClick(&grid, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(opened);
  EXPECT_EQ(Visible(grid.Cells()), "3");
}

}  // namespace
