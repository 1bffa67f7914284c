// What an extraction folder holds: which archive its files came from, the
// archive file as it was then, and every extracted file as it was written.
// With it an update takes only that archive's files, finds the files saved
// since (and only those), and notices an archive another program rewrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TelevisionArchive.h"

namespace tarno {

// The record's file name inside the extraction folder. A dot file, so file
// dialogs and listings of the television files pass it by.
inline constexpr const char* kExtractionRecordName = ".tarno-extraction";

// A file as it lay in the folder: its size and modification time (ns).
struct FileState {
  std::string name;
  uint64_t size = 0;
  int64_t modified = 0;
  bool operator==(const FileState&) const = default;
};

struct ExtractionRecord {
  std::string archivePath;  // absolute, as extracted
  ArchiveFingerprint archive;
  std::vector<FileState> files;  // one per extracted entry, in entry order
};

// The fingerprint of the file at path now; none when it cannot be read.
std::optional<ArchiveFingerprint> FingerprintOfFile(const std::string& path);

// The absolute, normalised form of a path, by which records name archives.
std::string AbsoluteArchivePath(const std::string& path);

// The record's text, and the record read back from it; none for text that is
// no record (a damaged record counts as none).
std::string RecordText(const ExtractionRecord& record);
std::optional<ExtractionRecord> ParseRecord(std::string_view text);

// The record of folder (which ends in '/'), or none.
std::optional<ExtractionRecord> ReadExtractionRecord(const std::string& folder);
void WriteExtractionRecord(const std::string& folder, const ExtractionRecord& record);
// The named files of folder as they lie there now; missing ones are skipped.
std::vector<FileState> CurrentFileStates(const std::string& folder, const std::vector<std::string>& names);

// The recorded files that were changed since the extraction: saved for the
// archive but not yet written into it. Files since deleted are not among them.
std::vector<std::string> UnwrittenFiles(const std::string& folder, const ExtractionRecord& record);

// Whether the record is of the archive at path.
bool RecordsArchive(const ExtractionRecord& record, const std::string& archivePath);

}  // namespace tarno
