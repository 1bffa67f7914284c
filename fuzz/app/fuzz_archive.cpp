// Any bytes as a television archive: opening and reading every entry either
// refuses it with an ArchiveError or gives entries with safe, distinct names
// within the limits; an archive that reads is then updated with one entry
// replaced, and reading the written archive gives the new bytes back.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "AsciiText.h"
#include "Errors.h"
#include "LayoutReader.h"
#include "TelevisionArchive.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / ("tarno-fuzz-archive-" + std::to_string(::getpid()));
    fs::create_directories(f);
    return f;
  }();
  return folder;
}

void CheckEntries(const std::vector<tarno::ArchiveEntry>& entries) {
  std::set<std::string> names;
  uint64_t total = 0;
  for (const tarno::ArchiveEntry& entry : entries) {
    if (entry.name.empty() || entry.name == "." || entry.name == ".." ||
        entry.name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
      std::abort();
    if (!names.insert(tarno::text::UpperAscii(entry.name)).second) std::abort();
    total += entry.bytes.size();
  }
  if (names.size() > tarno::kMaxArchiveEntries || total > tarno::kMaxArchiveBytes) std::abort();
}

// Replaces the first entry by a file of other bytes and writes the archive.
void UpdateFirstEntry(const std::string& input, const tarno::ArchiveEntry& first) {
  const std::string archivePath = (Folder() / "archive.scm").string();
  const std::string replacement = first.bytes + "+";
  std::ofstream((Folder() / first.name).string(), std::ios::binary) << replacement;
  tarno::TelevisionArchive archive;
  archive.OpenFromMemory(archivePath, input);
  archive.SetBaseDirectory(Folder().string() + "/");
  if (archive.FreshenAll() < 1) std::abort();
  archive.Save();
  archive.Open(archivePath);
  for (const tarno::ArchiveEntry& entry : archive.ReadEntries())
    if (entry.name == first.name && entry.bytes != replacement) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<tarno::ArchiveEntry> entries;
  try {
    tarno::TelevisionArchive archive;
    archive.OpenFromMemory("fuzz.scm", input);
    entries = archive.ReadEntries();
  } catch (const tarno::ArchiveError&) {
    return 0;
  }
  CheckEntries(entries);
  if (entries.empty()) return 0;
  try {
    UpdateFirstEntry(input, entries.front());
  } catch (const tarno::ArchiveError&) {  // the library may refuse to write what it read
  } catch (const tarno::FileError&) {     // an entry name the folder cannot hold
  }
  fs::remove_all(Folder() / entries.front().name);
  return 0;
}
