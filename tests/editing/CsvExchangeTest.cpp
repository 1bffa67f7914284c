// The grid as CSV and back: what is exported, what an import changes, and the
// errors that leave the grid as it was.
#include <gtest/gtest.h>

#include "ChannelListSupport.h"
#include "CsvExchange.h"

namespace tarno::editing {
namespace {

using test::LoadedList;
using Texts = std::vector<std::string>;

constexpr int kNameCol = 2;
constexpr int kNoteCol = 8;

// Every cell text of the grid, row by row, to see that nothing changed.
Texts Snapshot(const grid::CellStore& cells) {
  Texts texts;
  for (int row = 0; row < cells.RowCount(); ++row)
    for (int col = 0; col < cells.ColCount(); ++col) texts.emplace_back(cells.Text(col, row));
  return texts;
}

LoadedList ThreeChannels() {
  return LoadedList("digital", {{1, "One", 10, 1, 1}, {2, "Two, 2", 11, 1, 1}, {3, "Three", 12, 1, 1}});
}

std::string ImportError(LoadedList& list, const std::string& csv) {
  const Texts before = Snapshot(list.cells);
  try {
    ImportCsv(list.data, list.cells, csv);
  } catch (const CsvError& error) {
    EXPECT_EQ(Snapshot(list.cells), before) << "the failed import changed the grid";
    return error.what();
  }
  return "no error";
}

TEST(CsvExport, RecordNumberCaptionsAndTheVisibleColumnsInTheOrderShown) {
  LoadedList list = ThreeChannels();
  list.cells.MoveRow(3, 1);
  list.cells.SetColWidth(5, 0);  // a column the user narrowed away
  EXPECT_EQ(ExportCsv(list.data, list.cells),
            "#,Nr,Name,SID,TSID,In use,Del\r\n"
            "3,00003,Three,00012,00001,001,\r\n"
            "1,00001,One,00010,00001,001,\r\n"
            "2,00002,\"Two, 2\",00011,00001,001,\r\n");
}

TEST(CsvImport, AnUnchangedExportChangesNothing) {
  LoadedList list = ThreeChannels();
  list.cells.MoveRow(1, 3);
  const Texts before = Snapshot(list.cells);
  const CsvImportResult result = ImportCsv(list.data, list.cells, ExportCsv(list.data, list.cells));
  EXPECT_EQ(result.changedCells, 0);
  EXPECT_EQ(result.movedRows, 0);
  EXPECT_EQ(Snapshot(list.cells), before);
}

TEST(CsvImport, TakesTheRowOrderAndSetsOnlyTheColumnsPresent) {
  LoadedList list = ThreeChannels();
  const CsvImportResult result =
      ImportCsv(list.data, list.cells, "#,Name,Note\r\n3,Drei,memo\r\n1,One,note\r\n,,\r\n2,\"Two, 2\",note\r\n");
  EXPECT_EQ(list.Column(kNameCol), (Texts{"Drei", "One", "Two, 2"}));
  EXPECT_EQ(list.Column(kNoteCol), (Texts{"memo", "note", "note"}));  // a hidden column the CSV names
  EXPECT_EQ(list.Column(1), (Texts{"00003", "00001", "00002"}));
  EXPECT_EQ(result.changedCells, 2);
  EXPECT_EQ(result.movedRows, 3);
  // As typed text, the cells reach the records on saving, in the grid's order.
  EXPECT_EQ(list.data.Records[2], test::DigitalRecord({3, "Three", 12, 1, 1}));
  ASSERT_TRUE(list.data.GridToRecords(&list.cells, true));
  TDataByteArray drei = test::DigitalRecord({3, "Drei", 12, 1, 1});
  test::PutText(drei, 18, "memo", 4);
  EXPECT_EQ(list.data.Records[0], drei);
  EXPECT_EQ(list.data.Records[1], test::DigitalRecord({1, "One", 10, 1, 1}));
}

TEST(CsvImport, ASpreadsheetsOwnFormsAreTaken) {
  LoadedList list = ThreeChannels();
  // A byte order mark, LF line ends, blanks around the numbers, no last line end.
  ImportCsv(list.data, list.cells, "\xEF\xBB\xBF" " # ,Nr\n 2 ,7\n3,00003\n1 ,1");
  EXPECT_EQ(list.Column(1), (Texts{"7", "00003", "1"}));
}

TEST(CsvImport, RecordNumbersMissingRepeatedOrUnknownAreErrors) {
  LoadedList list = ThreeChannels();
  EXPECT_EQ(ImportError(list, "#,Name\r\n1,a\r\n3,c\r\n"),
            "The CSV does not list record 2; every record must have its row");
  EXPECT_EQ(ImportError(list, "#,Name\r\n1,a\r\n1,b\r\n2,c\r\n3,d\r\n"),
            "Line 3 of the CSV lists record 1 again (first on line 2)");
  EXPECT_EQ(ImportError(list, "#,Name\r\n1,a\r\n4,b\r\n2,c\r\n"),
            "Line 3 of the CSV names record 4, but the file has records 1 to 3");
  EXPECT_EQ(ImportError(list, "#,Name\r\n0,a\r\n"), "Line 2 of the CSV names record 0, but the file has records 1 to 3");
  EXPECT_EQ(ImportError(list, "#,Name\r\n99999999999999999999999,a\r\n"),
            "Line 2 of the CSV names record 99999999999999999999999, but the file has records 1 to 3");
  EXPECT_EQ(ImportError(list, "#,Name\r\nx1,a\r\n"), "Line 2 of the CSV has \"x1\" as its record number");
  EXPECT_EQ(ImportError(list, "#,Name\r\n-1,a\r\n"), "Line 2 of the CSV has \"-1\" as its record number");
  EXPECT_EQ(ImportError(list, "#,Name\r\n,a\r\n"), "Line 2 of the CSV has no record number in its \"#\" column");

  LoadedList many("digital", std::vector<test::TestChannel>(10));
  EXPECT_EQ(ImportError(many, "#\r\n1\r\n2\r\n3\r\n"),
            "The CSV does not list records 4, 5, 6, 7, 8 (and 2 more); every record must have its row");
}

TEST(CsvImport, AHeaderOrRowThatDoesNotFitIsAnError) {
  LoadedList list = ThreeChannels();
  EXPECT_EQ(ImportError(list, "Nr,#\r\n1,1\r\n"), "Line 1 of the CSV must begin with the column \"#\" (the record number)");
  EXPECT_EQ(ImportError(list, "#,Name,Genre\r\n1,a,b\r\n"),
            "Line 1 of the CSV names the column \"Genre\", which the file does not have");
  EXPECT_EQ(ImportError(list, "#,Name,Name\r\n1,a,b\r\n"),
            "Line 1 of the CSV names the column \"Name\" more often than the file has it");
  EXPECT_EQ(ImportError(list, "#,Name\r\n1,a\r\n2\r\n3,c\r\n"), "Line 3 of the CSV has 1 fields, the header 2");
  EXPECT_EQ(ImportError(list, "\r\n,\r\n"), "The CSV is empty: it needs a header row beginning with \"#\"");
  EXPECT_EQ(ImportError(list, "#,Name\r\n1,\"a\r\n"), "Line 2 of the CSV opens a quote that never closes");

  list.cells.SetRowCount(list.cells.RowCount() - 1);  // the grid's own row deletion
  EXPECT_EQ(ImportError(list, "#\r\n1\r\n2\r\n"), "The grid no longer has one row per record and one column per field");
  EXPECT_THROW(ExportCsv(list.data, list.cells), CsvError);
}

TEST(CsvImport, ACaptionUsedTwiceIsMatchedByItsPlace) {
  test::TempDir dir;
  test::WriteFile(dir.File("s.ini"), "[twice]\nITEM = Name, 2, 1, /, $00, 1\nITEM = Name, 2, 1, /, $00, 2\n");
  TDataObject data(dir.File("s.ini"), "twice");
  data.Records = {{'a', 0, 'b', 0}};
  grid::CellStore cells;
  data.FillGrid(&cells);
  EXPECT_EQ(ExportCsv(data, cells), "#,Name,Name\r\n1,a,b\r\n");
  ImportCsv(data, cells, "#,Name,Name\r\n1,x,y\r\n");
  EXPECT_EQ(cells.Text(1, 1), "x");
  EXPECT_EQ(cells.Text(2, 1), "y");
}

}  // namespace
}  // namespace tarno::editing
