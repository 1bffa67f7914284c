// tarno-cli detect: which preset settings file (layouts/*.ini beside the
// program) reads a television archive. A preset fits when it has a section for
// every entry of the archive and every entry's size is its header plus a whole
// number of its records. The D series ("1101") and the later "1201" family share
// every record size except the satellite map, so an archive without one fits
// both; their favourite lists then decide: D sets store 0 or 1, later sets a
// position or -1 (all four bytes $FF) for "not in this list".
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"
#include "TarnoChannelEditUnit002.h"
#include "TelevisionArchive.h"

namespace tarno::cli {
namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : self.parent_path();
}

struct Entry {
  std::string name;
  uintmax_t size = 0;
  std::string bytes;
};

// Why a preset does not fit, or empty when it does.
std::string Misfit(const fs::path& preset, const std::vector<Entry>& entries) {
  for (const Entry& entry : entries) {
    const TDataObject data(preset.string(), entry.name);
    if (!data.HasLayout()) return entry.name + " has no layout";
    const uintmax_t header = data.HasHeader ? 4 : 0;
    const auto record = static_cast<uintmax_t>(data.RecordSize());
    if (entry.size < header || record == 0 || (entry.size - header) % record != 0)
      return entry.name + " (" + std::to_string(entry.size) + " bytes) is no whole number of " +
             std::to_string(record) + "-byte records";
  }
  return {};
}

// Favourite words of the used records of the digital and analog maps:
// +1 when they look like D-series flags, -1 like later positions, 0 unknown.
int FavouriteEvidence(const std::vector<Entry>& entries) {
  struct MapShape {
    const char* name;
    size_t record;
    size_t favourites;
    size_t usedByte;  // a byte that is non-zero in every used record
  };
  static const MapShape kShapes[] = {
      {"map-AirD", 320, 292, 9}, {"map-CableD", 320, 292, 9}, {"map-AirA", 64, 36, 0}, {"map-CableA", 64, 36, 0}};
  bool flags = false;
  for (const MapShape& shape : kShapes) {
    const auto map = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.name == shape.name; });
    if (map == entries.end()) continue;
    const std::string& bytes = map->bytes;
    for (size_t at = 0; at + shape.record <= bytes.size(); at += shape.record) {
      if (bytes[at + shape.usedByte] == '\0') continue;
      for (size_t list = 0; list < 5; ++list) {
        const auto* word = reinterpret_cast<const unsigned char*>(bytes.data() + at + shape.favourites + 4 * list);
        const uint32_t value = static_cast<uint32_t>(word[0]) | static_cast<uint32_t>(word[1]) << 8 |
                               static_cast<uint32_t>(word[2]) << 16 | static_cast<uint32_t>(word[3]) << 24;
        if (value == 0xFFFFFFFFu || value > 1) return -1;
        flags = true;
      }
    }
  }
  return flags ? 1 : 0;
}

}  // namespace

int DetectCommand(const Words& words) {
  const CliArguments args(words, {"--layouts"}, {});
  const std::string archivePath = args.Positional(1)[0];
  const fs::path layouts = args.Value("--layouts", (ProgramFolder() / "layouts").string());

  std::vector<fs::path> presets;
  std::error_code error;
  for (const auto& item : fs::directory_iterator(layouts, error))
    if (item.path().extension() == ".ini") presets.push_back(item.path());
  if (error || presets.empty()) throw CommandFailure("no preset settings files in " + layouts.string());
  std::sort(presets.begin(), presets.end());

  // Read into memory, never into a folder that a killed run would leave behind.
  std::vector<Entry> entries;
  {
    TelevisionArchive archive;
    archive.Open(archivePath);
    for (ArchiveEntry& entry : archive.ReadEntries())
      entries.push_back({entry.name, entry.bytes.size(), std::move(entry.bytes)});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });

  std::vector<fs::path> fitting;
  for (const fs::path& preset : presets) {
    const std::string why = Misfit(preset, entries);
    if (why.empty())
      fitting.push_back(preset);
    else
      std::cerr << preset.filename().string() << ": " << why << '\n';
  }
  auto named = [](const fs::path& preset, const char* family) {
    return preset.filename().string().find(family) != std::string::npos;
  };
  const auto d = std::find_if(fitting.begin(), fitting.end(), [&](const fs::path& p) { return named(p, "1101"); });
  const auto e = std::find_if(fitting.begin(), fitting.end(), [&](const fs::path& p) { return named(p, "1201"); });
  if (d != fitting.end() && e != fitting.end()) {
    const int evidence = FavouriteEvidence(entries);
    if (evidence != 0) {
      const fs::path keep = evidence > 0 ? *d : *e;
      fitting.assign(1, keep);
    }
  }
  if (fitting.empty()) {
    std::cout << "no preset fits " << fs::path(archivePath).filename().string() << '\n';
    return 1;
  }
  for (const fs::path& preset : fitting) std::cout << preset.string() << '\n';
  return 0;
}

}  // namespace tarno::cli
