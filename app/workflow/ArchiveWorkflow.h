// The main window's two archive operations after their dialogs, shared with
// tarno-cli: extraction into the folder, and the update at exit.
#pragma once

#include <string>

#include "TelevisionArchive.h"

namespace tarno {

// Opens the archive at path and extracts every entry into folder, which is
// created when missing (a folder that cannot be made fails the extraction).
// Returns the caption "File 'NAME' extracted to 'FOLDER/'". Throws
// ArchiveError or FileError and leaves no archive active on failure.
std::string ExtractArchive(TelevisionArchive& archive, const std::string& path, std::string folder);

// Replaces every entry whose file in the base directory changed and writes the
// archive back. Returns the number of entries replaced; throws on failure.
int UpdateArchive(TelevisionArchive& archive);

}  // namespace tarno
