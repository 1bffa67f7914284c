// Reference lists between families on made-up lists: favourites kept as
// positions, as 0/1 flags and as bits of a shared byte carried each way,
// lock and hide, analog names, what becomes of the channels the reference
// lacks, the report's counts, and the text form read and written.
#include <gtest/gtest.h>

#include "ListSource.h"
#include "ReferenceDetails.h"
#include "ReferenceList.h"
#include "ReferenceText.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {
namespace {

// The fields every list has (17 bytes), then each family's favourites and flags.
constexpr const char* kCommonFields =
    "ITEM = Nr, 2, 2, #, $00, 1\nITEM = Name, 8, 1, /, $00, 2\nITEM = SID, 2, 2, #, $00, 3\n"
    "ITEM = TSID, 2, 2, #, $00, 4\nITEM = ONID, 2, 2, #, $00, 5\nITEM = In use, 1, 1, #, $00, 6\n";

std::string Section(const std::string& name, const std::string& own) { return "[" + name + "]\n" + kCommonFields + own; }

const std::string kSettings =
    Section("positions", "ITEM = Fav1, 4, 4, #, $00, 7\nITEM = Fav2, 4, 4, #, $00, 8\n"
                         "ITEM = Lock, 1, 1, #, $00, 9\nITEM = Hide, 1, 1, #, $00, 10\n") +
    Section("bits", "ITEM = Favs, 1, 1, #, $00, 7, Fav1&$01+Fav2&$02\nITEM = Flags, 1, 1, #, $00, 8, Lock&$01+Hide&$04\n") +
    Section("flags", "ITEM = Fav1, 4, 4, #, $00, 7, Fav1&1\nITEM = Fav2, 4, 4, #, $00, 8, Fav2&1\n") +
    "[map-AirA]\nITEM = Nr, 2, 2, #, $00, 1\nITEM = Name, 5, 1, /, $00, 2\nITEM = MHz, 2, 2, #, $00, 3\n"
    "ITEM = In use, 1, 1, #, $00, 4\n";

constexpr uint32_t kOut = 0xFFFFFFFF;  // -1: not in a positions list

struct Channel {
  uint16_t nr = 0;
  std::string name;
  uint16_t sid = 0;
  std::vector<uint32_t> own;  // the family's fields after the common ones, in order
};

void Put(TDataByteArray& record, size_t at, uint32_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) record[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A list of the section's layout, its grid filled.
struct List {
  List(const std::string& section, const std::vector<Channel>& channels) : data(ReadLayoutFrom(kSettings, section)) {
    for (const Channel& channel : channels) {
      TDataByteArray record(static_cast<size_t>(data.RecordSize()), 0);
      for (const TDataItem& item : data.Items) {
        const auto at = static_cast<size_t>(item.Offset);
        const auto size = static_cast<size_t>(item.Size);
        if (item.Column == 1) Put(record, at, channel.nr, size);
        else if (item.Column == 2) for (size_t i = 0; i < channel.name.size() && i < size; ++i) record[at + i] = static_cast<uint8_t>(channel.name[i]);
        else if (item.Column == 3) Put(record, at, channel.sid, size);
        else if (item.Column == 4 && section != "map-AirA") Put(record, at, 1, size);  // TSID
        else if (item.Column == 5) Put(record, at, 1, size);  // ONID
        else if (NamesRole(item.Name, ChannelRole::InUse)) Put(record, at, channel.nr != 0 || !channel.name.empty(), size);
        else if (item.Column >= 7 && static_cast<size_t>(item.Column - 7) < channel.own.size())
          Put(record, at, channel.own[static_cast<size_t>(item.Column - 7)], size);
      }
      data.Records.push_back(record);
    }
    data.FillGrid(&cells);
  }
  // The value of the field in column col of record r, little-endian.
  uint32_t Value(size_t r, int col) const {
    for (const TDataItem& item : data.Items) {
      if (item.Column != col) continue;
      uint32_t value = 0;
      for (int b = item.Size - 1; b >= 0; --b) value = value << 8 | data.Records[r][static_cast<size_t>(item.Offset + b)];
      return value;
    }
    return 0;
  }
  // The records as a save writes them.
  void TakeBack() { ASSERT_TRUE(data.GridToRecords(&cells, false)); }
  std::vector<uint32_t> Column(int col) {
    std::vector<uint32_t> values;
    for (size_t r = 0; r < data.Records.size(); ++r) values.push_back(Value(r, col));
    return values;
  }

  TDataObject data;
  grid::CellStore cells;
};

ReferenceOptions Carrying(bool favourites, bool flags, Unmatched unmatched = Unmatched::NumberAfter) {
  ReferenceOptions options;
  options.carry = {false, favourites, flags, false};
  options.unmatched = unmatched;
  return options;
}

using Values = std::vector<uint32_t>;

// A (5) in lists 1 and 2 ... as bits of one byte; its bit 7 is no list's.
const std::vector<Channel> kBitsReference = {
    {5, "A", 10, {0x01 | 0x80}}, {2, "B", 11, {0x03}}, {9, "C", 12, {0x00}}, {7, "D", 13, {0x01}}};

TEST(ReferenceFavourites, BitsBecomePositionsInChannelNumberOrder) {
  const List reference("bits", kBitsReference);
  // E is not in the reference; it held place 1 of list 1.
  List target("positions", {{1, "A", 10, {kOut, 3}}, {2, "B", 11, {kOut, kOut}}, {3, "C", 12, {2, 1}},
                            {4, "D", 13, {kOut, kOut}}, {6, "E", 99, {1, 2}}});
  const ReferenceResult result =
      ApplyReference(target.data, target.cells, ReferenceFromGrid(reference.data, reference.cells), Carrying(true, false));
  target.TakeBack();
  EXPECT_EQ(result.favouriteLists, 2);
  EXPECT_EQ(target.Column(7), (Values{2, 1, kOut, 3, kOut}));  // B (2), A (5), D (7); E left the list
  EXPECT_EQ(target.Column(8), (Values{kOut, 1, kOut, kOut, kOut}));
  EXPECT_EQ(target.Column(1), (Values{1, 2, 3, 4, 6}));  // numbers were not asked for
}

TEST(ReferenceFavourites, ChannelsKeptStayInTheListBehindTheReferencesOwn) {
  const List reference("bits", kBitsReference);
  List target("positions", {{1, "A", 10, {kOut, kOut}}, {6, "E", 99, {1, 2}}, {8, "F", 98, {kOut, 1}}});
  ApplyReference(target.data, target.cells, ReferenceFromGrid(reference.data, reference.cells),
                 Carrying(true, false, Unmatched::Keep));
  target.TakeBack();
  EXPECT_EQ(target.Column(7), (Values{1, 2, kOut}));
  EXPECT_EQ(target.Column(8), (Values{kOut, 2, 1}));  // A is not in the reference's list 2: F and E in their old order
  EXPECT_EQ(target.Column(1), (Values{1, 6, 8}));
}

TEST(ReferenceFavourites, PositionsBecomeBitsAndFlagsOtherBitsStay) {
  const List reference("positions", {{1, "A", 10, {2, kOut}}, {2, "B", 11, {kOut, 1}}, {3, "C", 12, {1, kOut}}});
  List bits("bits", {{4, "A", 10, {0x80}}, {5, "B", 11, {0x01}}, {6, "C", 12, {0x02}}, {7, "X", 50, {0x03}}});
  ApplyReference(bits.data, bits.cells, ReferenceFromGrid(reference.data, reference.cells), Carrying(true, false));
  bits.TakeBack();
  EXPECT_EQ(bits.Column(7), (Values{0x81, 0x02, 0x01, 0x00}));

  List flags("flags", {{4, "A", 10, {0, 1}}, {5, "B", 11, {1, 0}}, {6, "C", 12, {0, 0}}});
  ApplyReference(flags.data, flags.cells, ReferenceFromGrid(reference.data, reference.cells), Carrying(true, false));
  flags.TakeBack();
  EXPECT_EQ(flags.Column(7), (Values{1, 0, 1}));
  EXPECT_EQ(flags.Column(8), (Values{0, 1, 0}));
}

TEST(ReferenceFavourites, FlagsOfOneFamilyAreOrderedByNumberInAnother) {
  const List reference("flags", {{30, "A", 10, {1, 0}}, {10, "B", 11, {1, 1}}, {20, "C", 12, {0, 0}}});
  List target("positions", {{1, "A", 10, {kOut, kOut}}, {2, "B", 11, {kOut, kOut}}, {3, "C", 12, {1, 1}}});
  ApplyReference(target.data, target.cells, ReferenceFromGrid(reference.data, reference.cells), Carrying(true, false));
  target.TakeBack();
  EXPECT_EQ(target.Column(7), (Values{2, 1, kOut}));
  EXPECT_EQ(target.Column(8), (Values{kOut, 1, kOut}));
}

TEST(ReferenceFlags, LockAndHideGoBetweenFieldsOfTheirOwnAndBitsOfAShared) {
  const List reference("positions", {{1, "A", 10, {kOut, kOut, 1, 0}}, {2, "B", 11, {kOut, kOut, 0, 1}},
                                     {3, "C", 12, {kOut, kOut, 0, 0}}, {4, "D", 13, {kOut, kOut, 255, 0}}});
  // Bit 1 of the shared byte is nobody's: it stays.
  List bits("bits", {{1, "A", 10, {0, 0x02}}, {2, "B", 11, {0, 0x01}}, {3, "C", 12, {0, 0x05}}, {4, "D", 13, {0, 1}}});
  const ReferenceResult result =
      ApplyReference(bits.data, bits.cells, ReferenceFromGrid(reference.data, reference.cells), Carrying(false, true));
  bits.TakeBack();
  // A set of 255 is no "locked": D's lock goes.
  EXPECT_EQ(bits.Column(8), (Values{0x03, 0x04, 0x00, 0x00}));
  EXPECT_EQ(result.flagsChanged, 4);

  List back("positions", {{1, "A", 10, {kOut, kOut, 0, 1}}, {2, "B", 11, {kOut, kOut, 1, 0}}});
  ApplyReference(back.data, back.cells, ReferenceFromGrid(bits.data, bits.cells), Carrying(false, true));
  back.TakeBack();
  EXPECT_EQ(back.Column(9), (Values{1, 0}));
  EXPECT_EQ(back.Column(10), (Values{0, 1}));
}

TEST(ReferenceUnmatched, DeletedKeptOrNumberedAfterAndCounted) {
  const List reference("positions", {{5, "A", 10, {}}, {6, "b", 77, {}}});
  for (const Unmatched way : {Unmatched::NumberAfter, Unmatched::Delete, Unmatched::Keep}) {
    List target("positions", {{1, "A", 10, {}}, {2, "B", 11, {}}, {3, "Z", 12, {}}});
    ReferenceOptions options;
    options.unmatched = way;
    const ReferenceResult result =
        ApplyReference(target.data, target.cells, ReferenceFromGrid(reference.data, reference.cells), options);
    target.TakeBack();
    EXPECT_EQ(result.byIdentity, 1);
    EXPECT_EQ(result.byName, 1);  // B: another service id, the same name
    EXPECT_EQ(result.unmatched, 1);
    const Values numbers = target.Column(1);
    const Values inUse = target.Column(6);
    if (way == Unmatched::NumberAfter) {
      EXPECT_EQ(numbers, (Values{5, 6, 7}));
      EXPECT_EQ(inUse, (Values{1, 1, 1}));
    } else if (way == Unmatched::Delete) {
      EXPECT_EQ(numbers, (Values{5, 6, 3}));
      EXPECT_EQ(inUse, (Values{1, 1, 0}));  // no delete flag: the in-use field is cleared
    } else {
      EXPECT_EQ(numbers, (Values{5, 6, 3}));
      EXPECT_EQ(inUse, (Values{1, 1, 1}));
    }
  }
}

TEST(ReferenceNames, AnAnalogListTakesTheNamesOfTheChannelsFoundAlsoByFrequencyAlone) {
  const List reference("map-AirA", {{1, "ORF1", 471, {}}, {2, "ZDF", 487, {}}, {3, "ARTE", 495, {}}});
  List target("map-AirA", {{7, "", 471, {}}, {8, "zdf ", 487, {}}, {9, "X", 600, {}}});
  ReferenceOptions options;
  options.carry.names = true;
  const ReferenceResult result =
      ApplyReference(target.data, target.cells, ReferenceFromGrid(reference.data, reference.cells), options);
  EXPECT_EQ(result.byName, 1);
  EXPECT_EQ(result.byFrequency, 1);
  EXPECT_EQ(result.unmatched, 1);
  EXPECT_EQ(result.namesChanged, 2);
  EXPECT_EQ(target.cells.Text(2, 1), "ORF1");
  EXPECT_EQ(target.cells.Text(2, 2), "ZDF");
  EXPECT_EQ(target.cells.Text(2, 3), "X");
  EXPECT_EQ(target.Column(1), (Values{1, 2, 3}));

  // Without names the frequency alone finds nothing, as it never did.
  List again("map-AirA", {{7, "", 471, {}}});
  EXPECT_EQ(ApplyReference(again.data, again.cells, ReferenceFromGrid(reference.data, reference.cells)).unmatched, 1);
}

TEST(ListSource, FromTheFileName) {
  EXPECT_EQ(SourceOfList("map-CableD"), ListSource::Cable);
  EXPECT_EQ(SourceOfList("map-AirD"), ListSource::Terrestrial);
  EXPECT_EQ(SourceOfList("map-SateD"), ListSource::Satellite);
  EXPECT_EQ(SourceOfList("map-AstraHDPlusD"), ListSource::Satellite);
  EXPECT_EQ(SourceOfList("map-AirA"), ListSource::Analog);
  EXPECT_EQ(SourceOfList("map-CableA"), ListSource::Analog);
  EXPECT_EQ(SourceOfList("dvbc"), ListSource::Cable);
  EXPECT_EQ(SourceOfList("dvbs"), ListSource::Satellite);
  EXPECT_EQ(SourceOfList("dvbt"), ListSource::Terrestrial);
  EXPECT_EQ(SourceOfList("dvb_analog"), ListSource::Analog);
  EXPECT_EQ(SourceOfList("SatDataBase.dat"), ListSource::Unknown);
}

TEST(ReferenceOptionWords, DefaultsAndWordsItDoesNotKnow) {
  const ReferenceOptions defaults = ParseReferenceOptions(std::nullopt, std::nullopt);
  EXPECT_TRUE(defaults.carry.numbers);
  EXPECT_FALSE(defaults.carry.favourites || defaults.carry.flags || defaults.carry.names);
  EXPECT_EQ(defaults.unmatched, Unmatched::NumberAfter);
  const ReferenceOptions chosen = ParseReferenceOptions("favourites+flags,names", "keep");
  EXPECT_FALSE(chosen.carry.numbers);
  EXPECT_TRUE(chosen.carry.favourites && chosen.carry.flags && chosen.carry.names);
  EXPECT_EQ(chosen.unmatched, Unmatched::Keep);
  EXPECT_FALSE(ParseReferenceOptions("", "delete").carry.numbers);
  EXPECT_THROW(ParseReferenceOptions("numbers,colours", std::nullopt), std::invalid_argument);
  EXPECT_THROW(ParseReferenceOptions(std::nullopt, "renumber"), std::invalid_argument);
}

TEST(ReferenceText, CommentsBlankLinesAndPartsLeftEmpty) {
  const Reference reference = ParseReferenceText(
      "\xEF\xBB\xBF# exported\r\n1;Das Erste;1-1051-28106\r\n\r\n2;Rock;Roll;\n3;;1-1-\n#4;x;1-1-1\n;No number;1-2-3\n"
      "5\n");
  const std::vector<ListedChannel>& channels = reference.list.channels;
  ASSERT_EQ(channels.size(), 4u);  // a line without a number gives no channel
  EXPECT_EQ(channels[0].number, 1u);
  EXPECT_EQ(channels[0].Key(ChannelRole::Name), "DAS ERSTE");
  EXPECT_EQ(channels[0].Key(ChannelRole::NetworkId), "1");
  EXPECT_EQ(channels[0].Key(ChannelRole::TransportId), "1051");
  EXPECT_EQ(channels[0].Key(ChannelRole::ServiceId), "28106");
  EXPECT_EQ(reference.details[1].name, "Rock;Roll");
  EXPECT_EQ(channels[2].Key(ChannelRole::ServiceId), "0");
  EXPECT_EQ(channels[3].number, 5u);
  EXPECT_TRUE(reference.Carries(ChannelRole::Name));
  EXPECT_FALSE(reference.Carries(ChannelRole::Fav1));
}

TEST(ReferenceText, TextThatIsNoReferenceNamesItsLine) {
  try {
    ParseReferenceText("# ok\n1;A;1-2-3\n2;\xFF\xFE;1-2-4\n");
    ADD_FAILURE() << "accepted bytes that are not UTF-8";
  } catch (const ReferenceTextError& error) {
    EXPECT_STREQ(error.what(), "Line 3 of the reference list is not UTF-8 text");
  }
  try {
    ParseReferenceText("1;A;1-2-3\nSeven;B;1-2-4\n");
    ADD_FAILURE() << "accepted a line without a number";
  } catch (const ReferenceTextError& error) {
    EXPECT_STREQ(error.what(), "Line 2 of the reference list begins with 'Seven', which is no channel number");
  }
}

TEST(ReferenceText, AListsOwnTextChangesNothingAndAnotherOrderRenumbers) {
  // B2 is another channel of B's service.
  List list("positions", {{3, "C;c", 12, {}}, {1, "A", 10, {}}, {0, "", 0, {}}, {2, "B", 11, {}}, {4, "B2", 11, {}}});
  const std::string text = ReferenceTextOf(list.data, list.cells);
  EXPECT_EQ(text, "# Reference list: NUMBER;NAME;ONID-TSID-SID\n1;A;1-1-10\n2;B;1-1-11\n3;C;c;1-1-12\n4;B2;1-1-11\n");
  const auto before = list.data.Records;
  const ReferenceResult result = ApplyReference(list.data, list.cells, ParseReferenceText(text, list.data.Items));
  EXPECT_EQ(result.changed, 0);
  EXPECT_EQ(list.data.Records, before);

  ApplyReference(list.data, list.cells, ParseReferenceText("1;C;c;1-1-12\n2;A;\n3;B;1-1-11\n"));
  EXPECT_EQ(list.Column(1), (Values{1, 2, 0, 3, 4}));
}

}  // namespace
}  // namespace tarno::editing
