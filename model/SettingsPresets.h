// Which settings preset reads a television archive. The build puts one complete
// settings file per television family into "layouts/" beside the program. A
// preset fits an archive when it has a layout for every file entry and every
// entry's size is its header plus a whole number of its records. The D series
// ("1101") and the later "1201" family share every record size except the
// satellite map, so an archive without one fits both; their favourite lists then
// decide: D sets store 0 or 1, later sets a position or -1 (all four bytes $FF)
// for "not in this list".
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "TelevisionArchive.h"

namespace tarno {

// The file entries of the archive at path with their bytes, sorted by name,
// read into memory with every check of an extraction (folder entries left
// out). Throws ArchiveError when it cannot be read.
std::vector<ArchiveEntry> ArchiveEntries(const std::string& path);
// The same of an archive opened already (from a file or from memory).
std::vector<ArchiveEntry> ArchiveEntries(const TelevisionArchive& archive);

// The preset settings files (*.ini) in folder, sorted by name; none when the
// folder is missing.
std::vector<std::string> PresetFiles(const std::string& folder);

// Why the settings file does not read every entry, or empty when it does.
std::string SettingsMisfit(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries);

struct PresetFit {
  std::vector<std::string> fitting;                            // best first
  std::vector<std::pair<std::string, std::string>> misfits;  // preset, why it does not fit
};

// The presets that read every entry. An archive without files fits none.
PresetFit FitPresets(const std::vector<std::string>& presets, const std::vector<ArchiveEntry>& entries);

// The preset to read an archive with instead of the default settings: the best
// fitting preset when the default does not read every entry, or when the default
// is an unchanged copy of a preset whose family the favourite lists rule out.
// Empty when the default serves, when the archive holds no files, or when no
// preset fits.
std::string PresetInsteadOfDefault(const std::string& defaultSettings, const std::string& presetFolder,
                                   const std::vector<ArchiveEntry>& entries);

}  // namespace tarno
