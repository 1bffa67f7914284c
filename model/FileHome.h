// Where the editor keeps the files a user changes: the settings, the script,
// the presets (layouts/) and "Extracted/". A build tree or an unpacked copy
// keeps them beside the program. An installed program, whose folder holds no
// settings but whose "../share/tarnochanneledit/" does, or a program whose
// folder cannot be written, keeps them in the user's data folder, copied there
// from the shipped defaults on the first start.
#pragma once

#include <string>

namespace tarno {

inline constexpr const char* kSettingsFileName = "TarnoChannelEdit.ini";
inline constexpr const char* kScriptFileName = "TarnoChannelEdit.rops";

// "../share/tarnochanneledit/" beside programFolder: the shipped defaults,
// the font and the translations of an installed program.
std::string InstalledDataFolder(const std::string& programFolder);

struct FileHome {
  std::string userFolder;     // the settings, the script, layouts/ and Extracted/
  std::string shippedFolder;  // the defaults they come from, and the grid font
  bool SeparateFromShipped() const { return userFolder != shippedFolder; }
};

// Both folders end in '/'; so does each folder of the result.
FileHome ChooseFileHome(const std::string& programFolder, const std::string& userDataFolder);

// Copies the shipped settings, script and presets the user's folder lacks;
// what is there already, the user's own copy, is never overwritten. Returns
// how many files were copied; a file that cannot be copied is left out.
int SeedUserFolder(const FileHome& home);

}  // namespace tarno
