#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>

#include "GridFeatures.h"
#include "GridPrintSupport.h"
#include "TitledMessageBox.h"

namespace {

TEST(FormulasOnEnter, ARejectedFormulaIsReportedAndBecomesCurrent) {
  TzebGrid grid;
  tarno::test::FillGrid(grid, 5, 5);
  auto* features = tarno::grid::InstallGridFeatures(grid);
  QStringList messages;
  features->ShowMessage = [&](const QString& text) { messages << text; };
  grid.Cells().SetText(1, 1, "=2*3");
  grid.Cells().SetText(2, 1, "=SUMROW");
  grid.Cells().SetText(3, 1, "=1/0");
  grid.Cells().SetText(3, 3, "=1/");
  grid.SetCol(1);
  grid.SetRow(4);
  grid.Recalculate();
  EXPECT_EQ(messages, QStringList{"Error in: 1/"});
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(features->Formulas().Values().At(2, 1), 6);
  EXPECT_EQ(features->Formulas().Values().At(3, 1), 0);

  grid.Cells().SetText(3, 3, "=c1r1 - A1");
  grid.Recalculate();
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(features->Formulas().Values().At(3, 3), 0);
}

TEST(FormulasOnEnter, NothingIsEvaluatedWithAutoCalculateOff) {
  TzebGrid grid;
  tarno::test::FillGrid(grid, 3, 3);
  auto* features = tarno::grid::InstallGridFeatures(grid);
  QStringList messages;
  features->ShowMessage = [&](const QString& text) { messages << text; };
  grid.Cells().SetText(1, 1, "=1/");
  grid.SetAutoCalculate(false);
  grid.Recalculate();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(features->Formulas().Values().Empty());
}

// "Error in: 1/" is far shorter than the box's title bar needs.
TEST(FormulasOnEnter, TheErrorBoxIsWideEnoughForItsTitle) {
  TzebGrid grid;
  tarno::test::FillGrid(grid, 3, 3);
  tarno::grid::InstallGridFeatures(grid);
  grid.Cells().SetText(1, 1, "=1/");
  QString title;
  int width = 0;
  tarno::test::OnModal<QMessageBox>([&](QMessageBox& box) {
    title = box.windowTitle();
    width = box.width();
    box.accept();
  });
  grid.Recalculate();
  EXPECT_EQ(title, "Formula error");
  QFont bold = QApplication::font();
  bold.setBold(true);
  EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + tarno::grid::kTitleBarAllowance);
}

}  // namespace
