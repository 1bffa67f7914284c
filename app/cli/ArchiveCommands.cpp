// tarno-cli extract and update: the main window's "Select and extract" and its
// update of the archive at exit, without the window and through the same code.
// Where the window would ask, these refuse with one line.
#include <iostream>

#include "ArchiveBackup.h"
#include "ArchiveWorkflow.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "ExtractionFolderLock.h"
#include "FileSystem.h"

namespace tarno::cli {
namespace {

// Files saved for the folder's earlier archive and never written into it are
// not overwritten unless the user says so.
void RefuseOverwritingUnwrittenFiles(const std::string& archivePath, const std::string& folder) {
  const UnwrittenOverwrite overwrite = UnwrittenFilesOverwrittenBy(folder, archivePath);
  if (overwrite.files.empty()) return;
  throw ArchiveError("'" + folder + "' holds " + NamesInWords(overwrite.files) + ", saved for '" +
                     BareNameOf(overwrite.archivePath) +
                     "' but never written into it; update that archive first, or extract with --overwrite");
}

}  // namespace

int ExtractCommand(const Words& words) {
  const CliArguments args(words, {}, {"--overwrite"});
  const std::vector<std::string>& files = args.Positional(2);
  const ExtractionFolderLock lock(files[1]);
  if (!args.Flag("--overwrite")) RefuseOverwritingUnwrittenFiles(files[0], files[1]);
  TelevisionArchive archive;
  std::cout << ExtractArchive(archive, files[0], files[1]) << '\n';
  return 0;
}

int UpdateCommand(const Words& words) {
  const CliArguments args(words, {}, {});
  const std::vector<std::string>& files = args.Positional(2);
  const ExtractionFolderLock lock(files[1]);
  const ArchiveWrite write = UpdateArchive(files[0], files[1]);
  if (write.keptOriginal) std::cout << "Original kept as " << BareNameOf(BackupPathOf(files[0])) << '\n';
  const int replaced = write.replaced;
  std::cout << "Archive '" << BareNameOf(files[0]) << "': " << replaced << (replaced == 1 ? " entry" : " entries")
            << " replaced\n";
  return 0;
}

}  // namespace tarno::cli
