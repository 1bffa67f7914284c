// tarno-cli detect: which preset settings file (layouts/*.ini beside the
// program, or among an installed program's shipped files) reads a television
// archive, as "Select and extract" chooses it.
#include <filesystem>
#include <iostream>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"
#include "SettingsPresets.h"
#include "ShippedFiles.h"
#include "TelevisionArchive.h"

namespace tarno::cli {

namespace fs = std::filesystem;

int DetectCommand(const Words& words) {
  const CliArguments args(words, {"--layouts"}, {});
  const std::string archivePath = args.Positional(1)[0];
  const fs::path layouts = args.Value("--layouts", ShippedFile("layouts"));

  const std::vector<std::string> presets = PresetFiles(layouts.string());
  if (presets.empty()) throw CommandFailure("no preset settings files in " + layouts.string());

  const std::string archiveName = fs::path(archivePath).filename().string();
  // Read into memory, never into a folder that a killed run would leave behind.
  const std::vector<ArchiveEntry> entries = ArchiveEntries(archivePath);
  if (entries.empty()) {
    std::cerr << archiveName << " holds no files\n";
    std::cout << "no preset fits " << archiveName << '\n';
    return 1;
  }
  const PresetFit fit = FitPresets(presets, entries);
  for (const auto& [preset, why] : fit.misfits) std::cerr << fs::path(preset).filename().string() << ": " << why << '\n';
  if (fit.fitting.empty()) {
    std::cout << "no preset fits " << archiveName << '\n';
    return 1;
  }
  for (const std::string& name : UnreadEntries(fit.fitting.front(), entries))
    std::cerr << "No layout for " << name << ": its bytes are kept\n";
  for (const std::string& preset : fit.fitting) std::cout << preset << '\n';
  return 0;
}

}  // namespace tarno::cli
