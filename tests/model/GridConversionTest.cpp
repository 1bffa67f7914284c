#include <gtest/gtest.h>

#include "FakeScriptHost.h"
#include "ModelTestSupport.h"

namespace tarno {
namespace {

using test::Bytes;
using test::WithRecords;

std::vector<std::string> RowTexts(const grid::CellStore& grid, int row) {
  std::vector<std::string> texts;
  for (int c = 0; c < grid.ColCount(); ++c) texts.emplace_back(grid.Text(c, row));
  return texts;
}

// Number at 0 (2 bytes), name of 4 characters at 2 (default 00), hidden flags at 6,
// and a byte sum at 7; the name is shown first.
const char* kChannels =
    "[F]\n"
    "ITEM = Nr, 2, 2, #, , 2\n"
    "ITEM = Name, 4, 1, /, $00, 1\n"
    "ITEM = Flags, 1, 1, $, , -3\n"
    "ITEM = Check, 1, 1, ^, , 4\n";

TDataObject Channels() {
  return WithRecords(kChannels, {Bytes({1, 0, 'O', 'n', 'e', 0, 0xA0, 0}), Bytes({2, 0, 'T', 'w', 'o', 0, 0xB0, 0}),
                                 Bytes({3, 0, 0, 0, 0, 0, 0xC0, 0})});
}

TEST(FillGrid, BuildsCaptionsRowNumbersTagsAndWidths) {
  TDataObject data = Channels();
  grid::CellStore grid;
  const grid::FixedWidthMeasure measure(7, 14, 1);
  grid.SetMeasure(&measure);
  data.FillGrid(&grid);
  ASSERT_EQ(grid.ColCount(), 5);
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(RowTexts(grid, 0), (std::vector<std::string>{"0", " Name", " Nr", " Flags", " Check"}));
  EXPECT_EQ(RowTexts(grid, 1), (std::vector<std::string>{"1", "One", "00001", "A0", ""}));
  EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"3", "", "00003", "C0", ""}));  // all-zero name: empty
  EXPECT_EQ(grid.Tag(1, 2), 1 * 65536 + 1);
  EXPECT_EQ(grid.Tag(2, 2), 1 * 65536 + 0);
  EXPECT_EQ(grid.ColWidth(3), grid::kHiddenColWidth);
  EXPECT_EQ(grid.ColWidth(1), 5 * 8 + 16);  // the bold caption " Name" is the widest
  EXPECT_EQ(grid.ColWidth(0), 7 + 16);
  EXPECT_EQ(grid.DefaultRowHeight(), 14 + 4);
  EXPECT_TRUE(data.LastError.empty());
}

TEST(FillGrid, AnIncompleteColumnMapLeavesAnEmptyGridOfTheRightSize) {
  TDataObject data = WithRecords("[F]\nITEM = A, 1, 1, , , 1\nITEM = B, 1, 1, , , 2\nITEM = C, 1, 1, , , 4\n",
                                 {Bytes({1, 2, 3})});
  grid::CellStore grid;
  data.FillGrid(&grid);
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.RowCount(), 2);
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(grid.Text(c, 0), "");
    EXPECT_EQ(grid.Tag(c, 1), 0);
  }
  EXPECT_TRUE(data.LastError.empty());
  // Such a grid names no fields, so it can never be written back over the records.
  EXPECT_FALSE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records[0], Bytes({1, 2, 3}));
}

TEST(FillGrid, RefusesMoreRecordsThanATagCanName) {
  TDataObject data = WithRecords("[F]\nITEM = A, 1, 1, , , 1\n", std::vector<TDataByteArray>(65536, Bytes({0})));
  grid::CellStore grid;
  EXPECT_THROW(data.FillGrid(&grid), GridLimitError);
  EXPECT_EQ(grid.RowCount(), 2);
  data.Records.pop_back();
  data.FillGrid(&grid);
  EXPECT_EQ(grid.Tag(1, 65535), static_cast<int32_t>(0xFFFE0000u));
}

TEST(GridToRecords, UnchangedCellsGiveTheSameBytes) {
  TDataObject data = Channels();
  const auto before = data.Records;
  grid::CellStore grid;
  data.FillGrid(&grid);
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records, before);
}

TEST(GridToRecords, KeptOrderWritesEditsIntoTheirOwnRecords) {
  TDataObject data = Channels();
  grid::CellStore grid;
  data.FillGrid(&grid);
  grid.MoveRow(3, 1);
  grid.SetText(1, 2, "Uno");  // row 2 now shows record 0
  ASSERT_TRUE(data.GridToRecords(&grid, false));
  EXPECT_EQ(data.Records[0], Bytes({1, 0, 'U', 'n', 'o', 0, 0xA0, 0}));
  EXPECT_EQ(data.Records[2][0], 3);
}

TEST(GridToRecords, DisplayedOrderRewritesTheRecordOrder) {
  TDataObject data = Channels();
  grid::CellStore grid;
  data.FillGrid(&grid);
  grid.MoveRow(3, 1);
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  // The third record now comes first, whole.
  EXPECT_EQ(data.Records[0], Bytes({3, 0, 0, 0, 0, 0, 0xC0, 0}));
  EXPECT_EQ(data.Records[1], Bytes({1, 0, 'O', 'n', 'e', 0, 0xA0, 0}));
}

TEST(GridToRecords, HiddenColumnsAreStoredToo) {
  TDataObject data = Channels();
  grid::CellStore grid;
  data.FillGrid(&grid);
  grid.SetText(3, 1, "FF");
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records[0][6], 0xFF);
}

TEST(GridToRecords, FailuresStopAtTheFailingCell) {
  struct Case {
    int col;
    const char* text;
  };
  for (const Case& bad : {Case{2, ""}, Case{2, "70000"}, Case{4, "1"}, Case{1, "TooLong"}, Case{2, "1 2"}}) {
    TDataObject data = Channels();
    grid::CellStore grid;
    data.FillGrid(&grid);
    grid.SetText(bad.col, 2, bad.text);
    EXPECT_FALSE(data.GridToRecords(&grid, true)) << bad.col << " " << bad.text;
  }
  TDataObject data = Channels();
  grid::CellStore grid;
  data.FillGrid(&grid);
  grid.SetRowCount(5);
  EXPECT_FALSE(data.GridToRecords(&grid, true));
}

TEST(DefaultPattern, EmptyOnlyWhenEveryByteRepeatsThePattern) {
  TDataObject data = WithRecords("[F]\nITEM = A, 4, 1, $, $1234, 1\n",
                                 {Bytes({0x12, 0x34, 0x12, 0x34}), Bytes({0x12, 0x34, 0x12, 0x35})});
  std::u16string text;
  data.DataToText(0, 0, text);
  EXPECT_EQ(text, u"");
  data.DataToText(0, 1, text);
  EXPECT_EQ(text, u"12 34 12 35");
  ASSERT_TRUE(data.TextToData(0, 1, u""));
  EXPECT_EQ(data.Records[1], Bytes({0x12, 0x34, 0x12, 0x34}));
}

TEST(RowOperations, ClearRowWritesDefaultsAndShowsThem) {
  TDataObject data = Channels();
  grid::CellStore grid;
  data.FillGrid(&grid);
  ASSERT_TRUE(data.ClearRow(&grid, 1));
  EXPECT_EQ(data.Records[0], Bytes({0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RowTexts(grid, 1), (std::vector<std::string>{"1", "", "00000", "00", ""}));
}

TEST(RowOperations, AddRecordAppendsDefaultsAndRebuildsInRecordOrder) {
  TDataObject data = WithRecords("[F]\nITEM = Name, 2, 1, /, $00, 1\nITEM = N, 1, 1, #, $FF, 2\n",
                                 {Bytes({'A', 0, 5})});
  grid::CellStore grid;
  data.FillGrid(&grid);
  ASSERT_TRUE(data.AddRecord(&grid));
  ASSERT_EQ(data.Records.size(), 2u);
  EXPECT_EQ(data.Records[0], Bytes({'A', 0, 5}));
  EXPECT_EQ(data.Records[1], Bytes({0, 0, 0xFF}));
  EXPECT_EQ(RowTexts(grid, 2), (std::vector<std::string>{"2", "", ""}));
  ASSERT_TRUE(data.DeleteLastRecord(&grid));
  ASSERT_TRUE(data.DeleteLastRecord(&grid));
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_FALSE(data.DeleteLastRecord(&grid));
  EXPECT_EQ(grid.Text(0, 0), "0");
}

TEST(ScriptConversion, WithoutAScriptTheFillStopsAtTheFirstScriptCell) {
  TDataObject data = WithRecords("[F]\nITEM = A, 1, 1, #, , 1\nITEM = B, 2, 2, #Freq, , 2\n",
                                 {Bytes({1, 2, 3}), Bytes({4, 5, 6})});
  test::ScopedScript none(nullptr);
  grid::CellStore grid;
  data.FillGrid(&grid);
  EXPECT_EQ(data.LastError, "No script");
  EXPECT_EQ(grid.Text(1, 1), "001");
  EXPECT_EQ(grid.Text(1, 2), "");
  EXPECT_EQ(grid.Tag(1, 2), 0);  // the cells after the failing one are left alone
  EXPECT_FALSE(data.TextToData(1, 0, u""));
}

TEST(ScriptConversion, ArgumentsCarryBytesSizeTypeAndTheGrowingText) {
  test::FakeScriptHost host;
  host.functions["Hex_DataToText"] = [](test::FakeArgs& a) {
    const char16_t digits[] = u"0123456789ABCDEF";
    a.text += u' ';
    a.text += digits[a.bytes[0] >> 4];
    a.text += digits[a.bytes[0] & 15];
    a.text += static_cast<char16_t>(a.typeChar);
    a.text += static_cast<char16_t>(u'0' + a.elementSize);
    return 1;
  };
  host.functions["Hex_TextToData"] = [](test::FakeArgs& a) {
    a.bytes[0] = std::stoi(std::string(a.text.begin() + 1, a.text.begin() + 3), nullptr, 16) + 256;
    a.text.erase(0, 5);
    return 1;
  };
  test::ScopedScript script(&host);
  TDataObject data = WithRecords("[F]\nITEM = A, 2, 1, XHex, , 1\n", {Bytes({0xAB, 0x01})});
  std::u16string text;
  data.DataToText(0, 0, text);
  EXPECT_EQ(text, u"ABX1 01X1");  // leading blank trimmed
  ASSERT_TRUE(data.TextToData(0, 0, u"_12X1_34X1"));
  EXPECT_EQ(data.Records[0], Bytes({0x12, 0x34}));  // only the low 8 bits are stored
  EXPECT_FALSE(data.TextToData(0, 0, u"_12X1_34X1 rest"));
}

TEST(ScriptConversion, FalseLeavesTheCellEmptyAndErrorsStopTheFill) {
  test::FakeScriptHost host;
  host.functions["S_DataToText"] = [](test::FakeArgs& a) { return a.bytes[0] == 2 ? -1 : a.bytes[0] == 1 ? 0 : 1; };
  test::ScopedScript script(&host);
  TDataObject data = WithRecords("[F]\nITEM = A, 1, 1, #S, , 1\n", {Bytes({1}), Bytes({0}), Bytes({2}), Bytes({0})});
  grid::CellStore grid;
  data.FillGrid(&grid);
  EXPECT_EQ(data.LastError, "Error in execution of function S_DataToText -> boom");
  EXPECT_EQ(host.calls, 3);
  EXPECT_EQ(grid.Tag(1, 4), 0);
}

TEST(ScriptConversion, ChecksumFieldsNeverCallTheScript) {
  test::FakeScriptHost host;
  test::ScopedScript script(&host);
  TDataObject data = WithRecords("[F]\nITEM = A, 1, 1, #, , 1\nITEM = C, 1, 1, ^Sum, , 2\n", {Bytes({1, 1})});
  grid::CellStore grid;
  data.FillGrid(&grid);
  EXPECT_TRUE(data.LastError.empty());
  EXPECT_EQ(host.calls, 0);
}

TEST(TextFields, StaleBytesBehindAZeroMoveUpBehindAnEditedName) {
  const TDataByteArray stale = Bytes({0, 'A', 0, 'B', 0, 0, 0, 'x', 0, 0, 0, 0});
  TDataObject data = WithRecords("[F]\nITEM = Name, 12, 2, /, $00, 1\n", {stale});
  grid::CellStore grid;
  data.FillGrid(&grid);
  EXPECT_EQ(grid.Text(1, 1), "ABx");
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records[0], stale);  // not edited: kept as it was
  grid.SetEdited(1, 1, true);
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records[0], Bytes({0, 'A', 0, 'B', 0, 'x', 0, 0, 0, 0, 0, 0}));
}

TEST(TextFields, EveryByteOfAOneByteTextFieldSurvivesTheGrid) {
  TDataByteArray all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<uint8_t>(b));
  TDataObject data = WithRecords("[F]\nITEM = T, 255, 1, /, , 1\n", {all});
  grid::CellStore grid;
  data.FillGrid(&grid);
  data.Records[0].assign(255, 0);
  grid.SetEdited(1, 1, true);
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  // Leading and trailing blanks and control characters are trimmed, as for every cell.
  EXPECT_EQ(TDataByteArray(data.Records[0].begin(), data.Records[0].begin() + 223),
            TDataByteArray(all.begin() + 32, all.end()));
}

}  // namespace
}  // namespace tarno
