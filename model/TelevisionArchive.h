// A television's .scm archive: a PKZIP file whose entries are extracted into a
// folder for editing and replaced from that folder when the program ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ZipEntryStamps.h"

struct zip;
struct zip_source;

namespace tarno {

class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// No television writes more entries or bytes than these; an archive beyond
// them is damaged or hostile and refused before anything is read from it.
inline constexpr size_t kMaxArchiveEntries = 1000;
inline constexpr uint64_t kMaxArchiveBytes = uint64_t{256} << 20;  // all entries unpacked, and the archive file

// An archive file's size and CRC-32: enough to notice any rewrite.
struct ArchiveFingerprint {
  uint64_t size = 0;
  uint32_t crc = 0;
  bool operator==(const ArchiveFingerprint&) const = default;
};
ArchiveFingerprint FingerprintOf(std::string_view bytes);

// One file entry read from the archive and checked against its stored CRC.
struct ArchiveEntry {
  std::string name;  // the file-name part of the stored name
  std::string bytes;
  time_t modificationTime = 0;
  bool hasModificationTime = false;
};

class TelevisionArchive {
 public:
  TelevisionArchive() = default;
  ~TelevisionArchive();  // closes the archive without writing it
  TelevisionArchive(const TelevisionArchive&) = delete;
  TelevisionArchive& operator=(const TelevisionArchive&) = delete;

  // Opens the archive at path and reads its directory; throws ArchiveError when
  // it is no readable zip archive, holds more than the limits above, or two of
  // its entries would land in the same file (names alike but for letter case).
  // The archive is read into memory: Save writes it back whole.
  void Open(const std::string& path);
  // The same for an archive's bytes already read; name stands for its path.
  void OpenFromMemory(const std::string& name, std::string bytes);
  // Starts a new archive without entries, for SaveTo to write; name stands
  // for its path.
  void Create(const std::string& name);
  // Adds an entry of these bytes under name, or replaces the entry of that
  // name, to be written by Save. Throws ArchiveError when none is open.
  void AddEntry(const std::string& name, const std::string& bytes);
  // Gives the archive up without writing it; it is no longer active.
  void Close();
  // The full path of the open archive; empty when none is open.
  const std::string& FileName() const { return fileName_; }
  bool IsActive() const { return archive_ != nullptr; }
  // The archive file's bytes as they were opened.
  const ArchiveFingerprint& OpenedFingerprint() const { return fingerprint_; }

  void SetBaseDirectory(const std::string& folder) { baseDirectory_ = folder; }
  const std::string& BaseDirectory() const { return baseDirectory_; }

  // The names of the file entries (folder entries skipped), from the
  // directory alone; none when no archive is open.
  std::vector<std::string> EntryNames() const;
  // Every file entry (folder entries skipped), unpacked and checked; throws
  // ArchiveError naming the first entry that cannot be read or fails its CRC.
  std::vector<ArchiveEntry> ReadEntries() const;
  // Writes every file entry into the base directory under the name part of its
  // stored name, never anywhere else, with the entry's modification time.
  // Every entry is read and checked, and every file it replaces found
  // replaceable, before the first is written. Returns the names written.
  // Throws ArchiveError or FileError.
  std::vector<std::string> ExtractAll();
  // Marks every entry whose file in the base directory differs in size or in
  // modification time (at the zip format's 2-second resolution) to be replaced by
  // that file. Missing or unreadable files leave their entries alone. Returns the
  // number of entries marked.
  int FreshenAll();
  // Marks the entries of these names to be replaced by their files in the base
  // directory, whatever their times; missing or unreadable files are skipped.
  // Returns the number of entries marked.
  int ReplaceNamed(const std::vector<std::string>& names);
  // Writes the archive back through a temporary file (unless no entry was
  // replaced) and closes it; a write-protected archive is an error and stays as it was.
  void Save();
  // The same, written to path instead (the archive under another name).
  void SaveTo(const std::string& path);

 private:
  std::string EntryFileName(uint64_t index) const;
  void OpenSource(const std::string& path, zip_source* source, int flags);
  void CheckDirectory() const;
  ArchiveEntry ReadEntry(uint64_t index, const std::string& name) const;
  bool FreshenEntry(uint64_t index);
  void ReplaceEntry(uint64_t index, const std::string& path, time_t modified);
  std::string WrittenArchive();

  zip* archive_ = nullptr;
  zip_source* source_ = nullptr;  // the archive's bytes in memory
  std::string fileName_;
  ArchiveFingerprint fingerprint_;
  std::string baseDirectory_;
  int replaced_ = 0;
  // The stamps of the entries as opened, by stored name; a replaced entry's goes.
  std::map<std::string, ZipStamp> keptStamps_;
};

// The file-name part of a stored entry name (after the last '/' or '\'); empty
// for folder entries and for names that would lead out of the folder.
std::string SafeEntryFileName(const std::string& storedName);

}  // namespace tarno
