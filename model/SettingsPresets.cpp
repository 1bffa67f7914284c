#include "SettingsPresets.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "ByteOrder.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit002.h"
#include "TelevisionArchive.h"

namespace tarno {
namespace {

namespace fs = std::filesystem;

constexpr uintmax_t kHeaderSize = 4;
constexpr size_t kFavouriteLists = 5;
constexpr const char* kDSeriesFamily = "1101";
constexpr const char* kLaterFamily = "1201";

// A channel map's shape in both families: where its favourite words lie.
struct MapShape {
  const char* name;
  size_t record;
  size_t favourites;
  size_t usedByte;  // a byte that is non-zero in every used record
};
constexpr MapShape kChannelMaps[] = {
    {"map-AirD", 320, 292, 9}, {"map-CableD", 320, 292, 9}, {"map-AirA", 64, 36, 0}, {"map-CableA", 64, 36, 0}};

// Favourite words of the used records of the digital and analog maps:
// +1 when they look like D-series flags, -1 like later positions, 0 unknown.
int FavouriteEvidence(const std::vector<ArchiveEntry>& entries) {
  bool flags = false;
  for (const MapShape& shape : kChannelMaps) {
    const auto map = std::find_if(entries.begin(), entries.end(), [&](const ArchiveEntry& e) { return e.name == shape.name; });
    if (map == entries.end()) continue;
    const std::string& bytes = map->bytes;
    for (size_t at = 0; at + shape.record <= bytes.size(); at += shape.record) {
      if (bytes[at + shape.usedByte] == '\0') continue;
      for (size_t list = 0; list < kFavouriteLists; ++list) {
        const uint32_t value = text::ReadLittleEndian(bytes.data() + at + shape.favourites + 4 * list, 4);
        if (value == 0xFFFFFFFFu || value > 1) return -1;
        flags = true;
      }
    }
  }
  return flags ? 1 : 0;
}

bool OfFamily(const std::string& preset, const char* family) {
  return fs::path(preset).filename().string().find(family) != std::string::npos;
}

}  // namespace

std::vector<ArchiveEntry> ArchiveEntries(const std::string& path) {
  TelevisionArchive archive;
  archive.Open(path);
  return ArchiveEntries(archive);
}

std::vector<ArchiveEntry> ArchiveEntries(const TelevisionArchive& archive) {
  std::vector<ArchiveEntry> entries = archive.ReadEntries();
  std::sort(entries.begin(), entries.end(), [](const ArchiveEntry& a, const ArchiveEntry& b) { return a.name < b.name; });
  return entries;
}

std::vector<std::string> PresetFiles(const std::string& folder) {
  std::vector<std::string> presets;
  std::error_code error;
  for (const auto& item : fs::directory_iterator(folder, error))
    if (item.path().extension() == ".ini") presets.push_back(item.path().string());
  std::sort(presets.begin(), presets.end());
  return presets;
}

std::string SettingsMisfit(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries) {
  if (entries.empty()) return "the archive holds no files";
  const std::string settings = ReadWholeFile(settingsFile);  // once, not once per entry
  for (const ArchiveEntry& entry : entries) {
    const TDataObject data(ReadLayoutFrom(settings, entry.name));
    if (!data.HasLayout()) return entry.name + " has no layout";
    const uintmax_t header = data.HasHeader ? kHeaderSize : 0;
    const auto record = static_cast<uintmax_t>(data.RecordSize());
    const uintmax_t size = entry.bytes.size();
    if (size < header || record == 0 || (size - header) % record != 0)
      return entry.name + " (" + std::to_string(size) + " bytes) is no whole number of " +
             std::to_string(record) + "-byte records";
  }
  return {};
}

PresetFit FitPresets(const std::vector<std::string>& presets, const std::vector<ArchiveEntry>& entries) {
  PresetFit fit;
  for (const std::string& preset : presets) {
    std::string why = SettingsMisfit(preset, entries);
    if (why.empty()) fit.fitting.push_back(preset);
    else fit.misfits.emplace_back(preset, std::move(why));
  }
  auto& fitting = fit.fitting;
  const auto d = std::find_if(fitting.begin(), fitting.end(), [](const std::string& p) { return OfFamily(p, kDSeriesFamily); });
  const auto later = std::find_if(fitting.begin(), fitting.end(), [](const std::string& p) { return OfFamily(p, kLaterFamily); });
  if (d != fitting.end() && later != fitting.end()) {
    const int evidence = FavouriteEvidence(entries);
    if (evidence != 0) fitting.assign(1, evidence > 0 ? *d : *later);
  }
  return fit;
}

std::string PresetInsteadOfDefault(const std::string& defaultSettings, const std::string& presetFolder,
                                   const std::vector<ArchiveEntry>& entries) {
  if (entries.empty()) return {};
  const std::vector<std::string> presets = PresetFiles(presetFolder);
  const PresetFit fit = FitPresets(presets, entries);
  if (fit.fitting.empty()) return {};
  if (!SettingsMisfit(defaultSettings, entries).empty()) return fit.fitting.front();
  // The default reads every size. When it is an unchanged preset of a family
  // the favourite lists rule out (a D-series archive without a satellite map
  // against the "1201" default), the one preset they point to reads it rightly.
  if (fit.fitting.size() != 1) return {};
  const std::string defaultText = ReadWholeFile(defaultSettings);
  for (const std::string& preset : presets)
    if (preset != fit.fitting.front() && ReadWholeFile(preset) == defaultText) return fit.fitting.front();
  return {};
}

}  // namespace tarno
