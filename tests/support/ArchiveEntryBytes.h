// One entry of a television archive, read back through the archive class.
#pragma once

#include <string>

#include "TelevisionArchive.h"

namespace tarno::test {

// The entry's bytes; empty when the archive has no entry of that name.
inline std::string EntryOf(const std::string& archivePath, const std::string& name) {
  TelevisionArchive archive;
  archive.Open(archivePath);
  for (const ArchiveEntry& entry : archive.ReadEntries())
    if (entry.name == name) return entry.bytes;
  return {};
}

}  // namespace tarno::test
