#include <gtest/gtest.h>

#include "ChannelSortEngine.h"
#include "EditingTestSupport.h"
#include "MoveRow.h"
#include "RecordCommands.h"
#include "SortRows.h"

namespace tarno::editing {
namespace {

using test::ChannelList;
using test::kEmptyNumber;
using test::Texts;

Texts SortedByColumn(ChannelList& list, int col) {
  list.cells.SetCol(col);
  SortRows(&list.cells);
  return list.Column(col);
}

TEST(SortRows, NumberedRowsAreSortedAndUnnumberedOnesGatheredBelow) {
  ChannelList list(test::Numbered({3, kEmptyNumber, 1, 0, 2}));
  EXPECT_EQ(SortedByColumn(list, test::kNumberCol), (Texts{"00001", "00002", "00003", "", "00000"}));
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n3", "n5", "n1", "n2", "n4"}));
  EXPECT_EQ(list.RecordShownIn(1), 2);  // tags travel with their rows
  EXPECT_EQ(list.StoredNumber(0), 3);   // no record changes

  ChannelList emptyFirst(test::Numbered({kEmptyNumber, 5}));
  EXPECT_EQ(SortedByColumn(emptyFirst, test::kNumberCol), (Texts{"00005", ""}));

  ChannelList zeroBetween(test::Numbered({5, 0, 7}));
  EXPECT_EQ(SortedByColumn(zeroBetween, test::kNumberCol), (Texts{"00005", "00007", "00000"}));
}

TEST(SortRows, GatheringStopsOnceTheFirstUnnumberedRowLiesBelowTheNumberedCount) {
  // Rows n3 and n5 are unnumbered; n5 already lies below the two numbered rows
  // when n2 and n3 have been moved behind it.
  ChannelList list(test::Numbered({1, kEmptyNumber, 0, 2, kEmptyNumber}));
  SortedByColumn(list, test::kNumberCol);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n1", "n4", "n5", "n2", "n3"}));
}

TEST(SortRows, NameColumnSortsCaseInsensitivelyWithUnnumberedNamesBelow) {
  // "x-00" and "-" read as zero, like empty names; "z00" reads as 3500.
  ChannelList list(test::Named({"beta", "", "Alpha", "x-00", "z00", "gamma", "-"}));
  EXPECT_EQ(SortedByColumn(list, test::kNameCol), (Texts{"Alpha", "beta", "gamma", "z00", "-", "", "x-00"}));
}

// Latin (e-acute U+00E9, euro U+20AC), Greek (U+03xx) and Cyrillic (U+04xx)
// names each keep their own order; none reads as "?" and falls into one heap.
TEST(ChannelSort, NamesOfEveryScriptSortInCodePointOrderAndAsciiCaseIsIgnored) {
  const Texts names = {"\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9",  // Первый
                       "\xCE\x95\xCE\xA1\xCE\xA4",                             // ΕΡΤ
                       "\xD0\x90\xD0\xB7",                                     // Аз
                       "zdf", "\xE2\x82\xAC" "uro", "ARD", "\xC3\xA9t\xC3\xA9",
                       "\xCE\x91\xCE\xBB\xCF\x86\xCE\xB1",                     // Αλφα
                       "Beta", "\xD0\x90\xD0\x91"};                             // АБ
  grid::CellStore cells;
  cells.SetColCount(2);
  cells.SetRowCount(static_cast<int>(names.size()) + 1);
  for (size_t i = 0; i < names.size(); ++i) cells.SetText(1, static_cast<int>(i) + 1, names[i]);
  grid::SortEngine engine = ChannelSortEngine(grid::ToSortType::tstCharacter, 1, 1, cells.RowCount() - 1);
  ASSERT_TRUE(engine.ApplySort(cells));
  Texts sorted;
  for (int r = 1; r < cells.RowCount(); ++r) sorted.emplace_back(cells.Text(1, r));
  EXPECT_EQ(sorted, (Texts{"ARD", "Beta", "zdf", "\xC3\xA9t\xC3\xA9", "\xCE\x91\xCE\xBB\xCF\x86\xCE\xB1",
                           "\xCE\x95\xCE\xA1\xCE\xA4", "\xD0\x90\xD0\x91", "\xD0\x90\xD0\xB7",
                           "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9", "\xE2\x82\xAC" "uro"}));
}

TEST(SortRows, CurrentCellKeepsItsRowAndColumnIndex) {
  ChannelList list(test::Numbered({kEmptyNumber, 4, 2, 3}));
  list.cells.SetCol(test::kNumberCol);
  list.cells.SetRow(1);
  SortRows(&list.cells);
  EXPECT_EQ(list.cells.Row(), 1);
  EXPECT_EQ(list.cells.Col(), test::kNumberCol);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00002", "00003", "00004", ""}));
}

TEST(SortRows, FewerThanTwoNumberedRowsAreOnlyGathered) {
  ChannelList list(test::Numbered({kEmptyNumber, 0, 9}));
  EXPECT_EQ(SortedByColumn(list, test::kNumberCol), (Texts{"00009", "", "00000"}));
}

std::vector<uint16_t> Sequence(int count) {
  std::vector<uint16_t> numbers;
  for (int i = 1; i <= count; ++i) numbers.push_back(static_cast<uint16_t>(i));
  return numbers;
}

TEST(MoveRow, RepeatedMovesPlaceRowsOneAfterAnotherBelowTheTarget) {
  ChannelList list(test::Numbered(Sequence(100)));
  EditorState state;
  EXPECT_EQ(state.MoveRowCaption, "Move to row: 1");
  list.cells.SetRow(10);
  SetMoveTarget(state, &list.cells);
  EXPECT_EQ(state.MoveRowCaption, "Set row to row: 10");
  for (int row : {50, 70, 90}) {
    list.cells.SetRow(row);
    MoveRowToTarget(state, &list.cells);
  }
  EXPECT_EQ(list.cells.Text(test::kNameCol, 10), "n50");
  EXPECT_EQ(list.cells.Text(test::kNameCol, 11), "n70");
  EXPECT_EQ(list.cells.Text(test::kNameCol, 12), "n90");
  EXPECT_EQ(list.cells.Text(test::kNameCol, 13), "n10");
  EXPECT_EQ(list.RecordShownIn(11), 69);
  EXPECT_EQ(list.cells.Row(), 12);  // the selection followed the last moved row
  EXPECT_EQ(state.MoveToRow, 13);
  EXPECT_EQ(state.MoveRowCaption, "Set row move to: 13");
}

TEST(MoveRow, CaptionsAfterSettingRowFiveAndOneMove) {
  ChannelList list(test::Numbered(Sequence(8)));
  EditorState state;
  list.cells.SetRow(5);
  SetMoveTarget(state, &list.cells);
  EXPECT_EQ(state.MoveRowCaption, "Set row to row: 5");
  MoveRowToTarget(state, &list.cells);
  EXPECT_EQ(state.MoveRowCaption, "Set row move to: 6");
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8"}));  // onto itself
}

TEST(MoveRow, TargetStopsAtTheLastRow) {
  ChannelList list(test::Numbered(Sequence(4)));
  EditorState state;
  state.MoveToRow = 4;
  list.cells.SetRow(1);
  MoveRowToTarget(state, &list.cells);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n2", "n3", "n4", "n1"}));
  EXPECT_EQ(state.MoveToRow, 4);
  EXPECT_EQ(state.MoveRowCaption, "Set row move to: 4");
}

TEST(MoveRow, TargetLeftBeyondASmallerGridPlacesTheRowLast) {
  ChannelList list(test::Numbered(Sequence(5)));
  EditorState state;
  state.MoveToRow = 500;  // set on a larger file loaded before
  list.cells.SetRow(2);
  MoveRowToTarget(state, &list.cells);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n1", "n3", "n4", "n5", "n2"}));
  EXPECT_EQ(list.cells.RowCount(), 6);
  EXPECT_EQ(state.MoveToRow, 5);
}

TEST(MoveRow, NothingHappensWithoutAGrid) {
  EditorState state;
  MoveRowToTarget(state, nullptr);
  SetMoveTarget(state, nullptr);
  EXPECT_EQ(state.MoveToRow, 1);
  EXPECT_EQ(state.MoveRowCaption, "Move to row: 1");
}

TEST(ClearRow, ClearsTheRecordTheRowShowsNotTheOneAtItsPosition) {
  std::vector<test::Channel> channels = test::Numbered({1, 2, 3});
  channels[2].note = "abc";
  ChannelList list(channels);
  list.cells.MoveRow(3, 1);
  list.cells.SetRow(1);
  ClearCurrentRow(&list.data, &list.cells);
  EXPECT_EQ(list.data.Records[2], TDataByteArray(test::RecordOf({})));
  EXPECT_EQ(list.StoredNumber(0), 1);
  EXPECT_EQ(list.cells.Text(test::kNumberCol, 1), "");
  EXPECT_EQ(list.cells.Text(test::kNoteCol, 1), "");
  EXPECT_EQ(list.cells.Text(test::kNameCol, 2), "n1");  // the row stays where it is
}

TEST(AddRecord, AppendsDefaultsAndRefillsInStoredOrder) {
  ChannelList list(test::Numbered({1, 2}));
  const TDataByteArray first = list.data.Records[0];
  list.cells.MoveRow(2, 1);
  AddRecord(&list.data, &list.cells);
  ASSERT_EQ(list.data.Records.size(), 3u);
  EXPECT_EQ(list.data.Records[0], first);
  EXPECT_EQ(list.data.Records[2], TDataByteArray(test::RecordOf({})));
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00001", "00002", ""}));
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n1", "n2", ""}));
}

TEST(RemoveLastRecord, DropsTheFilesLastRecordAndRestoresStoredOrder) {
  ChannelList list(test::Numbered({3, 1, 2}));
  list.cells.SetCol(test::kNumberCol);
  SortRows(&list.cells);
  RemoveLastRecord(&list.data, &list.cells);
  ASSERT_EQ(list.data.Records.size(), 2u);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00003", "00001"}));

  RemoveLastRecord(&list.data, &list.cells);
  RemoveLastRecord(&list.data, &list.cells);
  RemoveLastRecord(&list.data, &list.cells);  // none left: nothing happens
  EXPECT_TRUE(list.data.Records.empty());
  EXPECT_EQ(list.cells.RowCount(), 1);
}

TEST(RecordCommands, DoNothingWhenTheGridNoLongerMatchesTheRecords) {
  ChannelList list(test::Numbered({1, 2}));
  list.cells.InsertRow(1);
  list.cells.SetRow(2);
  ClearCurrentRow(&list.data, &list.cells);
  AddRecord(&list.data, &list.cells);
  RemoveLastRecord(&list.data, &list.cells);
  EXPECT_EQ(list.data.Records.size(), 2u);
  EXPECT_EQ(list.StoredNumber(0), 1);
  EXPECT_EQ(list.cells.RowCount(), 4);
}

}  // namespace
}  // namespace tarno::editing
