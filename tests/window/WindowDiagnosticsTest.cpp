// The diagnostic commands: text dump out and in, the read/write test and the
// cable PTC table.
#include <QApplication>

#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class DiagnosticsTest : public SampleFilesWindow {};

TEST_F(DiagnosticsTest, ExportAndImportRoundTheRecordsThroughText) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string dump = dir.File("cable.txt");
  dialogs->Answer(dump);
  Click("btnExport");
  EXPECT_EQ(LastLog().toStdString(), "Data exported as " + dump);
  ASSERT_EQ(dialogs->saveRequests.size(), 1u);
  EXPECT_EQ(dialogs->saveRequests[0].fileName, ExtractFolder() + "map-CableD");
  EXPECT_FALSE(tarno::test::ReadFile(dump).empty());

  window->Grid()->Cells().SetText(NameColumn(), 1, "typed, not saved");
  dialogs->Answer(dump);
  Click("btnImport");
  EXPECT_EQ(LastLog().toStdString(), "Data imported from " + dump);
  EXPECT_FALSE(dialogs->openRequests.back().mustExist);
  EXPECT_EQ(dialogs->openRequests.back().fileName, ExtractFolder() + "map-CableD");
  EXPECT_NE(CellText(NameColumn(), 1), "typed, not saved");  // the grid was filled again

  tarno::test::WriteFile(dir.File("garbage.txt"), "this is no dump\n");
  dialogs->Answer(dir.File("garbage.txt"));
  Click("btnImport");
  EXPECT_EQ(LastLog(), "Data import failed: Line 1 of the dump holds no record of 320 bytes");
}

TEST_F(DiagnosticsTest, ReadWriteTestStopsAtTheFirstMissingFileWithAMessage) {
  Click("btnClear");
  Click("btnReadWrite");
  const QStringList lines = window->LogLines();
  ASSERT_GE(lines.size(), 5);
  EXPECT_EQ(lines[0], "Read/Write test start");
  EXPECT_EQ(lines[1], "Processing CloneInfo succeeded");
  EXPECT_TRUE(lines.contains("Processing Map-CableD succeeded"));
  EXPECT_FALSE(lines.back().startsWith("Read/Write test ended"));
  EXPECT_EQ(dialogs->errors.size(), 1u);  // the sample has no satellite map
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "CloneInfo.OUT") == tarno::test::ReadFile(ExtractFolder() + "CloneInfo"));
}

TEST_F(DiagnosticsTest, GeneratePtcCableWritesTheWholeTable) {
  const std::string target = dir.File("PtcCable");
  dialogs->Answer(target);
  Click("btnPtcCable");
  EXPECT_EQ(LastLog(), "Generated PtcCable style file");
  const std::string table = tarno::test::ReadFile(target);
  ASSERT_EQ(table.size(), 9216u);
  EXPECT_EQ(table.substr(0, 12), std::string("\0\0\0\0\0\0\0\x42\0\0\0\x20", 12));
  EXPECT_TRUE(dialogs->saveRequests.back().fileName.empty());

  const int lines = static_cast<int>(window->LogLines().size());
  Click("btnPtcCable");  // cancelled
  EXPECT_EQ(window->LogLines().size(), lines);
}

}  // namespace
}  // namespace tarno::window::test
