// A television's .scm archive: a PKZIP file whose entries are extracted into a
// folder for editing and replaced from that folder when the program ends.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

struct zip;

namespace tarno {

class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TelevisionArchive {
 public:
  TelevisionArchive() = default;
  ~TelevisionArchive();  // closes the archive without writing it
  TelevisionArchive(const TelevisionArchive&) = delete;
  TelevisionArchive& operator=(const TelevisionArchive&) = delete;

  // Opens the archive at path and reads its directory; throws ArchiveError.
  void Open(const std::string& path);
  // Gives the archive up without writing it; it is no longer active.
  void Close();
  // The full path of the open archive; empty when none is open.
  const std::string& FileName() const { return fileName_; }
  bool IsActive() const { return archive_ != nullptr; }

  void SetBaseDirectory(const std::string& folder) { baseDirectory_ = folder; }
  const std::string& BaseDirectory() const { return baseDirectory_; }

  // Writes every file entry into the base directory under the name part of its
  // stored name, never anywhere else, with the entry's modification time.
  // Folder entries are skipped. Throws ArchiveError or FileError at the first failure.
  void ExtractAll();
  // Marks every entry whose file in the base directory differs in size or in
  // modification time (at the zip format's 2-second resolution) to be replaced by
  // that file. Missing or unreadable files leave their entries alone. Returns the
  // number of entries marked.
  int FreshenAll();
  // Writes the archive back through a temporary file and closes it.
  void Save();

 private:
  std::string EntryFileName(uint64_t index) const;
  void ExtractEntry(uint64_t index);
  bool FreshenEntry(uint64_t index);

  zip* archive_ = nullptr;
  std::string fileName_;
  std::string baseDirectory_;
};

// The file-name part of a stored entry name (after the last '/' or '\'); empty
// for folder entries and for names that would lead out of the folder.
std::string SafeEntryFileName(const std::string& storedName);

}  // namespace tarno
