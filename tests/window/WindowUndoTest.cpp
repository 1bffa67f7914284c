// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z over the real cable map: typing, a sort, a
// save in between, and Load starting afresh.
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class UndoTest : public SampleFilesWindow {
 protected:
  void SetUp() override {
    SampleFilesWindow::SetUp();
    ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  }
  grid::CellStore& Cells() { return window->Grid()->Cells(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(window->Grid(), key, modifiers); }
  void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
  void TypeName(int row, const char* text) {
    Cells().SetCol(NameColumn());
    Cells().SetRow(row);
    QTest::keyClicks(window->Grid(), text);
  }
  std::vector<std::string> Column(int col) const {
    std::vector<std::string> texts;
    for (int r = 1; r < window->Grid()->Cells().RowCount(); ++r) texts.push_back(CellText(col, r));
    return texts;
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QWidget* viewport = window->Grid()->viewport();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
  }
  void DragRow(int from, int to) {
    const auto centre = [this](int row) { return window->Grid()->CellRect(0, row).center(); };
    Mouse(QEvent::MouseButtonPress, centre(from), Qt::LeftButton);
    Mouse(QEvent::MouseMove, centre(to), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, centre(to), Qt::NoButton);
  }
  std::string CableFile() const { return tarno::test::ReadFile(ExtractFolder() + "map-CableD"); }
};

TEST_F(UndoTest, CtrlZUndoesTheTextTypedIntoACellAndCtrlYTypesItAgain) {
  const std::string loaded = CellText(NameColumn(), 2);
  TypeName(2, "Typed");
  TypeName(3, "More");
  ASSERT_EQ(CellText(NameColumn(), 2), "Typed");
  Undo();
  Undo();  // the whole text typed into row 2 at once
  EXPECT_EQ(CellText(NameColumn(), 2), loaded);
  EXPECT_FALSE(Cells().Edited(NameColumn(), 2));
  EXPECT_EQ(Cells().Row(), 2);  // back where the change was
  EXPECT_FALSE(window->HasUnsavedEdits());
  EXPECT_EQ(static_cast<QLineEdit*>(window->Grid()->CellEditor())->text().toStdString(), loaded);

  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(CellText(NameColumn(), 2), "Typed");
  EXPECT_TRUE(window->HasUnsavedEdits());
}

TEST_F(UndoTest, CtrlZPutsTheRowsBackAfterASortAndCtrlShiftZSortsThemAgain) {
  const std::vector<std::string> loaded = Column(NameColumn());
  Cells().SetCol(NameColumn());
  Cells().SetRow(4);
  Click("btnReorder");
  const std::vector<std::string> sorted = Column(NameColumn());
  ASSERT_NE(sorted, loaded);
  Undo();
  EXPECT_EQ(Column(NameColumn()), loaded);
  EXPECT_EQ(Cells().Col(), NameColumn());
  EXPECT_EQ(Cells().Row(), 4);
  EXPECT_FALSE(window->HasUnsavedEdits());
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Column(NameColumn()), sorted);
}

// Escape takes the typing back without leaving a step to undo; a dragged row
// is one step.
TEST_F(UndoTest, EscapeLeavesNothingToUndoAndADraggedRowIsUndoneWhole) {
  const std::vector<std::string> loaded = Column(NameColumn());
  DragRow(6, 2);
  ASSERT_EQ(CellText(NameColumn(), 2), loaded[5]);
  TypeName(4, "Escaped");
  Key(Qt::Key_Escape, Qt::NoModifier);
  EXPECT_EQ(CellText(NameColumn(), 4), loaded[2]);
  EXPECT_FALSE(Cells().Edited(NameColumn(), 4));
  Undo();  // the drag, not the typing
  EXPECT_EQ(Column(NameColumn()), loaded);
  EXPECT_FALSE(window->HasUnsavedEdits());
}

TEST_F(UndoTest, SavingAfterAnUndoneEditWritesTheFileAsLoaded) {
  const std::string loaded = CableFile();
  TypeName(2, "Typed");
  Undo();
  Click("btnSave");
  EXPECT_EQ(CableFile(), loaded);

  // Undo past a save: unsaved again; redo back to the state saved: nothing to save.
  TypeName(5, "Saved");
  Click("btnSave");
  ASSERT_NE(CableFile(), loaded);
  EXPECT_FALSE(window->HasUnsavedEdits());
  Undo();
  EXPECT_TRUE(window->HasUnsavedEdits());
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_FALSE(window->HasUnsavedEdits());
  Undo();
  Click("btnSave");
  EXPECT_EQ(CableFile(), loaded);
}

TEST_F(UndoTest, LoadStartsAFreshHistory) {
  TypeName(2, "Typed");
  Load(ExtractFolder() + "map-CableD");  // the question is answered No
  const std::string loaded = CellText(NameColumn(), 2);
  Undo();
  EXPECT_EQ(CellText(NameColumn(), 2), loaded);
  EXPECT_FALSE(window->HasUnsavedEdits());
  EXPECT_TRUE(Shown("txtUndo"));
  EXPECT_TRUE(Text("txtUndo").contains("CTRL-Z"));
}

}  // namespace
}  // namespace tarno::window::test
