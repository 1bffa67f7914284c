// Lock, skip, hide and delete on real channel maps of the E and D families:
// only the flag's bit changes.
#include <gtest/gtest.h>

#include "ChannelFlags.h"
#include "SampleChannelMap.h"

namespace tarno::editing {
namespace {

struct FlagCase {
  ChannelFlag flag;
  ChannelRole role;
};
const FlagCase kDigitalFlags[] = {{ChannelFlag::Lock, ChannelRole::Lock},
                                  {ChannelFlag::Skip, ChannelRole::Skip},
                                  {ChannelFlag::Hide, ChannelRole::Hide},
                                  {ChannelFlag::Delete, ChannelRole::Deleted}};

class Flags : public ::testing::TestWithParam<std::string> {
 protected:
  bool LoadDigital() { return Load(test::CachedSampleMap(GetParam(), test::kDigitalMaps)); }
  bool LoadSatellite() { return Load(test::CachedSampleMap(GetParam(), test::kSatelliteMaps)); }
  bool Load(const std::optional<test::SampleMap>& map) {
    if (!map) return false;
    EXPECT_TRUE(list.Load(*map));
    for (const ListedChannel& channel : list.Channels().channels) rows.push_back(channel.row);
    return true;
  }
  // Every saved record equals its state before but in the role's field, where only bit 0 may differ.
  void ExpectOnlyBitZeroOf(ChannelRole role, const std::vector<TDataByteArray>& before) {
    const std::vector<TDataByteArray> saved = list.Saved();
    const TDataItem& field = list.Field(role);
    for (size_t r = 0; r < saved.size(); ++r) {
      TDataByteArray expected = before[r];
      expected[static_cast<size_t>(field.Offset)] =
          static_cast<uint8_t>((expected[static_cast<size_t>(field.Offset)] & ~1u) |
                               (saved[r][static_cast<size_t>(field.Offset)] & 1u));
      EXPECT_EQ(saved[r], expected) << RoleCaption(role) << ", record " << r;
    }
  }

  test::LoadedMap list;
  std::vector<int> rows;
};

TEST_P(Flags, EachFlagSetsAndClearsOnlyItsBitOfTheSelectedChannels) {
  if (!LoadDigital()) GTEST_SKIP() << "no digital map of the " << GetParam() << " family";
  const RowSpan selected{rows[0], rows[1]};
  for (const FlagCase& flag : kDigitalFlags) {
    SCOPED_TRACE(RoleCaption(flag.role));
    const std::vector<TDataByteArray> before = list.Saved();
    const uint32_t untouched = list.LoadedValue(rows[2], flag.role);
    SetChannelFlag(list.data(), list.cells, selected, flag.flag, true);
    EXPECT_EQ(list.SavedValue(rows[0], flag.role) & 1u, 1u);
    EXPECT_EQ(list.SavedValue(rows[1], flag.role) & 1u, 1u);
    EXPECT_EQ(list.SavedValue(rows[2], flag.role), untouched);
    ExpectOnlyBitZeroOf(flag.role, before);
    SetChannelFlag(list.data(), list.cells, selected, flag.flag, false);
    EXPECT_EQ(list.SavedValue(rows[0], flag.role), list.LoadedValue(rows[0], flag.role) & ~1u);
    ExpectOnlyBitZeroOf(flag.role, before);
  }
}

TEST_P(Flags, DeletedChannelsLeaveTheListAndComeBackWhenUndeleted) {
  if (!LoadDigital()) GTEST_SKIP() << "no digital map of the " << GetParam() << " family";
  const size_t channels = rows.size();
  SetChannelFlag(list.data(), list.cells, {rows[0], rows[1]}, ChannelFlag::Delete, true);
  EXPECT_EQ(list.Channels().channels.size(), channels - 2);
  SetChannelFlag(list.data(), list.cells, {1, list.cells.RowCount() - 1}, ChannelFlag::Delete, false);
  EXPECT_GE(list.Channels().channels.size(), channels);
  EXPECT_EQ(list.SavedValue(rows[0], ChannelRole::Deleted), 0u);
}

TEST_P(Flags, ASatelliteChannelIsDeletedByClearingItsInUseBit) {
  if (!LoadSatellite()) GTEST_SKIP() << "no satellite map of the " << GetParam() << " family";
  ASSERT_FALSE(list.Column(ChannelRole::Deleted));
  SetChannelFlag(list.data(), list.cells, {rows[0], rows[0]}, ChannelFlag::Delete, true);
  EXPECT_EQ(list.SavedValue(rows[0], ChannelRole::InUse), list.LoadedValue(rows[0], ChannelRole::InUse) & ~1u);
  ExpectOnlyBitZeroOf(ChannelRole::InUse, list.Loaded());
  EXPECT_EQ(list.Channels().channels.front().row, rows[1]);
  SetChannelFlag(list.data(), list.cells, {rows[0], rows[0]}, ChannelFlag::Delete, false);
  EXPECT_EQ(list.Saved(), list.Loaded());
}

TEST_P(Flags, AFlagTheListHasNoFieldForIsRefusedByName) {
  if (!LoadSatellite()) GTEST_SKIP() << "no satellite map of the " << GetParam() << " family";
  try {
    SetChannelFlag(list.data(), list.cells, {rows[0], rows[0]}, ChannelFlag::Skip, true);
    FAIL() << "a satellite list has no skip flag";
  } catch (const ChannelListError& error) {
    EXPECT_STREQ(error.what(), "This list has no Skip field");
  }
  EXPECT_EQ(list.Saved(), list.Loaded());
}

INSTANTIATE_TEST_SUITE_P(Family, Flags, ::testing::Values("1201", "1101"));

}  // namespace
}  // namespace tarno::editing
