// The window's keys and grid buttons over a loaded channel map: search, clear
// row, move row with its target caption, and keys with nothing loaded.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "GridCommandTable.h"
#include "RunProgram.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class KeysTest : public SampleFilesWindow {
 protected:
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = window->Grid() ? static_cast<QWidget*>(window->Grid()) : Control("btnLoad");
    QTest::keyClick(focus, key, modifiers);
  }
};

TEST_F(KeysTest, CtrlFSearchesOnlyWithAGridAndF3FindsTheNextMatch) {
  Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(dialogs->searches, 0);

  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string wanted = CellText(NameColumn(), 3);
  ASSERT_FALSE(wanted.empty());
  dialogs->searchAnswer = wanted;
  Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(dialogs->searches, 1);
  EXPECT_EQ(window->Grid()->Col(), NameColumn());
  EXPECT_LE(window->Grid()->Row(), 3);
  EXPECT_NE(QString::fromStdString(CellText(NameColumn(), window->Grid()->Row())).toUpper().indexOf(
                QString::fromStdString(wanted).toUpper()),
            -1);
  EXPECT_EQ(window->SearchText(), QString::fromStdString(wanted).toUpper().toStdString());

  // F3 goes on below the match; an empty search text (Escape) stops it.
  const int found = window->Grid()->Row();
  Key(Qt::Key_F3);
  EXPECT_GE(window->Grid()->Row(), found);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  dialogs->searchAnswer.clear();
  Key(Qt::Key_F, Qt::ControlModifier);
  const int stayed = window->Grid()->Row();
  Key(Qt::Key_F3);
  EXPECT_EQ(window->Grid()->Row(), stayed);
}

TEST_F(KeysTest, F4MovesTheCurrentRowToTheTargetAndTheCaptionFollows) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string third = CellText(NameColumn(), 3);
  window->Grid()->SetRow(3);
  Key(Qt::Key_F4);
  EXPECT_EQ(CellText(NameColumn(), 1), third);
  EXPECT_EQ(window->MoveToRow(), 2);
  EXPECT_NE(Control<QPushButton>("btnSetMoveRow")->text(), "Move to row: 1");
  EXPECT_NE(Control<QPushButton>("btnSetMoveRow")->text().indexOf("2"), -1);
}

TEST_F(KeysTest, F1ClearsTheRecordOfTheCurrentRow) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  ASSERT_FALSE(CellText(NameColumn(), 2).empty());
  window->Grid()->SetRow(2);
  Key(Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(CellText(NameColumn(), 2).empty() || CellText(NameColumn(), 2) != CellText(NameColumn(), 1));
  Click("btnSave");
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  EXPECT_NE(CellText(1, 2), "00002");
}

// The command-line tool runs the same grid commands as the window's keys and buttons.
TEST_F(KeysTest, TarnoCliEditGivesTheFileTheSameStepsGiveInTheWindow) {
  std::filesystem::create_directory(dir.Path() / "original");  // the layout follows the file's bare name
  const std::string original = dir.File("original/map-CableD");
  std::filesystem::copy_file(ExtractFolder() + "map-CableD", original);
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const int name = NameColumn();
  window->Grid()->SetCol(name);
  window->Grid()->SetRow(3);
  Key(Qt::Key_F4);  // to the move target, row 1
  window->Grid()->SetRow(2);
  window->Grid()->Cells().SetText(name, 2, "Renamed channel");
  Click("btnSave");
  ASSERT_EQ(LastLog().toStdString(), "Data saved as " + ExtractFolder() + "map-CableD");

  const std::string column = std::to_string(name);
  const auto edited = tarno::test::RunProgram(
      "tarno-cli", {"edit", "--ini", dir.File("TarnoChannelEdit.ini"), "--script", dir.File("TarnoChannelEdit.rops"),
                    "--crc", original, dir.File("cli-map-CableD"), "select=" + column + ",3", "move-row",
                    "select=" + column + ",2", "type=Renamed channel"});
  ASSERT_EQ(edited.exitCode, 0) << edited.err;
  EXPECT_TRUE(tarno::test::ReadFile(dir.File("cli-map-CableD")) == tarno::test::ReadFile(ExtractFolder() + "map-CableD"));
  EXPECT_FALSE(tarno::test::ReadFile(original) == tarno::test::ReadFile(dir.File("cli-map-CableD")));
}

TEST_F(KeysTest, FunctionKeysWithNothingLoadedDoNoHarm) {
  for (Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) Key(key);
  EXPECT_EQ(window->LogLines().first(), "Log started");
  EXPECT_TRUE(dialogs->errors.empty());
  EXPECT_FALSE(Shown("btnReadWrite"));
}

// Every button of the grid commands is the table's: its place, caption and
// hint; each runs its command on the list on show, as one step to undo.
TEST_F(KeysTest, TheGridCommandButtonsAreTheTablesAndRunItsCommands) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  for (const editing::GridCommandSpec& command : editing::GridCommands()) {
    if (!command.button.Exists()) continue;
    SCOPED_TRACE(std::string(command.step));
    auto* button = Control<QPushButton>(std::string(command.buttonName).c_str());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(command.button.x, command.button.y, command.button.width,
                                        command.button.height));
    if (command.step != "set-move-target") {  // its caption shows the target
      EXPECT_EQ(button->text(), QString::fromStdString(std::string(command.caption)));
    }
    EXPECT_EQ(button->property("hint").toString(), QString::fromStdString(std::string(command.hint)));
  }
  const std::string first = CellText(NameColumn(), 1);
  window->Grid()->SetCol(NameColumn());
  window->Grid()->SetRow(1);
  Click("btnReorder");
  ASSERT_TRUE(window->HasUnsavedEdits());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(window->HasUnsavedEdits());
  EXPECT_EQ(CellText(NameColumn(), 1), first);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(window->HasUnsavedEdits());
}

}  // namespace
}  // namespace tarno::window::test
