#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "GridFeatures.h"
#include "GridPrintSupport.h"
#include "TzebGridCellNamesF.h"

namespace {

using tarno::test::OnModal;

class CellNamesTest : public ::testing::Test {
 protected:
  CellNamesTest() {
    tarno::test::FillGrid(grid, 30, 10);
    features = tarno::grid::InstallGridFeatures(grid);
    features->ShowMessage = [this](const QString& text) { messages << text; };
    grid.show();
  }
  void OpenWith(std::function<void(TzebGridCellNamesF&)> work) {
    OnModal<TzebGridCellNamesF>(std::move(work));
    QTest::keyClick(&grid, Qt::Key_N, Qt::ControlModifier);
  }

  TzebGrid grid;
  tarno::grid::GridFeatures* features = nullptr;
  QStringList messages;
};

TEST_F(CellNamesTest, CtrlNShowsTheCurrentCellInA1Form) {
  grid.SetCol(27);
  grid.SetRow(5);
  QString shown;
  OpenWith([&](TzebGridCellNamesF& dialog) {
    shown = dialog.windowTitle() + " " + dialog.edValue->text() + " [" + dialog.edName->text() + "]";
    dialog.btnCancel->click();
  });
  EXPECT_EQ(shown, "CellNames Dialog AA5 []");
}

TEST_F(CellNamesTest, ANameAddedWithOkNamesTheCellForHintsAndFormulas) {
  grid.Cells().SetText(3, 3, "21");
  grid.SetCol(3);
  grid.SetRow(3);
  OpenWith([](TzebGridCellNamesF& dialog) {
    dialog.edName->setText("total");
    dialog.btnAdd->click();
    dialog.btnOK->click();
  });
  EXPECT_EQ(features->CellHint(3, 3), "total");
  grid.Cells().SetText(3, 3, "=2*3");
  EXPECT_EQ(features->CellHint(3, 3), "total\n=2*3");
  grid.Cells().SetText(3, 3, "21");
  grid.Cells().SetText(1, 1, "=total * 2");
  features->EvaluateFormulas();
  EXPECT_EQ(features->Formulas().Values().At(1, 1), 42);
  EXPECT_EQ(features->CellHint(2, 2), "");

  // Opening again on the named cell selects its entry.
  int selected = -2;
  OpenWith([&](TzebGridCellNamesF& dialog) {
    selected = dialog.NamesList->currentRow();
    dialog.btnCancel->click();
  });
  EXPECT_EQ(selected, 0);
}

TEST_F(CellNamesTest, DuplicatesAreRefusedAndCancelKeepsTheNames) {
  features->Names().Add("total", "C3");
  features->Names().Add("first", "A1");
  QStringList dialogMessages;
  OpenWith([&](TzebGridCellNamesF& dialog) {
    dialog.ShowMessage = [&](const QString& text) { dialogMessages << text; };
    dialog.Ask = [](const QString& question) { return question == "Clear all names?"; };
    dialog.edName->setText("total");
    dialog.btnAdd->click();
    dialog.btnClear->click();
    dialog.btnCancel->click();
  });
  EXPECT_EQ(dialogMessages, QStringList{"Name total allready exists"});
  EXPECT_EQ(features->Names().Entries().size(), 2u);
}

TEST_F(CellNamesTest, ListClicksDeleteAndClearWorkOnTheDialogsCopy) {
  tarno::grid::CellNames names;
  names.Add("total", "C3");
  names.Add("first", "A1");
  TzebGridCellNamesF dialog(names, "", "A1");
  dialog.show();
  QListWidget* list = dialog.NamesList;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(dialog.edName->text(), "first");
  EXPECT_EQ(dialog.edValue->text(), "A1");
  dialog.btnDelete->click();
  ASSERT_EQ(dialog.Names().Entries().size(), 1u);
  EXPECT_EQ(list->count(), 1);
  dialog.Ask = [](const QString&) { return false; };
  dialog.btnClear->click();
  EXPECT_EQ(list->count(), 1);
  dialog.Ask = [](const QString&) { return true; };
  dialog.btnClear->click();
  EXPECT_TRUE(dialog.Names().Empty());
  EXPECT_EQ(names.Entries().size(), 2u);
}

TEST_F(CellNamesTest, OkMovesToTheTypedCellInsideTheDataAreaOnly) {
  OpenWith([](TzebGridCellNamesF& dialog) {
    dialog.edValue->setText("b7");
    dialog.btnOK->click();
  });
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 7);
  for (const char* outside : {"B99", "A0", "7", "nonsense"}) {
    OpenWith([outside](TzebGridCellNamesF& dialog) {
      dialog.edValue->setText(outside);
      dialog.btnOK->click();
    });
    EXPECT_EQ(grid.Col(), 2) << outside;
    EXPECT_EQ(grid.Row(), 7) << outside;
  }
}

}  // namespace
