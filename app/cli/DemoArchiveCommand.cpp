// tarno-cli demo-archive: writes a small made-up television archive in the
// format of the settings given (the default settings, the "1201" family of E,
// F, H and J sets, unless told otherwise), for trying the editor and for tests.
#include <iostream>

#include "CliArguments.h"
#include "CliCommands.h"
#include "DemoArchive.h"
#include "FileHome.h"
#include "ShippedFiles.h"

namespace tarno::cli {

int DemoArchiveCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  const std::string path = args.Positional(1)[0];
  const size_t entries = WriteDemoArchive(args.Value("--ini", ShippedFile(kSettingsFileName)),
                                          args.Value("--script", ShippedFile(kScriptFileName)), path);
  std::cout << "Wrote " << path << " with " << entries << " entries\n";
  return 0;
}

}  // namespace tarno::cli
