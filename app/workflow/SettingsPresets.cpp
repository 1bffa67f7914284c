#include "SettingsPresets.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <memory>

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

uint32_t LittleEndianWord(const std::string& bytes, size_t at) {
  const auto* word = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return static_cast<uint32_t>(word[0]) | static_cast<uint32_t>(word[1]) << 8 | static_cast<uint32_t>(word[2]) << 16 |
         static_cast<uint32_t>(word[3]) << 24;
}

bool HasEntry(const std::vector<ArchiveEntry>& entries, const char* name) {
  return std::any_of(entries.begin(), entries.end(), [&](const ArchiveEntry& e) { return e.name == name; });
}

// Favourite words of the used records of the digital and analog maps:
// +1 when they look like D-series flags, -1 like later positions, 0 unknown.
int FavouriteEvidence(const std::string& folder, const std::vector<ArchiveEntry>& entries) {
  bool flags = false;
  for (const MapShape& shape : kChannelMaps) {
    if (!HasEntry(entries, shape.name)) continue;
    const std::string bytes = ReadWholeFile((fs::path(folder) / shape.name).string());
    for (size_t at = 0; at + shape.record <= bytes.size(); at += shape.record) {
      if (bytes[at + shape.usedByte] == '\0') continue;
      for (size_t list = 0; list < kFavouriteLists; ++list) {
        const uint32_t value = LittleEndianWord(bytes, at + shape.favourites + 4 * list);
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

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

}  // namespace

std::vector<ArchiveEntry> ArchiveEntries(const std::string& path) {
  int code = 0;
  const std::unique_ptr<zip_t, ZipCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
  if (!archive) throw ArchiveError("Cannot open archive '" + path + "'");
  std::vector<ArchiveEntry> entries;
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &info) != 0 ||
        !(info.valid & ZIP_STAT_NAME))
      throw ArchiveError("Cannot read the directory of archive '" + path + "'");
    const std::string name = SafeEntryFileName(info.name);
    if (name.empty()) continue;
    entries.push_back({name, (info.valid & ZIP_STAT_SIZE) ? static_cast<uintmax_t>(info.size) : 0});
  }
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
  for (const ArchiveEntry& entry : entries) {
    const TDataObject data(settingsFile, entry.name);
    if (!data.HasLayout()) return entry.name + " has no layout";
    const uintmax_t header = data.HasHeader ? kHeaderSize : 0;
    const auto record = static_cast<uintmax_t>(data.RecordSize());
    if (entry.size < header || record == 0 || (entry.size - header) % record != 0)
      return entry.name + " (" + std::to_string(entry.size) + " bytes) is no whole number of " +
             std::to_string(record) + "-byte records";
  }
  return {};
}

PresetFit FitPresets(const std::vector<std::string>& presets, const std::string& folder,
                     const std::vector<ArchiveEntry>& entries) {
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
    const int evidence = FavouriteEvidence(folder, entries);
    if (evidence != 0) fitting.assign(1, evidence > 0 ? *d : *later);
  }
  return fit;
}

std::string PresetInsteadOfDefault(const std::string& defaultSettings, const std::string& presetFolder,
                                   const std::string& folder, const std::vector<ArchiveEntry>& entries) {
  if (entries.empty()) return {};
  const std::vector<std::string> presets = PresetFiles(presetFolder);
  const PresetFit fit = FitPresets(presets, folder, entries);
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
