// A reference list read from a file of any kind the editor knows: a
// television archive (the list of the same source as the loaded one is
// taken), one of its files on its own, our CSV, or the plain text form.
// Archives and their files are read with the settings of their own family,
// chosen as "Select and extract" chooses them.
#pragma once

#include <string>
#include <vector>

#include "ReferenceList.h"

namespace tarno::editing {

// What the reference is read for.
struct ReferenceTarget {
  std::string settingsFile;   // the settings the loaded list was read with
  std::string fileName;       // the loaded list's bare name: "map-CableD"
  std::vector<TDataItem> items;  // its layout, whose captions a CSV's columns go by
};

struct ReadReference {
  Reference reference;
  std::string description;  // "map-CableD of NAME.scm, read with TarnoChannelEdit-1101.ini"
};

// The folder of the settings presets for a settings file: "layouts/" beside
// it, or its own folder when it is a preset itself.
std::string PresetFolderFor(const std::string& settingsFile);

// Reads the reference at path. Errors (an archive without a list of that
// source, a file no settings read, malformed CSV or text) are raised with a
// message beginning "Reference list: " where it names no line.
ReadReference ReadReferenceFile(const std::string& path, const ReferenceTarget& target);

}  // namespace tarno::editing
