#include "SettingsPresets.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "AsciiText.h"
#include "ByteOrder.h"
#include "FileSystem.h"
#include "LayoutReader.h"
#include "TelevisionArchive.h"

namespace tarno {
namespace {

namespace fs = std::filesystem;

constexpr size_t kHeaderSize = 4;
constexpr std::string_view kInUseRole = "In use";
constexpr std::array<std::string_view, 5> kFavouriteRoles = {"Fav1", "Fav2", "Fav3", "Fav4", "Fav5"};
constexpr uint32_t kNotInList = 0xFFFFFFFFu;  // -1
constexpr uint32_t kFirstNegative = 0x80000000u;

// How a channel map's favourite lists mark a channel, as its section says.
enum class FavouriteMarks { Unsaid, Flags, Positions };

FavouriteMarks MarksOf(const Layout& layout) {
  if (text::EqualIgnoringAsciiCase(layout.Favourites, "flags")) return FavouriteMarks::Flags;
  if (text::EqualIgnoringAsciiCase(layout.Favourites, "positions")) return FavouriteMarks::Positions;
  return FavouriteMarks::Unsaid;
}

// Flags are 0 or 1; positions count from 1, and -1 stands for "not in this list".
bool CanHold(FavouriteMarks marks, uint32_t value) {
  if (marks == FavouriteMarks::Flags) return value <= 1;
  return value == kNotInList || (value >= 1 && value < kFirstNegative);
}

// A field of a record as a little-endian number (its first four bytes).
uint32_t FieldValue(const std::string& bytes, size_t record, const TDataItem& item) {
  return text::ReadLittleEndian(bytes.data() + record + static_cast<size_t>(item.Offset),
                                std::min<size_t>(static_cast<size_t>(item.Size), 4));
}

size_t RecordSizeOf(const Layout& layout) {
  const TDataItem& last = layout.Items.back();
  return static_cast<size_t>(last.Offset) + static_cast<size_t>(last.Size);
}

// How well the favourite lists of the channels in use agree with what their
// sections say of them.
struct FavouriteEvidence {
  size_t values = 0;      // values of lists whose section says how they mark
  size_t misfits = 0;     // of them, values the marks cannot be
  std::string firstMisfit;
  bool operator<(const FavouriteEvidence& other) const { return misfits < other.misfits; }
};

void AddFavouriteEvidence(const Layout& layout, const ArchiveEntry& entry, FavouriteEvidence& evidence) {
  const FavouriteMarks marks = MarksOf(layout);
  const TDataItem* inUse = FieldOfRole(layout.Items, kInUseRole);
  if (marks == FavouriteMarks::Unsaid || !inUse) return;
  std::vector<const TDataItem*> lists;
  for (const std::string_view role : kFavouriteRoles)
    if (const TDataItem* list = FieldOfRole(layout.Items, role)) lists.push_back(list);
  const size_t recordSize = RecordSizeOf(layout);
  const size_t first = layout.HasHeader ? kHeaderSize : 0;
  for (size_t at = first; at + recordSize <= entry.bytes.size(); at += recordSize) {
    if ((FieldValue(entry.bytes, at, *inUse) & 1) == 0) continue;
    for (const TDataItem* list : lists) {
      const uint32_t value = FieldValue(entry.bytes, at, *list);
      ++evidence.values;
      if (CanHold(marks, value)) continue;
      if (evidence.misfits++ == 0)
        evidence.firstMisfit = entry.name + " record " + std::to_string((at - first) / recordSize) + " holds " +
                               std::to_string(static_cast<int32_t>(value)) + " in " + list->Name +
                               " (FAVOURITES = " + layout.Favourites + ")";
    }
  }
}

// A channel database's section reads an entry that is an SQLite database.
bool IsSqliteDatabase(std::string_view bytes) {
  constexpr std::string_view kSqliteHeader("SQLite format 3\0", 16);
  return bytes.starts_with(kSqliteHeader);
}

// What one settings file makes of an archive's entries.
struct Reading {
  std::string misfit;               // why it cannot read them; empty when it can
  std::vector<std::string> unread;  // the entries no section reads
  FavouriteEvidence favourites;
};

Reading ReadingOf(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries) {
  Reading reading;
  if (entries.empty()) {
    reading.misfit = "the archive holds no files";
    return reading;
  }
  const std::string settings = ReadWholeFile(settingsFile);  // once, not once per entry
  for (const ArchiveEntry& entry : entries) {
    const Layout layout = ReadLayoutFrom(settings, entry.name);
    if (layout.Items.empty()) {
      reading.unread.push_back(entry.name);
      continue;
    }
    if (!layout.Database.empty()) {
      if (!IsSqliteDatabase(entry.bytes)) {
        reading.misfit = entry.name + " is no SQLite database";
        return reading;
      }
      continue;
    }
    const size_t header = layout.HasHeader ? kHeaderSize : 0;
    const size_t record = RecordSizeOf(layout);
    const size_t size = entry.bytes.size();
    if (size < header || record == 0 || (size - header) % record != 0) {
      reading.misfit = entry.name + " (" + std::to_string(size) + " bytes) is no whole number of " +
                       std::to_string(record) + "-byte records";
      return reading;
    }
    AddFavouriteEvidence(layout, entry, reading.favourites);
  }
  if (reading.unread.size() == entries.size()) reading.misfit = "no section reads any of its files";
  return reading;
}

// A preset whose favourite lists disagree with more values than another's is
// ruled out; one whose sections say nothing of them is never ruled out.
std::string FavouritesRuledOut(const FavouriteEvidence& evidence, const FavouriteEvidence& best) {
  if (evidence.values == 0 || evidence.misfits <= best.misfits) return {};
  return std::to_string(evidence.misfits) + " of " + std::to_string(evidence.values) +
         " favourite values cannot be what its sections say, " + std::to_string(best.misfits) +
         " with another preset; the first: " + evidence.firstMisfit;
}

}  // namespace

std::vector<ArchiveEntry> ArchiveEntries(const std::string& path) {
  TelevisionArchive archive;
  archive.Open(path);
  return ArchiveEntries(archive);
}

std::vector<ArchiveEntry> ArchiveEntries(const TelevisionArchive& archive) {
  std::vector<ArchiveEntry> entries = archive.ReadEntries();
  std::sort(entries.begin(), entries.end(), [](const ArchiveEntry& a, const ArchiveEntry& b) { return a.name < b.name; });
  return entries;
}

std::vector<std::string> PresetFiles(const std::string& folder) {
  std::vector<std::string> presets;
  std::error_code error;
  for (const auto& item : fs::directory_iterator(folder, error))
    if (item.path().extension() == ".ini") presets.push_back(item.path().string());
  std::sort(presets.begin(), presets.end());
  return presets;
}

std::string SettingsMisfit(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries) {
  return ReadingOf(settingsFile, entries).misfit;
}

std::vector<std::string> UnreadEntries(const std::string& settingsFile, const std::vector<ArchiveEntry>& entries) {
  return ReadingOf(settingsFile, entries).unread;
}

PresetFit FitPresets(const std::vector<std::string>& presets, const std::vector<ArchiveEntry>& entries) {
  PresetFit fit;
  std::vector<std::pair<std::string, Reading>> readers;
  for (const std::string& preset : presets) {
    Reading reading = ReadingOf(preset, entries);
    if (reading.misfit.empty()) readers.emplace_back(preset, std::move(reading));
    else fit.misfits.emplace_back(preset, std::move(reading.misfit));
  }
  std::stable_sort(readers.begin(), readers.end(),
                   [](const auto& a, const auto& b) { return a.second.unread.size() < b.second.unread.size(); });
  FavouriteEvidence best{0, SIZE_MAX, {}};
  for (const auto& reader : readers)
    if (reader.second.favourites.values > 0) best = std::min(best, reader.second.favourites);
  for (auto& [preset, reading] : readers) {
    std::string ruledOut = FavouritesRuledOut(reading.favourites, best);
    if (ruledOut.empty()) fit.fitting.push_back(preset);
    else fit.misfits.emplace_back(preset, std::move(ruledOut));
  }
  return fit;
}

std::string PresetInsteadOfDefault(const std::string& defaultSettings, const std::string& presetFolder,
                                   const std::vector<ArchiveEntry>& entries) {
  if (entries.empty()) return {};
  const std::vector<std::string> presets = PresetFiles(presetFolder);
  const PresetFit fit = FitPresets(presets, entries);
  if (fit.fitting.empty()) return {};
  if (!SettingsMisfit(defaultSettings, entries).empty()) return fit.fitting.front();
  // The default reads every size. When it is an unchanged copy of a preset
  // the favourite lists rule out (the "1201" default against a D-series
  // archive without a satellite map), the best preset reads it rightly; the
  // user's own settings stay.
  const std::string defaultText = ReadWholeFile(defaultSettings);
  for (const auto& [preset, why] : fit.misfits)
    if (ReadWholeFile(preset) == defaultText) return fit.fitting.front();
  return {};
}

}  // namespace tarno
