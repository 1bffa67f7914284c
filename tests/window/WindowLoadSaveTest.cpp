// Load, "Save" and "Save as ...": dialogs, log lines, status texts, record
// order, cancelling, and errors that end a command without ending the program.
#include <QApplication>
#include <QPushButton>

#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class LoadSaveTest : public SampleFilesWindow {
 protected:
  std::string CableFile() const { return tarno::test::ReadFile(ExtractFolder() + "map-CableD"); }
  static std::string Record(const std::string& file, int index) {
    return file.substr(static_cast<size_t>(index) * kCableRecordSize, kCableRecordSize);
  }
};

TEST_F(LoadSaveTest, LoadShowsTheFileAndItsCommands) {
  Click("btnClear");
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  EXPECT_EQ(window->LogLines(), QStringList({"Loading map-CableD", "Data loaded"}));
  EXPECT_EQ(window->windowTitle(), "  File 'map-CableD' loaded");
  EXPECT_EQ(Text("txtLoadedFile"), "File 'map-CableD' loaded");
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
  ASSERT_NE(window->Grid(), nullptr);
  EXPECT_EQ(window->Grid()->RowCount(), 1001);
  EXPECT_TRUE(window->Grid()->BandsShow());
  EXPECT_EQ(window->Grid()->font().family(), "Bitstream Vera Sans Mono");
  EXPECT_EQ(window->Grid()->font().pointSize(), 9);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  for (const char* name : {"btnSave", "btnSaveAs", "btnExport", "btnImport", "btnReorder", "btnRenumber", "txtF1",
                           "txtFind", "chkOriginalRecord", "chkUpdateCrc", "btnSetMoveRow"})
    EXPECT_TRUE(Shown(name)) << name;
  // The cable map has no header word: records are neither added nor removed.
  EXPECT_FALSE(Shown("btnAddRecord"));
  EXPECT_FALSE(Shown("btnDeleteRecord"));

  ASSERT_EQ(dialogs->openRequests.size(), 1u);
  const FileDialogRequest& request = dialogs->openRequests[0];
  EXPECT_EQ(request.title, "Select database or setting file to edit");
  EXPECT_EQ(request.filter, "Television files|*.*|Database files|*.dat|All files|*.*");
  EXPECT_EQ(request.initialFolder, ExtractFolder());
  EXPECT_TRUE(request.mustExist);
}

TEST_F(LoadSaveTest, AFileWithoutLayoutLogsTwoLinesAndClearsThePanel) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  tarno::test::WriteFile(ExtractFolder() + "Unlisted.bin", "abcd");
  Click("btnClear");
  Load(ExtractFolder() + "Unlisted.bin");
  EXPECT_EQ(window->LogLines(),
            QStringList({"Loading Unlisted.bin", "Processing Unlisted.bin failed (none/invalid INI setting)"}));
  EXPECT_EQ(window->windowTitle(), "  No file loaded");
  EXPECT_EQ(Text("txtLoadedFile"), "No file loaded");
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_FALSE(Shown("btnSave"));
  EXPECT_EQ(window->LoadedFileName(), "Unlisted.bin");
}

TEST_F(LoadSaveTest, AnEditedCellIsSavedAndComesBackOnReload) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string before = CableFile();
  window->Grid()->Cells().SetText(NameColumn(), 1, "Edited One");
  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + ExtractFolder() + "map-CableD");
  EXPECT_FALSE(CableFile() == before);
  EXPECT_EQ(CableFile().size(), before.size());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  EXPECT_EQ(CellText(NameColumn(), 1), "Edited One");
}

TEST_F(LoadSaveTest, SaveAsProposesTheExtractedNameAndWritesWhereChosen) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string target = dir.File("copy-of-map");
  dialogs->Answer(target);
  Click("btnSaveAs");
  ASSERT_EQ(dialogs->saveRequests.size(), 1u);
  EXPECT_EQ(dialogs->saveRequests[0].fileName, ExtractFolder() + "map-CableD");
  EXPECT_TRUE(dialogs->saveRequests[0].title.empty());
  EXPECT_TRUE(dialogs->saveRequests[0].filter.empty());
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + target);

  // "Save" afterwards still writes the extracted file, with the same records.
  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + ExtractFolder() + "map-CableD");
  EXPECT_TRUE(tarno::test::ReadFile(target) == CableFile());

  // Cancelling "Save as ..." writes and logs nothing.
  const int lines = static_cast<int>(window->LogLines().size());
  Click("btnSaveAs");
  EXPECT_EQ(window->LogLines().size(), lines);
}

TEST_F(LoadSaveTest, KeepingTheOriginalOrderIgnoresRowMovesAndOtherwiseFollowsThem) {
  SetChecked("chkUpdateCrc", false);
  const std::string stored = CableFile();
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  Click("btnSave");  // nothing edited: the file as it was
  EXPECT_TRUE(CableFile() == stored);
  ASSERT_FALSE(Record(stored, 0) == Record(stored, 1));

  window->Grid()->Cells().MoveRow(1, 3);  // rows now show records 1, 2, 0, 3, ...
  SetChecked("chkOriginalRecord", true);
  Click("btnSave");
  EXPECT_TRUE(CableFile() == stored);

  SetChecked("chkOriginalRecord", false);
  Click("btnSave");
  // Whole records move, check bytes included.
  const std::string reordered = CableFile();
  EXPECT_TRUE(Record(reordered, 0) == Record(stored, 1));
  EXPECT_TRUE(Record(reordered, 1) == Record(stored, 2));
  EXPECT_TRUE(Record(reordered, 2) == Record(stored, 0));
  EXPECT_TRUE(reordered.substr(3 * kCableRecordSize) == stored.substr(3 * kCableRecordSize));
}

TEST_F(LoadSaveTest, CancellingLoadKeepsTheLoadedFile) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  TzebGrid* grid = window->Grid();
  const TDataObject* data = window->DataObject();
  const int lines = static_cast<int>(window->LogLines().size());
  Click("btnLoad");  // cancelled
  EXPECT_EQ(window->LogLines().size(), lines);
  EXPECT_EQ(window->DataObject(), data);
  EXPECT_EQ(window->Grid(), grid);
  EXPECT_TRUE(Shown("btnSave"));
  EXPECT_TRUE(Shown("btnSaveAs"));
  EXPECT_EQ(Text("txtLoadedFile"), "File 'map-CableD' loaded");
  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + ExtractFolder() + "map-CableD");
}

TEST_F(LoadSaveTest, AFileFromElsewhereIsSavedBackWhereItCameFrom) {
  std::filesystem::create_directories(dir.Path() / "elsewhere");
  std::filesystem::rename(ExtractFolder() + "map-CableD", dir.File("elsewhere/map-CableD"));
  Load(dir.File("elsewhere/map-CableD"));
  EXPECT_EQ(LastLog(), "Data loaded");
  EXPECT_EQ(window->LoadedFilePath(), dir.File("elsewhere/map-CableD"));
  window->Grid()->Cells().SetText(NameColumn(), 1, "Elsewhere");
  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + dir.File("elsewhere/map-CableD"));
  EXPECT_FALSE(std::filesystem::exists(ExtractFolder() + "map-CableD"));
  EXPECT_NE(tarno::test::ReadFile(dir.File("elsewhere/map-CableD")).find(std::string("\0E\0l\0s\0e", 8)),
            std::string::npos);
}

TEST_F(LoadSaveTest, ACellThatCannotBeStoredStopsTheSaveBeforeAnyDialog) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string before = CableFile();
  window->Grid()->Cells().SetText(1, 1, "not a number");
  Click("btnSaveAs");
  EXPECT_EQ(LastLog(), "Error in data");
  EXPECT_TRUE(dialogs->saveRequests.empty());
  EXPECT_TRUE(CableFile() == before);
}

// Errors raised inside a command end it, appear in a message box, and leave
// the window usable with the cursor restored.
class CommandErrorTest : public LoadSaveTest {
 protected:
  void ExpectErrorShown(const std::string& part) {
    ASSERT_EQ(dialogs->errors.size(), 1u);
    EXPECT_NE(dialogs->errors[0].find(part), std::string::npos) << dialogs->errors[0];
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    dialogs->errors.clear();
  }
};

TEST_F(CommandErrorTest, ASizeMismatchIsShownAndTheNextLoadWorks) {
  tarno::test::WriteFile(ExtractFolder() + "map-CableD", std::string(100, '\0'));
  Load(ExtractFolder() + "map-CableD");
  ExpectErrorShown("LoadFromStream failed (probably size mismatch)");
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_FALSE(Shown("btnSave"));

  ExtractSampleFiles();
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  EXPECT_EQ(LastLog(), "Data loaded");
  EXPECT_TRUE(dialogs->errors.empty());
}

TEST_F(CommandErrorTest, AnUnreadableSettingsFileIsShown) {
  std::filesystem::remove(dir.File("TarnoChannelEdit.ini"));
  Load(ExtractFolder() + "map-CableD");
  ExpectErrorShown("TarnoChannelEdit.ini");
  EXPECT_EQ(window->DataObject(), nullptr);
}

TEST_F(CommandErrorTest, MoreRecordsThanTheGridHoldsIsShownAndNothingStaysLoaded) {
  tarno::test::WriteFile(ExtractFolder() + "PtcCable", std::string(65536 * 12, '\0'));
  Load(ExtractFolder() + "PtcCable");
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_FALSE(Shown("btnSave"));
}

TEST_F(CommandErrorTest, AFileThatCannotBeCreatedEndsTheSave) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  std::filesystem::remove_all(ExtractFolder());
  Click("btnSave");
  ExpectErrorShown("map-CableD");
  EXPECT_TRUE(Shown("btnSave"));
  Click("btnSave");  // still usable: the same error again
  EXPECT_EQ(dialogs->errors.size(), 1u);
}

}  // namespace
}  // namespace tarno::window::test
