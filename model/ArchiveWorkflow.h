// The archive operations after their dialogs, shared by the main window and
// tarno-cli: extraction into a folder, and the update of the archive from the
// files saved there since. Every extraction is recorded in its folder, so an
// update writes only its own archive's files, only those saved since, and
// never over a rewrite by another program unless the user says so.
#pragma once

#include <string>
#include <vector>

#include "ExtractionRecord.h"
#include "TelevisionArchive.h"

namespace tarno {

// Opens the archive at path, extracts every entry into folder, which is
// created when missing (a folder that cannot be made fails the extraction),
// and records the extraction there. Returns the caption
// "File 'NAME' extracted to 'FOLDER/'". Throws ArchiveError or FileError and
// leaves no archive active on failure.
std::string ExtractArchive(TelevisionArchive& archive, const std::string& path, std::string folder);

// What updating an archive from its extraction folder would write.
struct PendingUpdate {
  ExtractionRecord record;
  std::vector<std::string> unwritten;  // files saved since the extraction
  bool archiveChanged = false;         // the archive file is no longer the one extracted (checked only
                                       // when something is unwritten)
};

// Throws ArchiveError when folder holds no extraction of the archive at path.
PendingUpdate PendingUpdateOf(const std::string& archivePath, const std::string& folder);

// What writing an archive did.
struct ArchiveWrite {
  int replaced = 0;           // entries replaced
  bool keptOriginal = false;  // the archive was first copied to its backup (ArchiveBackup.h)
};

// Writes the unwritten files into the archive as it lies on disk now (its
// other entries kept as they are there) and saves it as target: the archive
// itself, whose new state is then recorded, or another file. An archive about
// to be rewritten for the first time is kept as its backup first. Throws on
// failure, leaving the target as it was.
ArchiveWrite WriteUnwrittenFiles(const std::string& archivePath, const std::string& folder,
                                 const PendingUpdate& pending, const std::string& target);

// tarno-cli update: writes the files saved since the extraction into the
// archive, refusing (ArchiveError) another archive's folder and an archive
// changed on disk since.
ArchiveWrite UpdateArchive(const std::string& archivePath, const std::string& folder);

// Files saved for an earlier extraction into folder and never written into its
// archive that extracting the archive at archivePath would overwrite; none
// when that archive cannot be read (its extraction then fails anyway).
struct UnwrittenOverwrite {
  std::string archivePath;  // of the earlier extraction
  std::vector<std::string> files;
};
UnwrittenOverwrite UnwrittenFilesOverwrittenBy(const std::string& folder, const std::string& archivePath);

// "a, b and c" for messages.
std::string NamesInWords(const std::vector<std::string>& names);

}  // namespace tarno
