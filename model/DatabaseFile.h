// A channel database as the data object's file: loading reads its services
// into records; saving writes what changed since into a copy of the file as
// loaded (or last saved), which then replaces the target. A save that changes
// nothing leaves the loaded file unopened for writing, and a save elsewhere
// copies it byte for byte.
#pragma once

#include <string>

#include "TarnoChannelEditUnit002.h"

namespace tarno {

// Throws FileError for a file that cannot be read, DatabaseError for one that
// is no readable channel database of the layout.
void LoadDatabaseFile(TDataObject& data, const std::string& path);
// Throws DatabaseError or FileError; the target is then as it was.
void SaveDatabaseFile(TDataObject& data, const std::string& path);

}  // namespace tarno
