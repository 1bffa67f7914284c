#include "ReferenceFiles.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "AsciiText.h"
#include "FileSystem.h"
#include "ListSource.h"
#include "LoadSave.h"
#include "ReferenceDetails.h"
#include "ReferenceText.h"
#include "SettingsPresets.h"
#include "TelevisionArchive.h"

namespace tarno::editing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kPresetFolder = "layouts";

enum class ReferenceKind { Csv, Text, Archive, ListFile };

bool EndsWith(const std::string& path, std::string_view extension) {
  const std::string name = text::UpperAscii(BareNameOf(path));
  return name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

ReferenceKind KindOf(const std::string& path, const std::string& bytes) {
  if (bytes.substr(0, kZipSignature.size()) == kZipSignature) return ReferenceKind::Archive;
  if (EndsWith(path, ".CSV")) return ReferenceKind::Csv;
  if (EndsWith(path, ".TXT")) return ReferenceKind::Text;
  return ReferenceKind::ListFile;
}

[[noreturn]] void Fail(const std::string& why) { throw std::runtime_error("Reference list: " + why); }

// A folder of its own for an archive's list, gone with this object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tarno-reference-XXXXXX").string();
    if (!mkdtemp(pattern.data())) Fail("no temporary folder for the archive's list");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// The settings of the list's own family: the preset "Select and extract"
// would read these entries with, else the loaded list's settings.
std::string SettingsFor(const std::vector<ArchiveEntry>& entries, const ReferenceTarget& target) {
  const std::string preset = PresetInsteadOfDefault(target.settingsFile, PresetFolderFor(target.settingsFile), entries);
  return preset.empty() ? target.settingsFile : preset;
}

// The list of the same name as the loaded one, else the first of the same source.
const ArchiveEntry& ChooseEntry(const std::vector<ArchiveEntry>& entries, const ReferenceTarget& target,
                                const std::string& archiveName) {
  for (const ArchiveEntry& entry : entries)
    if (entry.name == target.fileName) return entry;
  const ListSource source = SourceOfList(target.fileName);
  if (source != ListSource::Unknown)
    for (const ArchiveEntry& entry : entries)
      if (SourceOfList(entry.name) == source) return entry;
  Fail(archiveName + " holds no " + std::string(SourceWord(source)) + " channel list as " + target.fileName + " is");
}

// A list file loaded as Load loads it, into a grid of its own; its log lines
// are kept back, the last one becomes the error when it does not load.
Reference LoadListFile(const std::string& settingsFile, const std::string& path) {
  std::vector<std::string> lines;
  const LogSink keep = [&lines](const std::string& line) { lines.push_back(line); };
  const std::unique_ptr<TDataObject> data = LoadDataFile(settingsFile, path, keep);
  if (!data) Fail(lines.back());
  grid::CellStore cells;
  if (!FillLoadedGrid(*data, cells, keep)) Fail(lines.back());
  return ReferenceFromGrid(*data, cells);
}

std::string SettingsNote(const std::string& settings, const ReferenceTarget& target) {
  return settings == target.settingsFile ? std::string() : ", read with " + BareNameOf(settings);
}

ReadReference ReadArchive(const std::string& path, std::string bytes, const ReferenceTarget& target) {
  TelevisionArchive archive;
  archive.OpenFromMemory(path, std::move(bytes));
  const std::vector<ArchiveEntry> entries = ArchiveEntries(archive);
  const ArchiveEntry& entry = ChooseEntry(entries, target, BareNameOf(path));
  const std::string settings = SettingsFor(entries, target);
  const ScratchFolder folder;
  WriteFileAtomically(folder.File(entry.name), entry.bytes);
  return {LoadListFile(settings, folder.File(entry.name)),
          entry.name + " of " + BareNameOf(path) + SettingsNote(settings, target)};
}

ReadReference ReadListFile(const std::string& path, std::string bytes, const ReferenceTarget& target) {
  const std::string settings = SettingsFor({ArchiveEntry{BareNameOf(path), std::move(bytes), 0, false}}, target);
  return {LoadListFile(settings, path), BareNameOf(path) + SettingsNote(settings, target)};
}

}  // namespace

std::string PresetFolderFor(const std::string& settingsFile) {
  const fs::path folder = fs::path(settingsFile).parent_path();
  return folder.filename() == kPresetFolder ? folder.string() : (folder / kPresetFolder).string();
}

ReadReference ReadReferenceFile(const std::string& path, const ReferenceTarget& target) {
  std::string bytes = ReadWholeFile(path);
  switch (KindOf(path, bytes)) {
    case ReferenceKind::Csv: {
      Reference reference;
      reference.list = ListCsvChannels(bytes, target.items);
      return {std::move(reference), BareNameOf(path)};
    }
    case ReferenceKind::Text: return {ParseReferenceText(bytes, target.items), BareNameOf(path)};
    case ReferenceKind::Archive: return ReadArchive(path, std::move(bytes), target);
    case ReferenceKind::ListFile: break;
  }
  return ReadListFile(path, std::move(bytes), target);
}

}  // namespace tarno::editing
