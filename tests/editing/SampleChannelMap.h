// A channel map of a real archive, loaded as the window loads it: the family's
// settings, the default script, the grid filled. Tests find one per family
// among whatever archives the shared samples hold.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChannelList.h"
#include "GridRecords.h"
#include "LoadSave.h"
#include "SampleFamilies.h"
#include "ScriptSession.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::test {

inline const std::vector<std::string> kDigitalMaps = {"map-CableD", "map-AirD"};
inline const std::vector<std::string> kSatelliteMaps = {"map-SateD"};

struct SampleMap {
  std::string archive;
  std::string entry;
};

// The first map of the given names, in an archive of the family, with at least
// `least` channels in use.
std::optional<SampleMap> FindSampleMap(const std::string& family, const std::vector<std::string>& entries,
                                       size_t least);

// The first such map of the family, found once per family and kind of map.
std::optional<SampleMap> CachedSampleMap(const std::string& family, const std::vector<std::string>& entries);

class LoadedMap {
 public:
  // Loads the map; false (with a failure recorded) when it does not load.
  bool Load(const SampleMap& map) {
    if (!script_.Reload(SourcePath("data/TarnoChannelEdit.rops"), [](const std::string&) {})) return false;
    if (!ExtractSample(map.archive, dir_.Path())) return false;
    const LogSink quiet = [](const std::string&) {};
    data_ = LoadDataFile(SettingsFor(dir_.Path()), dir_.File(map.entry), quiet);
    if (!data_ || !FillLoadedGrid(*data_, cells, quiet)) return false;
    loaded_ = *data_;
    return true;
  }

  TDataObject& data() { return *data_; }
  editing::ChannelList Channels() { return editing::ListGridChannels(*data_, cells); }
  int Column(editing::ChannelRole role) const { return editing::FindChannelColumns(data_->Items).Of(role); }

  // The records as a save would write them, the grid taken back in its row order.
  std::vector<TDataByteArray> Saved() {
    TDataObject copy = *data_;
    grid::CellStore grid = cells;
    EXPECT_TRUE(TakeGridBack(copy, grid, false, [](const std::string&) {}));
    return copy.Records;
  }
  const std::vector<TDataByteArray>& Loaded() const { return loaded_.Records; }

  // The field of a role: its offset and size in the record.
  const TDataItem& Field(editing::ChannelRole role) const {
    const int column = Column(role);
    for (const TDataItem& item : data_->Items)
      if (std::abs(item.Column) == column) return item;
    ADD_FAILURE() << "no field for " << editing::RoleCaption(role);
    return data_->Items.front();
  }
  // A field's value in a record, little-endian.
  uint32_t Value(const TDataByteArray& record, editing::ChannelRole role) const {
    const TDataItem& item = Field(role);
    uint32_t value = 0;
    for (int b = item.Size - 1; b >= 0; --b) value = value << 8 | record[static_cast<size_t>(item.Offset + b)];
    return value;
  }
  // The value a saved record holds for the row as loaded.
  uint32_t SavedValue(int row, editing::ChannelRole role) {
    return Value(Saved()[static_cast<size_t>(row - 1)], role);
  }
  uint32_t LoadedValue(int row, editing::ChannelRole role) const {
    return Value(loaded_.Records[static_cast<size_t>(row - 1)], role);
  }

  grid::CellStore cells;

 private:
  TempDir dir_;
  ScriptSession script_;
  std::unique_ptr<TDataObject> data_;
  TDataObject loaded_{Layout{}};
};

inline std::optional<SampleMap> FindSampleMap(const std::string& family, const std::vector<std::string>& entries,
                                              size_t least) {
  for (const std::string& archive : SampleArchives()) {
    TempDir dir;
    if (!ExtractSample(archive, dir.Path()) || FamilyOf(dir.Path()) != family) continue;
    for (const std::string& entry : entries) {
      if (!std::filesystem::exists(dir.File(entry))) continue;
      LoadedMap map;
      if (map.Load({archive, entry}) && map.Channels().channels.size() >= least) return SampleMap{archive, entry};
    }
  }
  return std::nullopt;
}

inline std::optional<SampleMap> CachedSampleMap(const std::string& family, const std::vector<std::string>& entries) {
  static std::map<std::pair<std::string, std::vector<std::string>>, std::optional<SampleMap>> found;
  const auto key = std::make_pair(family, entries);
  if (!found.count(key)) found[key] = FindSampleMap(family, entries, 5);
  return found[key];
}

// Tests over the first digital map of a family (the parameter) with five
// channels or more: the map loaded, the rows of its channels in row order.
class DigitalMapTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    const auto map = CachedSampleMap(GetParam(), kDigitalMaps);
    if (!map) GTEST_SKIP() << "no archive of the " << GetParam() << " family with a digital map";
    ASSERT_TRUE(list.Load(*map));
    for (const editing::ListedChannel& channel : list.Channels().channels) rows.push_back(channel.row);
  }

  LoadedMap list;
  std::vector<int> rows;  // the channels' rows
};

}  // namespace tarno::test
