// Any bytes as a television archive: opening and reading every entry either
// refuses it with an ArchiveError or gives entries with safe, distinct names
// and exactly their stored sizes.
#include <cstdlib>
#include <set>

#include "LayoutReader.h"
#include "TelevisionArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarno::TelevisionArchive archive;
  try {
    archive.OpenFromMemory("fuzz.scm", std::string(reinterpret_cast<const char*>(data), size));
    std::set<std::string> names;
    uint64_t total = 0;
    for (const tarno::ArchiveEntry& entry : archive.ReadEntries()) {
      if (entry.name.empty() || entry.name == "." || entry.name == ".." ||
          entry.name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        std::abort();
      if (!names.insert(tarno::UpperAscii(entry.name)).second) std::abort();
      total += entry.bytes.size();
    }
    if (names.size() > tarno::kMaxArchiveEntries || total > tarno::kMaxArchiveBytes) std::abort();
  } catch (const tarno::ArchiveError&) {
  }
  return 0;
}
