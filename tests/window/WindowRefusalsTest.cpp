// Refusals that keep a file's data where it belongs, in the window: a name
// typed beyond the room its field has, a name saved without that room, a CSV
// of another list and a dump with more records than the file. Each says why,
// and the grid and the file stay as they were.
#include <QLineEdit>
#include <QTest>

#include "TarnoChannelEditUnit002.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class RefusalTest : public SampleFilesWindow {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int row = 1; row < window->Grid()->RowCount(); ++row) names.push_back(CellText(NameColumn(), row));
    return names;
  }
  std::string EditorText() const {
    return static_cast<QLineEdit*>(window->Grid()->CellEditor())->text().toStdString();
  }
  std::string CableFile() const { return tarno::test::ReadFile(ExtractFolder() + "map-CableD"); }
};

TEST_F(RefusalTest, ATypedNameStopsWhereItsFieldHasNoMoreRoom) {
  Load(ExtractFolder() + "map-AirA");
  ASSERT_NE(window->Grid(), nullptr);
  window->Grid()->Cells().SetCol(NameColumn());
  window->Grid()->Cells().SetRow(1);
  QTest::keyClicks(window->Grid(), "ABCDEF");
  EXPECT_EQ(CellText(NameColumn(), 1), "ABCDE");
  EXPECT_EQ(EditorText(), "ABCDE");
  EXPECT_EQ(LastLog(), "Name 'ABCDEF' is too long: at most 5 characters fit");

  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + ExtractFolder() + "map-AirA");
}

TEST_F(RefusalTest, ASaveOfANameWithoutRoomFailsWithTheReasonAndKeepsTheFile) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string original = CableFile();
  const std::string name(100, 'A');
  window->Grid()->Cells().SetText(NameColumn(), 1, name);  // as an import sets a cell, unchecked
  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Error in data: Name '" + name + "' is too long: at most 99 characters fit");
  EXPECT_TRUE(CableFile() == original);
}

TEST_F(RefusalTest, ACsvOfAnotherListIsRefused) {
  const std::string other = dir.File("other");
  std::filesystem::create_directories(other);
  ASSERT_TRUE(tarno::test::ExtractSample("channel_list_UE32J5170_1201_orig.scm", other));
  Load(other + "/map-CableD");
  const std::string csv = dir.File("other.csv");
  dialogs->Answer(csv);
  Click("btnExportCsv");
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::vector<std::string> names = Names();

  dialogs->Answer(csv);
  Click("btnImportCsv");
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0],
            "The CSV belongs to another list: 413 of 413 channels differ from the records they would change");
  EXPECT_EQ(Names(), names);
  EXPECT_FALSE(window->HasUnsavedEdits());
}

TEST_F(RefusalTest, ADumpWithMoreRecordsThanTheFileIsRefused) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string dump = dir.File("cable.txt");
  dialogs->Answer(dump);
  Click("btnExport");
  const std::string text = tarno::test::ReadFile(dump);
  const std::string lastLine = text.substr(text.rfind("\r\n", text.size() - 3) + 2);
  tarno::test::WriteFile(dump, text + lastLine + lastLine + lastLine);
  const std::vector<TDataByteArray> records = window->DataObject()->Records;

  dialogs->Answer(dump);
  Click("btnImport");
  EXPECT_EQ(LastLog(), "Data import failed: The dump has more records than the file (1000): line 1001 is one too many");
  EXPECT_EQ(window->DataObject()->Records, records);
  EXPECT_FALSE(window->HasUnsavedEdits());
}

}  // namespace
}  // namespace tarno::window::test
