#include "ArchiveWorkflow.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ArchiveBackup.h"
#include "AsciiText.h"
#include "FileSystem.h"

namespace tarno {
namespace {

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::vector<std::string> RecordedNames(const ExtractionRecord& record) {
  std::vector<std::string> names;
  for (const FileState& file : record.files) names.push_back(file.name);
  return names;
}

// After an update the archive's entries are the folder's files again.
void RecordWrittenArchive(const std::string& archivePath, const std::string& folder, ExtractionRecord record) {
  const auto fingerprint = FingerprintOfFile(archivePath);
  if (!fingerprint) return;  // unreadable now: the next update finds it changed and asks
  record.archive = *fingerprint;
  record.files = CurrentFileStates(folder, RecordedNames(record));
  WriteExtractionRecord(folder, record);
}

// The entry names of the archive at path; none when it cannot be read, whose
// extraction then fails and says why.
std::vector<std::string> EntryNamesOrNone(const std::string& archivePath) {
  try {
    TelevisionArchive archive;
    archive.Open(archivePath);
    return archive.EntryNames();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

std::string ExtractArchive(TelevisionArchive& archive, const std::string& path, std::string folder) {
  folder = WithSeparator(std::move(folder));
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  try {
    archive.Open(path);
    archive.SetBaseDirectory(folder);
    const std::vector<std::string> names = archive.ExtractAll();
    WriteExtractionRecord(folder, {AbsoluteArchivePath(path), archive.OpenedFingerprint(),
                                   CurrentFileStates(folder, names)});
  } catch (...) {
    archive.Close();
    throw;
  }
  return "File '" + BareNameOf(archive.FileName()) + "' extracted to '" + folder + "'";
}

PendingUpdate PendingUpdateOf(const std::string& archivePath, const std::string& folderPath) {
  const std::string folder = WithSeparator(folderPath);
  const auto record = ReadExtractionRecord(folder);
  const std::string archive = "'" + BareNameOf(archivePath) + "'";
  if (!record) throw ArchiveError("'" + folder + "' holds no files extracted from " + archive);
  if (!RecordsArchive(*record, archivePath))
    throw ArchiveError("'" + folder + "' holds the files of '" + BareNameOf(record->archivePath) + "', not of " +
                       archive);
  PendingUpdate pending{*record, UnwrittenFiles(folder, *record), false};
  // Reading the whole archive again is only needed when something is to be written.
  if (!pending.unwritten.empty()) pending.archiveChanged = FingerprintOfFile(archivePath) != std::optional(record->archive);
  return pending;
}

ArchiveWrite WriteUnwrittenFiles(const std::string& archivePath, const std::string& folderPath,
                                 const PendingUpdate& pending, const std::string& target) {
  const std::string folder = WithSeparator(folderPath);
  TelevisionArchive archive;
  archive.Open(archivePath);
  archive.SetBaseDirectory(folder);
  ArchiveWrite write;
  write.replaced = archive.ReplaceNamed(pending.unwritten);
  const bool rewritesArchive = AbsoluteArchivePath(target) == AbsoluteArchivePath(archivePath);
  // Nothing replaced leaves the archive file untouched: no original to keep.
  if (rewritesArchive && write.replaced > 0) write.keptOriginal = KeepOriginal(archivePath);
  archive.SaveTo(target);
  if (rewritesArchive) RecordWrittenArchive(archivePath, folder, pending.record);
  return write;
}

ArchiveWrite UpdateArchive(const std::string& archivePath, const std::string& folder) {
  const PendingUpdate pending = PendingUpdateOf(archivePath, folder);
  if (pending.unwritten.empty()) return {};
  if (pending.archiveChanged)
    throw ArchiveError("Archive '" + BareNameOf(archivePath) +
                       "' was changed by another program since it was extracted; nothing written");
  return WriteUnwrittenFiles(archivePath, folder, pending, archivePath);
}

UnwrittenOverwrite UnwrittenFilesOverwrittenBy(const std::string& folderPath, const std::string& archivePath) {
  const std::string folder = WithSeparator(folderPath);
  const auto record = ReadExtractionRecord(folder);
  if (!record) return {};
  const std::vector<std::string> unwritten = UnwrittenFiles(folder, *record);
  if (unwritten.empty()) return {};
  const std::vector<std::string> entryNames = EntryNamesOrNone(archivePath);
  UnwrittenOverwrite overwrite{record->archivePath, {}};
  for (const std::string& file : unwritten) {
    const bool overwritten = std::any_of(entryNames.begin(), entryNames.end(), [&](const std::string& entry) {
      return text::EqualIgnoringAsciiCase(entry, file);
    });
    if (overwritten) overwrite.files.push_back(file);
  }
  return overwrite;
}

std::string NamesInWords(const std::vector<std::string>& names) {
  std::string words;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) words += i + 1 == names.size() ? " and " : ", ";
    words += names[i];
  }
  return words;
}

}  // namespace tarno
