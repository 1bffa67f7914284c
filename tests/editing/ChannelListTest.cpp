// Reference lists and duplicates on made-up channel lists: which fields are
// read, which channels count, how channels are matched and numbered, and what
// removing duplicates clears.
#include <gtest/gtest.h>

#include "ChannelListSupport.h"
#include "CsvExchange.h"
#include "Duplicates.h"
#include "ReferenceList.h"

namespace tarno::editing {
namespace {

using test::LoadedList;
using test::TestChannel;
using Numbers = std::vector<uint16_t>;
using Texts = std::vector<std::string>;

constexpr uint8_t kNotInUse = 0;

std::vector<std::vector<uint32_t>> GroupNumbers(const LoadedList& list) {
  std::vector<std::vector<uint32_t>> groups;
  for (const auto& group : FindDuplicates(list.data, list.cells)) {
    groups.emplace_back();
    for (const ListedChannel& channel : group) groups.back().push_back(channel.number);
  }
  return groups;
}

TEST(ChannelFields, FoundByCaptionOrByTheRoleAFieldNames) {
  const LoadedList digital("digital", {});
  const ChannelColumns columns = FindChannelColumns(digital.data.Items);
  EXPECT_EQ(columns.Of(ChannelRole::Number), 1);
  EXPECT_EQ(columns.Of(ChannelRole::Name), 2);
  EXPECT_EQ(columns.Of(ChannelRole::ServiceId), 3);
  EXPECT_EQ(columns.Of(ChannelRole::TransportId), 4);
  EXPECT_EQ(columns.Of(ChannelRole::NetworkId), 5);
  EXPECT_EQ(columns.Of(ChannelRole::InUse), 6);
  EXPECT_EQ(columns.Of(ChannelRole::Deleted), 7);
  EXPECT_FALSE(columns.Has(ChannelRole::Frequency));

  // A field with a role answers to it (in any case), not to its caption: the slot captioned "Nr" is no number.
  const LoadedList analog("analog", {});
  const ChannelColumns named = FindChannelColumns(analog.data.Items);
  EXPECT_EQ(named.Of(ChannelRole::Number), 1);
  EXPECT_EQ(named.Of(ChannelRole::Name), 2);
  EXPECT_EQ(named.Of(ChannelRole::Frequency), 3);
  EXPECT_EQ(named.Of(ChannelRole::InUse), 4);
  EXPECT_FALSE(named.Has(ChannelRole::ServiceId));
}

TEST(ChannelFields, ARolePartNamesSeveralRolesEachWithTheBitsItOwns) {
  const auto item = [](const char* caption, int column, const char* role) {
    TDataItem field;
    field.Name = caption;
    field.Column = column;
    field.Role = role;
    return field;
  };
  const ChannelColumns columns = FindChannelColumns({item("Favs", 1, "Fav1&$01 + fav2&2+Fav4&$08"),
                                                     item("Status", -2, "In use&$80"), item("Fav5", 3, ""),
                                                     item("Lock", 4, "Skip"), item("Hide", 5, "Hide&x")});
  EXPECT_EQ(columns.Of(ChannelRole::Fav1), 1);
  EXPECT_EQ(columns.MaskOf(ChannelRole::Fav1), 0x01u);
  EXPECT_EQ(columns.MaskOf(ChannelRole::Fav2), 0x02u);
  EXPECT_FALSE(columns.Has(ChannelRole::Fav3));
  EXPECT_EQ(columns.MaskOf(ChannelRole::Fav4), 0x08u);
  EXPECT_EQ(columns.Of(ChannelRole::InUse), 2);
  EXPECT_EQ(columns.FlagBits(ChannelRole::InUse), 0x80u);
  // A caption answers without a mask: positions for a favourites list, bit 0 for a flag.
  EXPECT_EQ(columns.Of(ChannelRole::Fav5), 3);
  EXPECT_EQ(columns.MaskOf(ChannelRole::Fav5), 0u);
  EXPECT_EQ(columns.Of(ChannelRole::Skip), 4);
  EXPECT_EQ(columns.FlagBits(ChannelRole::Skip), 1u);
  EXPECT_FALSE(columns.Has(ChannelRole::Lock)) << "a field with a role part answers to it only";
  EXPECT_FALSE(columns.Has(ChannelRole::Hide)) << "a mask that is no number names nothing";
}

TEST(ChannelList, InUseChannelsThatAreNotDeleted) {
  LoadedList list("digital", {{1, "A", 10, 1, 1},
                              {2, "B", 11, 1, 1, kNotInUse},
                              {3, "C", 12, 1, 1, 1, 1},
                              {0, "D", 13, 1, 1}});
  const ChannelList channels = ListGridChannels(list.data, list.cells);
  ASSERT_EQ(channels.channels.size(), 2u);
  EXPECT_EQ(channels.channels[0].row, 1);
  EXPECT_EQ(channels.channels[1].row, 4);
  EXPECT_EQ(channels.channels[1].number, 0u);  // in use without a number is still a channel
  EXPECT_EQ(channels.channels[0].Key(ChannelRole::ServiceId), "10");
  EXPECT_EQ(channels.channels[0].Key(ChannelRole::Name), "A");
}

TEST(ApplyReference, FoundChannelsTakeTheReferenceNumberTheOthersFollowTheHighest) {
  LoadedList target("digital", {{1, "A", 10, 1, 1},
                                {2, "B", 11, 1, 1},
                                {3, "C", 12, 1, 1},
                                {4, "D", 13, 1, 1},
                                {0, "", 0, 0, 0, kNotInUse},
                                {5, "e ", 99, 1, 1},  // another service id: found by its name
                                {6, "F", 14, 1, 1, 1, 1}});
  const LoadedList reference("digital", {{7, "A", 10, 1, 1},
                                         {3, "B", 11, 1, 1},
                                         {1, "C", 12, 1, 1},
                                         {2, "E", 50, 1, 1},
                                         {10, "Z", 77, 1, 1},
                                         {4, "F", 14, 1, 1}});
  target.cells.MoveRow(3, 1);  // numbers reach the record a row shows, wherever it stands
  const ReferenceResult result =
      ApplyReference(target.data, target.cells, ListGridChannels(reference.data, reference.cells));
  // The deleted channel and the empty slot keep their numbers.
  EXPECT_EQ(target.StoredNumbers(), (Numbers{7, 3, 1, 8, 0, 2, 6}));
  EXPECT_EQ(result.channels, 5);
  EXPECT_EQ(result.Found(), 4);
  EXPECT_EQ(result.unmatched, 1);
  EXPECT_EQ(result.changed, 5);
  EXPECT_EQ(target.Column(1), (Texts{"00001", "00007", "00003", "00008", "", "00002", "00006"}));
}

TEST(ApplyReference, ChannelsNotFoundAreNumberedInTheOrderOfTheirOldNumbers) {
  LoadedList target("digital", {{9, "N9", 31, 1, 1}, {0, "N0", 32, 1, 1}, {5, "N5", 33, 1, 1}, {2, "A", 10, 1, 1}});
  const LoadedList reference("digital", {{20, "A", 10, 1, 1}});
  ApplyReference(target.data, target.cells, ListGridChannels(reference.data, reference.cells));
  EXPECT_EQ(target.StoredNumbers(), (Numbers{22, 23, 21, 20}));

  // Without any channel found, numbering starts at 1.
  LoadedList alone("digital", {{9, "N9", 31, 1, 1}, {5, "N5", 33, 1, 1}});
  const ReferenceResult result =
      ApplyReference(alone.data, alone.cells, ListGridChannels(reference.data, reference.cells));
  EXPECT_EQ(alone.StoredNumbers(), (Numbers{2, 1}));
  EXPECT_EQ(result.Found(), 0);
}

TEST(ApplyReference, EveryReferenceChannelAndEveryNumberIsGivenOnce) {
  // Two channels of one service: the lower-numbered one takes the reference's number.
  LoadedList twice("digital", {{8, "A", 10, 1, 1}, {3, "A", 10, 1, 1}});
  const LoadedList one("digital", {{5, "A", 10, 1, 1}});
  ApplyReference(twice.data, twice.cells, ListGridChannels(one.data, one.cells));
  EXPECT_EQ(twice.StoredNumbers(), (Numbers{6, 5}));

  // A reference that gives one number to two services: the second is numbered after.
  LoadedList two("digital", {{1, "A", 10, 1, 1}, {2, "B", 11, 1, 1}});
  const LoadedList clash("digital", {{4, "A", 10, 1, 1}, {4, "B", 11, 1, 1}});
  ApplyReference(two.data, two.cells, ListGridChannels(clash.data, clash.cells));
  EXPECT_EQ(two.StoredNumbers(), (Numbers{4, 5}));
}

TEST(ApplyReference, NamesMatchWithoutCaseOrEndBlanksButAnEmptyNameMatchesNothing) {
  LoadedList target("digital", {{1, "Arte", 1, 1, 1}, {2, "", 2, 1, 1}, {3, " zdf", 3, 1, 1}});
  const LoadedList reference("digital", {{30, "ARTE ", 7, 7, 7}, {10, "", 8, 8, 8}, {20, "ZDF", 9, 9, 9}});
  ApplyReference(target.data, target.cells, ListGridChannels(reference.data, reference.cells));
  EXPECT_EQ(target.StoredNumbers(), (Numbers{30, 31, 20}));
}

TEST(ApplyReference, AnalogChannelsAreFoundByNameAndFrequency) {
  LoadedList target("analog", {{1, "ARD", 471}, {2, "ARD", 503}, {3, "Local", 600}});
  const LoadedList reference("analog", {{9, "ARD", 503}, {4, "ARD", 471}, {6, "local", 610}});
  ApplyReference(target.data, target.cells, ListGridChannels(reference.data, reference.cells));
  // Local moved to another frequency: found by its name alone.
  EXPECT_EQ(target.StoredNumbers(), (Numbers{4, 9, 6}));
  EXPECT_EQ(target.data.Records[0][13], 231);  // the slot field captioned "Nr" (999) is untouched
}

TEST(ApplyReference, ACsvReferenceIsReadByTheCaptionsOfTheLoadedLayout) {
  LoadedList target("analog", {{1, "ARD", 471}, {2, "ZDF", 503}, {3, "Local", 600}});
  // Numbers and frequencies as a spreadsheet writes them back: without leading zeros.
  const std::string csv =
      "Sender,Programm,Frequenz,Aktiv\r\n"
      "ZDF,1,503,1\r\n"
      "ARD,2,471,1\r\n"
      "Local,3,600,0\r\n";  // not in use: no reference for Local
  const ReferenceResult result =
      ApplyReference(target.data, target.cells, ListCsvChannels(csv, target.data.Items));
  EXPECT_EQ(target.StoredNumbers(), (Numbers{2, 1, 3}));
  EXPECT_EQ(result.Found(), 2);

  // The CSV export of a list is a reference list too.
  LoadedList other("analog", {{5, "ZDF", 503}, {6, "ARD", 471}});
  ApplyReference(other.data, other.cells, ListCsvChannels(ExportCsv(target.data, target.cells), other.data.Items));
  EXPECT_EQ(other.StoredNumbers(), (Numbers{1, 2}));

  EXPECT_THROW(ListCsvChannels("Sender,Frequenz\r\nARD,471\r\n", target.data.Items), ChannelListError);
}

TEST(ApplyReference, ALayoutWithoutNumberFieldIsAnError) {
  const char* settings = "[plain]\nITEM = Name, 4, 1, /, $00, 1\n";
  test::TempDir dir;
  test::WriteFile(dir.File("s.ini"), settings);
  TDataObject data(dir.File("s.ini"), "plain");
  data.Records.assign(1, TDataByteArray(4, 'a'));
  grid::CellStore cells;
  data.FillGrid(&cells);
  try {
    ListGridChannels(data, cells);
    FAIL() << "no error";
  } catch (const ChannelListError& error) {
    EXPECT_STREQ(error.what(), "The layout of plain has no channel number field (caption \"Nr\" or that role)");
  }
}

TEST(Duplicates, GroupsOfOneServiceByNumberAndTheGroupsByTheirLowestNumber) {
  const LoadedList list("digital", {{7, "A", 10, 1, 1},
                                    {3, "A'", 10, 1, 1},  // names do not count where there are service ids
                                    {1, "B", 11, 1, 1},
                                    {4, "B", 11, 1, 2},  // another network
                                    {9, "A", 10, 1, 1},
                                    {2, "C", 12, 1, 1},
                                    {5, "C", 12, 1, 1, kNotInUse},
                                    {6, "C", 12, 1, 1, 1, 1},  // deleted
                                    {8, "", 0, 0, 0},
                                    {11, "", 0, 0, 0},  // no identity at all: not one service
                                    {12, "D", 13, 2, 2},
                                    {10, "D", 13, 2, 2}});
  EXPECT_EQ(GroupNumbers(list), (std::vector<std::vector<uint32_t>>{{3, 7, 9}, {10, 12}}));
}

TEST(Duplicates, AnalogChannelsAreOneServiceByNameAndFrequency) {
  const LoadedList list("analog", {{1, "ARD", 471}, {2, "ard ", 471}, {3, "ARD", 503}, {4, "", 600}, {5, "", 600}});
  EXPECT_EQ(GroupNumbers(list), (std::vector<std::vector<uint32_t>>{{1, 2}, {4, 5}}));
}

TEST(Duplicates, RemovingClearsAllButTheLowestNumberAsClearRowDoes) {
  LoadedList list("digital", {{7, "A", 10, 1, 1}, {3, "A", 10, 1, 1}, {1, "B", 11, 1, 1}, {9, "A", 10, 1, 1}});
  list.cells.MoveRow(4, 1);
  EXPECT_EQ(RemoveDuplicates(list.data, list.cells), 2);
  EXPECT_EQ(list.data.Records[0], TDataByteArray(22, 0));
  EXPECT_EQ(list.data.Records[3], TDataByteArray(22, 0));
  EXPECT_EQ(list.data.Records[1], test::DigitalRecord({3, "A", 10, 1, 1}));
  EXPECT_EQ(list.data.Records[2], test::DigitalRecord({1, "B", 11, 1, 1}));
  EXPECT_EQ(list.Column(2), (Texts{"", "", "A", "B"}));  // the cleared rows show empty cells
  EXPECT_EQ(RemoveDuplicates(list.data, list.cells), 0);

  list.cells.SetRowCount(list.cells.RowCount() + 1);  // the grid's own row insertion
  EXPECT_THROW(RemoveDuplicates(list.data, list.cells), ChannelListError);
}

}  // namespace
}  // namespace tarno::editing
