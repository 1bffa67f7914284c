// Presets whose record sizes agree are told apart by what the favourite lists
// of the channels in use hold, as each preset's sections say; entries no
// section reads leave a preset fit.
#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "SettingsPresets.h"

namespace tarno {
namespace {

// 9-byte records: the in-use flag (found by its role) and two favourite lists.
const std::string kMap = "[map-X]\nITEM = Used, 1, 1, #, , 1, In use\nITEM = Fav1, 4, 4, #, , 2\nITEM = Fav2, 4, 4, #, , 3\n";

std::string Record(uint8_t used, uint32_t first, uint32_t second) {
  std::string record(1, static_cast<char>(used));
  for (const uint32_t list : {first, second})
    for (int byte = 0; byte < 4; ++byte) record += static_cast<char>(list >> (8 * byte) & 0xFF);
  return record;
}

constexpr uint32_t kNotInList = 0xFFFFFFFF;

ArchiveEntry Entry(const std::string& name, const std::string& bytes) {
  ArchiveEntry entry;
  entry.name = name;
  entry.bytes = bytes;
  return entry;
}

class PresetFit : public ::testing::Test {
 protected:
  std::string Preset(const std::string& name, const std::string& favourites) {
    test::WriteFile(dir_.File(name), kMap + (favourites.empty() ? "" : "FAVOURITES = " + favourites + "\n"));
    return dir_.File(name);
  }
  std::vector<std::string> Fitting(const std::vector<std::string>& presets, const std::string& records) {
    return FitPresets(presets, {Entry("map-X", records)}).fitting;
  }

  test::TempDir dir_;
  const std::string flags_ = Preset("flags.ini", "flags");
  const std::string positions_ = Preset("positions.ini", "positions");
};

TEST_F(PresetFit, TheFavouritesOfChannelsInUseDecide) {
  // A slot out of use says nothing, whatever it holds.
  const std::string unused = Record(0, 7, 0);
  EXPECT_EQ(Fitting({flags_, positions_}, Record(1, 0, 1) + Record(1, 1, 1) + unused), std::vector{flags_});
  EXPECT_EQ(Fitting({flags_, positions_}, Record(1, kNotInList, 3) + unused), std::vector{positions_});
  // A stray value does not outweigh the others.
  EXPECT_EQ(Fitting({flags_, positions_}, Record(1, kNotInList, 2) + Record(1, 0, kNotInList) + Record(1, 1, kNotInList)),
            std::vector{positions_});
  // Values both can hold, or none in use, leave both.
  EXPECT_EQ(Fitting({flags_, positions_}, Record(1, 1, 1)), (std::vector{flags_, positions_}));
  EXPECT_EQ(Fitting({flags_, positions_}, unused), (std::vector{flags_, positions_}));
}

TEST_F(PresetFit, APresetSayingNothingOfItsFavouritesIsNeverRuledOut) {
  const std::string silent = Preset("silent.ini", "");
  const auto fit = FitPresets({flags_, positions_, silent}, {Entry("map-X", Record(1, 0, 0))});
  EXPECT_EQ(fit.fitting, (std::vector{flags_, silent}));
  ASSERT_EQ(fit.misfits.size(), 1u);
  EXPECT_EQ(fit.misfits[0].first, positions_);
  EXPECT_NE(fit.misfits[0].second.find("map-X record 0 holds 0 in Fav1"), std::string::npos) << fit.misfits[0].second;
}

TEST_F(PresetFit, EntriesNoSectionReadsLeaveAPresetFit) {
  const std::vector<ArchiveEntry> entries = {Entry("Bouquets", std::string(5, '\x01')),
                                             Entry("map-X", Record(1, 0, 1))};
  EXPECT_EQ(FitPresets({flags_}, entries).fitting, std::vector{flags_});
  EXPECT_EQ(UnreadEntries(flags_, entries), std::vector<std::string>{"Bouquets"});
  // Read it must still be: an archive of such entries alone fits no preset.
  EXPECT_EQ(SettingsMisfit(flags_, {entries[0]}), "no section reads any of its files");
  EXPECT_NE(SettingsMisfit(flags_, {Entry("map-X", "odd")}), "");
}

}  // namespace
}  // namespace tarno
