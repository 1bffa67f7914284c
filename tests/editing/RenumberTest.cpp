#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "Renumbering.h"
#include "SortEngine.h"

namespace tarno::editing {
namespace {

using test::ChannelList;
using test::kEmptyNumber;
using test::Texts;

TEST(RenumberColumn, NumberedCellsGetTheirRowPositionAndOthersKeepTheirGap) {
  ChannelList list(test::Numbered({5, kEmptyNumber, 0, 7}));
  list.cells.SetCol(test::kNumberCol);
  RenumberColumn(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00001", "", "00000", "00004"}));
  EXPECT_EQ(list.StoredNumber(0), 1);
  EXPECT_EQ(list.StoredNumber(1), kEmptyNumber);
  EXPECT_EQ(list.StoredNumber(2), 0);
  EXPECT_EQ(list.StoredNumber(3), 4);
}

TEST(RenumberColumn, OnlyTheLowSixteenBitsDecideWhetherACellIsNumbered) {
  std::vector<test::Channel> channels(3);
  channels[0].wide = 65536;
  channels[1].wide = 65537;
  channels[2].wide = 131072;
  ChannelList list(channels);
  list.cells.SetCol(test::kWideCol);
  RenumberColumn(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kWideCol), (Texts{"0000065536", "0000000002", "0000131072"}));
}

TEST(RenumberColumn, NumbersFollowTheRowWhileTheRecordFollowsTheTag) {
  ChannelList list(test::Numbered({5, 6, 7}));
  list.cells.MoveRow(3, 1);  // record 2 now shows in row 1
  list.cells.SetCol(test::kNumberCol);
  RenumberColumn(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00001", "00002", "00003"}));
  EXPECT_EQ(list.StoredNumber(2), 1);
  EXPECT_EQ(list.StoredNumber(0), 2);
  EXPECT_EQ(list.StoredNumber(1), 3);
}

TEST(RowBasedRenumber, NonEmptyCellsAreCountedFromTheTop) {
  ChannelList list(test::Numbered({9, kEmptyNumber, 0}));
  list.cells.SetCol(test::kNumberCol);
  RowBasedRenumber(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00001", "", "00002"}));
  EXPECT_EQ(list.StoredNumber(2), 2);
}

TEST(SortedRenumber, NumbersFollowTheValuesAndEmptyCellsStayEmpty) {
  ChannelList list(test::Numbered({30, kEmptyNumber, 10, 20}));
  list.cells.SetCol(test::kNumberCol);
  SortedRenumber(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00003", "", "00001", "00002"}));
  EXPECT_EQ(list.StoredNumber(0), 3);
  EXPECT_EQ(list.StoredNumber(1), kEmptyNumber);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"n1", "n2", "n3", "n4"}));  // no row moved
}

TEST(SortedRenumber, TextThatIsNoWholeNumberIsOrderedAsUpperCasedTextSilently) {
  ChannelList list(test::Named({"beta", "Alpha", "", "gamma"}));
  list.cells.SetCol(test::kNameCol);
  SortedRenumber(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"2", "1", "", "3"}));
}

TEST(SortedRenumber, CellHoldingTheSentinelIsTreatedAsEmpty) {
  ChannelList list(test::Named({"7", "x", "3"}));
  list.cells.SetCol(test::kNameCol);
  list.cells.SetText(test::kNameCol, 2, "2147483647");
  SortedRenumber(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"2", "2147483647", "1"}));
}

TEST(SortedRenumber, ASingleRowGetsOneAndAnEmptyOneStaysEmpty) {
  ChannelList one(test::Numbered({42}));
  one.cells.SetCol(test::kNumberCol);
  SortedRenumber(&one.data, &one.cells);
  EXPECT_EQ(one.Column(test::kNumberCol), (Texts{"00001"}));

  ChannelList empty(test::Numbered({kEmptyNumber}));
  empty.cells.SetCol(test::kNumberCol);
  SortedRenumber(&empty.data, &empty.cells);
  EXPECT_EQ(empty.Column(test::kNumberCol), (Texts{""}));
}

TEST(SortedRenumber, HexadecimalValueAbandonsTheCommandBeforeAnyCellChanges) {
  ChannelList list(test::Named({"3", "1", "2"}));
  list.cells.SetCol(test::kNameCol);
  list.cells.SetText(test::kNameCol, 2, "$1F");
  const TDataByteArray before = list.data.Records[0];
  EXPECT_THROW(SortedRenumber(&list.data, &list.cells), grid::SortConversionError);
  EXPECT_EQ(list.Column(test::kNameCol), (Texts{"3", "$1F", "2"}));
  EXPECT_EQ(list.data.Records[0], before);
}

TEST(SortedRenumber, EqualValuesAreNumberedInTheQuicksortOrder) {
  // Four equal keys leave the numeric quicksort as rows 3, 4, 1, 2.
  ChannelList list(test::Numbered({8, 8, 8, 8}));
  list.cells.SetCol(test::kNumberCol);
  SortedRenumber(&list.data, &list.cells);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00003", "00004", "00001", "00002"}));
}

TEST(SortedRenumber, RowsNamingTheSameFieldAreWrittenInKeyOrder) {
  // An inserted row keeps the tags of the row it pushed down; typed text makes it numbered.
  ChannelList list(test::Numbered({5}));
  list.cells.InsertRow(1);
  list.cells.SetText(test::kNumberCol, 1, "9");
  list.cells.SetCol(test::kNumberCol);
  SortedRenumber(&list.data, &list.cells);
  // Row 2 (5) gets 1 first, then row 1 (9) gets 2, which the shared record keeps.
  EXPECT_EQ(list.StoredNumber(0), 2);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00002", "00001"}));
}

TEST(Renumbering, NothingHappensWithoutAGridOrDataObject) {
  ChannelList list(test::Numbered({5, 9}));
  list.cells.SetCol(test::kNumberCol);
  RenumberColumn(nullptr, &list.cells);
  RowBasedRenumber(&list.data, nullptr);
  SortedRenumber(nullptr, nullptr);
  EXPECT_EQ(list.Column(test::kNumberCol), (Texts{"00005", "00009"}));
}

}  // namespace
}  // namespace tarno::editing
