// tarno-cli extract and update: the main window's "Select and extract" and its
// update of the archive at exit, without the window and through the same code.
#include <iostream>

#include "ArchiveWorkflow.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "FileSystem.h"

namespace tarno::cli {

int ExtractCommand(const Words& words) {
  const CliArguments args(words, {}, {});
  const std::vector<std::string>& files = args.Positional(2);
  TelevisionArchive archive;
  std::cout << ExtractArchive(archive, files[0], files[1]) << '\n';
  return 0;
}

int UpdateCommand(const Words& words) {
  const CliArguments args(words, {}, {});
  const std::vector<std::string>& files = args.Positional(2);
  TelevisionArchive archive;
  archive.Open(files[0]);
  archive.SetBaseDirectory(files[1]);
  const int replaced = UpdateArchive(archive);
  std::cout << "Archive '" << BareNameOf(files[0]) << "': " << replaced << (replaced == 1 ? " entry" : " entries")
            << " replaced\n";
  return 0;
}

}  // namespace tarno::cli
