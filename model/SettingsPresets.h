// Which settings preset reads a television archive. The build puts one complete
// settings file per television family into "layouts/" beside the program.
// Everything a preset is told by comes from its own settings: a preset fits an
// archive when every entry it has a layout for is its header plus a whole
// number of its records (or, for a channel database's section, an SQLite
// database). Entries no section reads (a provider's bouquet list) leave a
// preset fit; their bytes are kept as they are. Families whose record
// sizes agree are told apart by their favourite lists, where a channel map's
// section says how they mark a channel (FAVOURITES = flags or positions): a
// preset is ruled out when more values of the channels in use disagree with
// its favourites than with another's (a set may leave a stray value behind).
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

// Why the settings file cannot read the entries: one it has a layout for is no
// whole number of records, or it has a layout for none. Empty when it reads them.
std::string SettingsMisfit(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries);

// The names of the entries no section of the settings file reads, in their order.
std::vector<std::string> UnreadEntries(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries);

struct PresetFit {
  std::vector<std::string> fitting;                            // best first
  std::vector<std::pair<std::string, std::string>> misfits;  // preset, why it does not fit
};

// The presets that read the entries, those with layouts for more of them
// first; the presets the favourite lists rule out are misfits. An archive
// without files fits none.
PresetFit FitPresets(const std::vector<std::string>& presets, const std::vector<ArchiveEntry>& entries);

// The preset to read an archive with instead of the default settings: the best
// fitting preset when the default cannot read the entries, or when the default
// is an unchanged copy of a preset the favourite lists rule out.
// Empty when the default serves, when the archive holds no files, or when no
// preset fits.
std::string PresetInsteadOfDefault(const std::string& defaultSettings, const std::string& presetFolder,
                                   const std::vector<ArchiveEntry>& entries);

}  // namespace tarno
