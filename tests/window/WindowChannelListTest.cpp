// "Export CSV…", "Import CSV…", "Apply reference list…" and "Remove
// duplicates" in the window, on the sample's cable map: their dialogs, their
// log lines, and errors that reach the message box with the grid unchanged.
#include <QPushButton>

#include "TarnoChannelEditUnit002.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

constexpr const char* kChannelListButtons[] = {"btnExportCsv", "btnImportCsv", "btnApplyReference",
                                               "btnRemoveDuplicates", "btnExportReference"};
constexpr int kNumberColumn = 1;

class ChannelListTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    WriteDefaultScript();
    ExtractSampleFiles();
    Start();
  }
  int ColumnCaptioned(const std::string& caption) const {
    const auto& cells = window->Grid()->Cells();
    for (int col = 1; col < cells.ColCount(); ++col)
      if (QString::fromStdString(std::string(cells.Text(col, 0))).trimmed().toStdString() == caption) return col;
    ADD_FAILURE() << "no column " << caption;
    return 1;
  }
  std::vector<std::string> Column(int col) const {
    std::vector<std::string> texts;
    for (int row = 1; row < window->Grid()->RowCount(); ++row) texts.push_back(CellText(col, row));
    return texts;
  }
  std::string ExportedCsv() {
    const std::string path = dir.File("list.csv");
    dialogs->Answer(path);
    Click("btnExportCsv");
    return tarno::test::ReadFile(path);
  }
  void ImportCsv(const std::string& text) {
    tarno::test::WriteFile(dir.File("in.csv"), text);
    dialogs->Answer(dir.File("in.csv"));
    Click("btnImportCsv");
  }
};

TEST_F(ChannelListTest, TheCommandsAreThereWhileAFileIsLoaded) {
  for (const char* name : kChannelListButtons) EXPECT_FALSE(Shown(name)) << name;
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  for (const char* name : kChannelListButtons) EXPECT_TRUE(Shown(name)) << name;
  EXPECT_EQ(Control<QPushButton>("btnExportCsv")->text(), QStringLiteral("Export CSV…"));
  EXPECT_EQ(Control<QPushButton>("btnImportCsv")->text(), QStringLiteral("Import CSV…"));
  EXPECT_EQ(Control<QPushButton>("btnApplyReference")->text(), QStringLiteral("Apply reference list…"));
  EXPECT_EQ(Control<QPushButton>("btnRemoveDuplicates")->text(), QStringLiteral("Remove duplicates"));
  EXPECT_EQ(Control<QPushButton>("btnExportReference")->text(), QStringLiteral("Export reference list…"));
}

TEST_F(ChannelListTest, ExportThenImportInAnotherOrder) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string csv = ExportedCsv();
  ASSERT_EQ(dialogs->saveRequests.size(), 1u);
  EXPECT_EQ(dialogs->saveRequests[0].fileName, ExtractFolder() + "map-CableD.csv");
  EXPECT_EQ(dialogs->saveRequests[0].filter, "CSV files|*.csv|All files|*.*");
  EXPECT_EQ(LastLog().toStdString(), "CSV exported as " + dir.File("list.csv"));

  // The first two channels swapped, the first one renamed.
  const size_t first = csv.find("\r\n") + 2;
  const size_t second = csv.find("\r\n", first) + 2;
  const size_t third = csv.find("\r\n", second) + 2;
  std::string row1 = csv.substr(first, second - first);
  const std::string row2 = csv.substr(second, third - second);
  const std::string name = CellText(NameColumn(), 1);
  row1.replace(row1.find(name), name.size(), "Renamed");
  ImportCsv(csv.substr(0, first) + row2 + row1 + csv.substr(third));
  EXPECT_EQ(LastLog().toStdString(), "CSV imported from " + dir.File("in.csv") + ": 1 cells changed, 2 rows moved");
  EXPECT_EQ(CellText(NameColumn(), 2), "Renamed");
  EXPECT_EQ(window->Grid()->Cells().Tag(1, 1) >> 16, 1);  // row 1 shows the second record
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ChannelListTest, ACsvThatDoesNotFitIsShownAndChangesNothing) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::vector<std::string> names = Column(NameColumn());
  ImportCsv("#,Name\r\n1,One\r\n1,Again\r\n");
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0], "Line 3 of the CSV lists record 1 again (first on line 2)");
  EXPECT_EQ(Column(NameColumn()), names);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ChannelListTest, AReferenceListNumbersTheChannels) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  // A reference that numbers the first two channels the other way round.
  const int sid = ColumnCaptioned("SID"), tsid = ColumnCaptioned("TSID"), onid = ColumnCaptioned("ONID");
  std::string reference = "Nr,SID,TSID,ONID\r\n";
  for (const auto& [row, number] : {std::pair{1, "2"}, std::pair{2, "1"}})
    reference += std::string(number) + "," + CellText(sid, row) + "," + CellText(tsid, row) + "," +
                 CellText(onid, row) + "\r\n";
  tarno::test::WriteFile(dir.File("reference.csv"), reference);
  dialogs->Answer(dir.File("reference.csv"));
  Click("btnApplyReference");
  ASSERT_EQ(dialogs->openRequests.size(), 2u);
  EXPECT_EQ(dialogs->openRequests[1].title, "Select the reference list");
  // Enter in the options dialog: numbers only, the others numbered after the highest.
  ASSERT_EQ(dialogs->optionQuestions.size(), 1u);
  const QStringList lines = window->LogLines();
  EXPECT_TRUE(lines[lines.size() - 2].startsWith("Reference list reference.csv applied: 2 of ")) << lines.join('\n').toStdString();
  EXPECT_TRUE(LastLog().startsWith("Found by service identity: 2, by name: 0, not found: ")) << LastLog().toStdString();
  EXPECT_EQ(CellText(kNumberColumn, 1), "00002");
  EXPECT_EQ(CellText(kNumberColumn, 2), "00001");
  EXPECT_EQ(CellText(kNumberColumn, 3), "00003");

  // A channel map without layout is no reference list.
  tarno::test::WriteFile(ExtractFolder() + "Unlisted.bin", "abcd");
  dialogs->Answer(ExtractFolder() + "Unlisted.bin");
  Click("btnApplyReference");
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0], "Reference list: Processing Unlisted.bin failed (none/invalid INI setting)");
  EXPECT_EQ(CellText(kNumberColumn, 1), "00002");
}

// The reference list's options come in one dialog after the file, the
// defaults ticked; what is ticked there is what the command does.
TEST_F(ChannelListTest, TheReferenceListsOptionsAreAskedAfterTheFile) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string text = dir.File("list.txt");
  dialogs->Answer(text);
  Click("btnExportReference");
  ASSERT_EQ(dialogs->saveRequests.size(), 1u);
  EXPECT_EQ(dialogs->saveRequests[0].fileName, ExtractFolder() + "map-CableD.txt");
  EXPECT_TRUE(LastLog().startsWith(QString::fromStdString("Reference list exported as " + text + ": "))) << LastLog().toStdString();
  // Only the first channel in the reference: the others are kept as they are.
  const std::string full = tarno::test::ReadFile(text);
  const size_t second = full.find('\n', full.find('\n') + 1) + 1;
  tarno::test::WriteFile(dir.File("first.txt"), "9" + full.substr(full.find('\n') + 2, second - full.find('\n') - 2));
  const std::vector<std::string> numbers = Column(kNumberColumn);

  dialogs->Answer(dir.File("first.txt"));
  dialogs->optionAnswers.push_back(std::nullopt);  // cancelled: nothing happens
  Click("btnApplyReference");
  EXPECT_EQ(Column(kNumberColumn), numbers);

  dialogs->Answer(dir.File("first.txt"));
  dialogs->optionAnswers.push_back(std::vector<std::vector<bool>>{{true, false, false, false}, {false, false, true}});
  Click("btnApplyReference");
  ASSERT_EQ(dialogs->optionQuestions.size(), 2u);
  const OptionsQuestion& asked = dialogs->optionQuestions[0];
  EXPECT_EQ(asked.title, "Apply reference list…");
  ASSERT_EQ(asked.groups.size(), 2u);
  EXPECT_EQ(asked.groups[0].caption, "Carry over");
  EXPECT_TRUE(asked.groups[0].several);
  EXPECT_EQ(asked.groups[0].choices,
            (std::vector<std::string>{"Numbers", "Favourites 1–5 and their order", "Lock, skip and hide", "Analog names"}));
  EXPECT_EQ(asked.groups[0].chosen, (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(asked.groups[1].caption, "Channels the reference list lacks");
  EXPECT_FALSE(asked.groups[1].several);
  EXPECT_EQ(asked.groups[1].chosen, (std::vector<bool>{true, false, false}));
  const QStringList lines = window->LogLines();
  EXPECT_TRUE(lines[lines.size() - 2].endsWith(" kept as they were")) << lines.join('\n').toStdString();
  std::vector<std::string> expected = numbers;
  expected[0] = "00009";
  EXPECT_EQ(Column(kNumberColumn), expected);
}

TEST_F(ChannelListTest, RemoveDuplicatesClearsTheHigherNumbers) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  Click("btnRemoveDuplicates");
  EXPECT_EQ(LastLog(), "No duplicates found");
  // Row 3 made another copy of the service of row 1.
  for (const char* caption : {"SID", "TSID", "ONID"})
    window->Grid()->Cells().SetText(ColumnCaptioned(caption), 3, CellText(ColumnCaptioned(caption), 1));
  Click("btnRemoveDuplicates");
  EXPECT_EQ(LastLog(), "Duplicates removed: 1 channels cleared");
  EXPECT_EQ(CellText(NameColumn(), 3), "");
  EXPECT_NE(CellText(NameColumn(), 1), "");
  EXPECT_EQ(window->DataObject()->Records[2], std::vector<uint8_t>(kCableRecordSize, 0));
}

}  // namespace
}  // namespace tarno::window::test
