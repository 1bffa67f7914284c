// Start-up, the log pane, "Reload script", the control table and its
// visibility, the window's keys and resizing.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "MessageBoxHook.h"
#include "ScriptObject.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

using StartTest = WindowFixture;

const std::vector<const char*> kAlwaysShown = {"btnExtract", "btnExit",          "btnLoad",      "btnClear",
                                               "btnReloadScript", "txtExtractedFile", "txtLoadedFile"};
const std::vector<const char*> kPanelControls = {
    "btnExtract",   "chkSaveArchive", "btnExit",       "txtExtractedFile", "txtLoadedFile",
    "btnLoad",      "btnSave",        "btnSaveAs",     "chkOriginalRecord", "chkUpdateCrc",
    "btnExport",    "btnImport",      "txtF1",         "txtF4",            "btnReorder",
    "btnRenumber",  "btnClearRow",    "btnMoveRow",    "btnSetMoveRow",    "btnIncrementalRenumber",
    "btnOrderedRenumber", "btnAddRecord", "btnDeleteRecord", "btnClear", "btnReloadScript",
    "btnReadWrite", "btnPtcCable",    "txtFind"};

TEST_F(StartTest, WithASoundScriptTheLogSaysSoAndReloadsRepeatIt) {
  WriteScript(kSoundScript);
  Start();
  EXPECT_EQ(window->LogLines(), QStringList({"Log started", "Script loaded without errors"}));
  EXPECT_TRUE(window->HasScript());
  EXPECT_NE(tarno::ScriptObject, nullptr);

  Click("btnReloadScript");
  EXPECT_EQ(window->LogLines().size(), 3);
  EXPECT_EQ(LastLog(), "Script loaded without errors");

  Click("btnClear");
  EXPECT_TRUE(window->LogLines().isEmpty());
  Click("btnClear");
  EXPECT_TRUE(window->LogLines().isEmpty());
  Click("btnReloadScript");
  EXPECT_EQ(window->LogLines(), QStringList({"Script loaded without errors"}));

  window.reset();
  EXPECT_EQ(tarno::ScriptObject, nullptr);
}

TEST_F(StartTest, WithoutAScriptTheErrorTextFollowsAndNoScriptIsCurrent) {
  Start();
  const QStringList lines = window->LogLines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], "Log started");
  EXPECT_FALSE(lines[1].isEmpty());
  EXPECT_FALSE(lines.contains("Script loaded without errors"));
  EXPECT_FALSE(window->HasScript());
  EXPECT_EQ(tarno::ScriptObject, nullptr);

  // A faulty script is reported the same way and leaves no script current.
  WriteScript("function Initialize(var V: Variant): Boolean;\r\nbegin\r\n  Result := True\r\n");
  Click("btnReloadScript");
  EXPECT_NE(LastLog(), "Script loaded without errors");
  EXPECT_EQ(tarno::ScriptObject, nullptr);
}

TEST_F(StartTest, PathsComeFromTheProgramFolder) {
  Start();
  EXPECT_EQ(window->ProgramFolder(), Folder());
  EXPECT_EQ(window->IniFileName(), Folder() + "TarnoChannelEdit.ini");
  EXPECT_EQ(window->ScriptFileName(), Folder() + "TarnoChannelEdit.rops");
  EXPECT_EQ(window->ExtractFolder(), Folder() + "Extracted/");
  EXPECT_EQ(window->MoveToRow(), 1);
  EXPECT_EQ(window->SearchText(), "");
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(window->Archive(), nullptr);
  EXPECT_EQ(window->windowTitle(), "  Tarno Channel Editor for Samsung TV's V1.01");
}

TEST_F(StartTest, WithNothingLoadedOnlyTheSevenStartControlsShow) {
  Start();
  for (const char* name : kPanelControls) {
    const bool expected = std::find_if(kAlwaysShown.begin(), kAlwaysShown.end(), [&](const char* shown) {
                            return std::string(shown) == name;
                          }) != kAlwaysShown.end();
    EXPECT_EQ(Shown(name), expected) << name;
  }
  EXPECT_EQ(Control<QPushButton>("btnSetMoveRow")->text(), "Move to row: 1");
}

TEST_F(StartTest, ControlsSitWhereTheFormPutsThem) {
  Start();
  window->resize(914, 793);  // the design size, where the screen has room for it
  EXPECT_EQ(Control("pnlDatabase")->geometry(), QRect(8, 8, 898, 449));
  EXPECT_EQ(Control("mmoInfo")->geometry(), QRect(8, 463, 898, 105));
  EXPECT_EQ(Control("scrButtons")->geometry(), QRect(8, 574, 890, 211));
  EXPECT_EQ(Control("pnlButtons")->mapTo(window.get(), QPoint(0, 0)), QPoint(8, 574));
  EXPECT_EQ(Control("pnlButtons")->size(), QSize(890, 211)) << "all of it in view, nothing to scroll";
  EXPECT_EQ(Control("btnExtract")->geometry(), QRect(7, 5, 101, 25));
  EXPECT_EQ(Control("chkOriginalRecord")->geometry(), QRect(114, 135, 95, 42));
  EXPECT_EQ(Control("btnIncrementalRenumber")->geometry(), QRect(505, 56, 116, 25));
  EXPECT_EQ(Control("btnPtcCable")->geometry(), QRect(770, 156, 101, 25));
  EXPECT_EQ(Control<QPushButton>("btnSaveAs")->text(), "Save as ...");
  EXPECT_EQ(Control<WrappedCheckBox>("chkUpdateCrc")->text(), "Generate new CRC's when saving");
  EXPECT_TRUE(Control<WrappedCheckBox>("chkSaveArchive")->isChecked());
  EXPECT_FALSE(Control<WrappedCheckBox>("chkOriginalRecord")->isChecked());
  EXPECT_TRUE(Control<WrappedCheckBox>("chkUpdateCrc")->isChecked());

  // Hints are shown on hover only where the form says so.
  EXPECT_EQ(Control("btnLoad")->toolTip(), "A file is loaded and displayed.");
  EXPECT_TRUE(Control("btnExit")->toolTip().isEmpty());
  EXPECT_FALSE(Control("btnExit")->property("hint").toString().isEmpty());
  EXPECT_TRUE(Control("txtLoadedFile")->toolTip().isEmpty());

  const QFont exitFont = Control("btnExit")->font();
  EXPECT_EQ(exitFont.pointSize(), 14);
  EXPECT_TRUE(exitFont.bold());
  EXPECT_TRUE(Control("txtF1")->font().bold());
  EXPECT_EQ(Control("mmoInfo")->font().family(), "Bitstream Vera Sans Mono");
  EXPECT_EQ(Control("mmoInfo")->font().pointSize(), 10);
  EXPECT_TRUE(Control<QPlainTextEdit>("mmoInfo")->isReadOnly());
}

TEST_F(StartTest, TabOrderFollowsTheButtonPanel) {
  Start();
  const std::vector<QWidget*> expected = {
      Control("btnExtract"), Control<WrappedCheckBox>("chkSaveArchive")->Box(), Control("btnWriteArchive"),
      Control("btnRestoreOriginal"), Control("btnExit"),
      Control("btnLoad"), Control("btnSave"), Control("btnSaveAs"), Control("btnExport"), Control("btnImport"),
      Control<WrappedCheckBox>("chkOriginalRecord")->Box(), Control<WrappedCheckBox>("chkUpdateCrc")->Box(),
      // the grid commands' buttons column by column, top to bottom
      Control("btnReorder"), Control("btnRenumber"), Control("btnClearRow"), Control("btnMoveRow"),
      Control("btnSetMoveRow"), Control("btnIncrementalRenumber"), Control("btnOrderedRenumber"),
      Control("btnExportCsv"), Control("btnImportCsv"), Control("btnAddRecord"), Control("btnDeleteRecord"),
      Control("btnApplyReference"), Control("btnRemoveDuplicates"), Control("btnExportReference"), Control("btnClear"),
      Control("btnReloadScript"), Control("btnReadWrite"), Control("btnPtcCable")};
  QWidget* widget = expected.front();
  for (size_t i = 1; i < expected.size(); ++i) {
    widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
    EXPECT_EQ(widget, expected[i]) << "after " << i - 1;
  }
}

TEST_F(StartTest, GrowingTheWindowGrowsOnlyTheGridPanel) {
  Start();
  window->resize(1014, 893);  // from the design size, 100 pixels either way
  EXPECT_EQ(Control("pnlDatabase")->geometry(), QRect(8, 8, 998, 549));
  EXPECT_EQ(Control("mmoInfo")->geometry(), QRect(8, 563, 998, 105));
  EXPECT_EQ(Control("scrButtons")->geometry(), QRect(8, 674, 990, 211));
  EXPECT_EQ(Control("pnlButtons")->size(), QSize(990, 211));
  EXPECT_EQ(Control("btnClear")->geometry(), QRect(770, 7, 101, 25));
}

TEST_F(StartTest, F12ShowsTheDiagnosticButtonsForGood) {
  Start();
  QTest::keyClick(Control("btnLoad"), Qt::Key_F12);
  EXPECT_TRUE(Shown("btnReadWrite"));
  EXPECT_TRUE(Shown("btnPtcCable"));
  Load(Folder() + "missing-layout");  // a failed load
  dialogs->Answer(std::nullopt);
  Click("btnExtract");
  EXPECT_TRUE(Shown("btnReadWrite"));
  EXPECT_TRUE(Shown("btnPtcCable"));
}

TEST_F(StartTest, ScriptMessageBoxesReachTheWindowsDialogs) {
  Start();
  dialogs->boxAnswer = 7;
  EXPECT_EQ(tarno::ShowScriptMessageBox("Really?", "Script", 4 | 0x20), 7);
  ASSERT_EQ(dialogs->boxes.size(), 1u);
  EXPECT_EQ(dialogs->boxes[0].text, "Really?");
  EXPECT_EQ(dialogs->boxes[0].mode, 0x24);
}

}  // namespace
}  // namespace tarno::window::test
