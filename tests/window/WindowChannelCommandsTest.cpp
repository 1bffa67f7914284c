// The channel commands in the window: the grid's menu on a range of rows, one
// step to undo; the check before saving.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class ChannelCommandsTest : public SampleFilesWindow {
 protected:
  int Column(const QString& caption) const {
    const auto& cells = window->Grid()->Cells();
    for (int col = 1; col < cells.ColCount(); ++col)
      if (QString::fromStdString(std::string(cells.Text(col, 0))).trimmed() == caption) return col;
    ADD_FAILURE() << "no column " << caption.toStdString();
    return 1;
  }
  // Rows first to last selected as the user does: a click, then Shift+Down.
  void SelectRows(int first, int last) {
    window->Grid()->SetRow(first);
    for (int row = first; row < last; ++row) QTest::keyClick(window->Grid(), Qt::Key_Down, Qt::ShiftModifier);
  }
  // Opens the grid's menu and picks the item path ("Lock", "on").
  void ChooseFromMenu(const QStringList& path) {
    bool chosen = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      QMenu* level = menu;
      for (const QString& text : path) {
        QAction* found = nullptr;
        for (QAction* action : level->actions())
          if (action->text() == text) found = action;
        ASSERT_NE(found, nullptr) << text.toStdString();
        if (found->menu()) {
          level = found->menu();
        } else {
          menu->close();
          found->trigger();
          chosen = true;
        }
      }
    });
    emit window->Grid()->customContextMenuRequested(QPoint(5, 5));
    EXPECT_TRUE(chosen);
  }
};

TEST_F(ChannelCommandsTest, TheMenuLocksTheSelectedRowsInOneStep) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const int lock = Column("Lock");
  const std::string unselected = CellText(lock, 5);
  SelectRows(2, 4);
  ChooseFromMenu({"Lock", "on"});
  for (int row = 2; row <= 4; ++row) EXPECT_NE(CellText(lock, row), "") << row;
  EXPECT_EQ(CellText(lock, 5), unselected);
  EXPECT_TRUE(window->HasUnsavedEdits());
  QTest::keyClick(window->Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(window->HasUnsavedEdits());
}

TEST_F(ChannelCommandsTest, SaveAsksAboutANumberTwiceAndGoesBackToItsRow) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string file = ExtractFolder() + "map-CableD";
  const std::string before = tarno::test::ReadFile(file);
  const int number = Column("Nr");
  window->Grid()->Cells().SetText(number, 5, CellText(number, 2));
  window->Grid()->SetRow(9);
  dialogs->choices.push_back("Back to the list");
  Click("btnSave");
  ASSERT_FALSE(dialogs->questions.empty());
  EXPECT_NE(dialogs->questions.back().text.find("The list has 1 problems:"), std::string::npos)
      << dialogs->questions.back().text;
  EXPECT_EQ(window->Grid()->Row(), 2);
  EXPECT_EQ(tarno::test::ReadFile(file), before);

  dialogs->choices.push_back("Save anyway");
  Click("btnSave");
  EXPECT_NE(tarno::test::ReadFile(file), before);
  EXPECT_FALSE(window->HasUnsavedEdits());
}

}  // namespace
}  // namespace tarno::window::test
