// tarno-cli detect: which preset settings file (layouts/*.ini beside the
// program) reads a television archive, as "Select and extract" chooses it.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"
#include "SettingsPresets.h"
#include "TelevisionArchive.h"

namespace tarno::cli {
namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : self.parent_path();
}

// A temporary folder removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tarno-detect-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw CommandFailure("cannot create a temporary folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

int DetectCommand(const Words& words) {
  const CliArguments args(words, {"--layouts"}, {});
  const std::string archivePath = args.Positional(1)[0];
  const fs::path layouts = args.Value("--layouts", (ProgramFolder() / "layouts").string());

  const std::vector<std::string> presets = PresetFiles(layouts.string());
  if (presets.empty()) throw CommandFailure("no preset settings files in " + layouts.string());

  const std::string archiveName = fs::path(archivePath).filename().string();
  TelevisionArchive archive;
  archive.Open(archivePath);
  const std::vector<ArchiveEntry> entries = ArchiveEntries(archivePath);
  if (entries.empty()) {
    std::cerr << archiveName << " holds no files\n";
    std::cout << "no preset fits " << archiveName << '\n';
    return 1;
  }
  ScratchFolder scratch;
  archive.SetBaseDirectory(scratch.Path().string());
  archive.ExtractAll();
  archive.Close();
  const PresetFit fit = FitPresets(presets, scratch.Path().string(), entries);
  for (const auto& [preset, why] : fit.misfits) std::cerr << fs::path(preset).filename().string() << ": " << why << '\n';
  if (fit.fitting.empty()) {
    std::cout << "no preset fits " << archiveName << '\n';
    return 1;
  }
  for (const std::string& preset : fit.fitting) std::cout << preset << '\n';
  return 0;
}

}  // namespace tarno::cli
