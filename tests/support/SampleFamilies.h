// The families of the shared television archives, told by the record sizes of
// their channel maps (never by file names), and the entries no settings read.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace tarno::test {

// The bouquets of the Astra HD+ provider list, whose meaning is unknown: no
// settings file reads them, and an archive keeps their bytes as they are.
inline bool NoSettingsRead(const std::string& entry) { return entry == "Bouquets"; }

// The record sizes of a family's channel maps, as the format notes give them.
struct ChannelMapSizes {
  const char* family;
  size_t analog;
  size_t digital;
  size_t satellite;
};

// The later family first: where the sizes fit several, tests read with the default.
inline constexpr ChannelMapSizes kChannelMapSizes[] = {
    {"1201", 64, 320, 168}, {"1101", 64, 320, 172}, {"1001", 40, 292, 144}, {"B2009", 28, 248, 144}};

inline const ChannelMapSizes& SizesOf(const std::string& family) {
  for (const ChannelMapSizes& sizes : kChannelMapSizes)
    if (family == sizes.family) return sizes;
  return kChannelMapSizes[0];
}

inline bool FitsFamily(const std::filesystem::path& folder, const ChannelMapSizes& sizes) {
  const std::pair<const char*, size_t> maps[] = {{"map-AirA", sizes.analog},     {"map-CableA", sizes.analog},
                                                 {"map-AirD", sizes.digital},    {"map-CableD", sizes.digital},
                                                 {"map-SateD", sizes.satellite}};
  for (const auto& [name, record] : maps) {
    std::error_code missing;
    const auto size = std::filesystem::file_size(folder / name, missing);
    if (!missing && size % record != 0) return false;
  }
  return true;
}

// The families whose record sizes fit every channel map of an extracted archive.
// A D set without a satellite map fits the later family too: only its
// satellite records (172 bytes, not 168) tell it apart.
inline std::vector<std::string> FamiliesFitting(const std::filesystem::path& folder) {
  std::vector<std::string> families;
  for (const ChannelMapSizes& sizes : kChannelMapSizes)
    if (FitsFamily(folder, sizes)) families.emplace_back(sizes.family);
  return families;
}

// The family tests read an extracted archive as: the first that fits.
inline std::string FamilyOf(const std::filesystem::path& folder) {
  const std::vector<std::string> families = FamiliesFitting(folder);
  return families.empty() ? std::string(kChannelMapSizes[0].family) : families.front();
}

// The settings of that family: the default for the later family, else its preset.
inline std::string SettingsFor(const std::filesystem::path& folder) {
  const std::string family = FamilyOf(folder);
  return family == kChannelMapSizes[0].family ? SourcePath("data/TarnoChannelEdit.ini")
                                               : SourcePath("data/layouts/TarnoChannelEdit-" + family + ".ini");
}

}  // namespace tarno::test
