// Saving with the default settings and script, and with the D-series ("1101")
// preset, over every entry of every real archive that the settings read: what
// nobody edited comes back byte for byte in either record order, and a name
// edit changes its own record only.
#include <gtest/gtest.h>

#include <sstream>

#include "DefaultsTestSupport.h"
#include "LoadSave.h"
#include "SampleFamilies.h"
#include "ScriptSession.h"
#include "SettingsPresets.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

const char* const kTypedName = "Tarno";
constexpr size_t kLeastSharedArchives = 10;

struct SettingsFile {
  const char* label;
  std::string path;
};
void PrintTo(const SettingsFile& settings, std::ostream* out) { *out << settings.label; }

const SettingsFile kSettings[] = {
    {"Default", test::kDefaultSettings},
    {"Preset1101", test::SourcePath("data/layouts/TarnoChannelEdit-1101.ini")},
};

struct Loaded {
  std::unique_ptr<TDataObject> data;
  grid::CellStore grid;
  std::vector<std::string> log;
};

using ArchiveAndSettings = std::tuple<std::string, SettingsFile>;

class ArchiveWithScript : public ::testing::TestWithParam<ArchiveAndSettings> {
 protected:
  void SetUp() override {
    // A fault of our engine, not a reason to test less.
    ASSERT_TRUE(test::EngineBuildsUtf16Text()) << test::kUtf16EngineFault;
    ASSERT_TRUE(script_.Reload(test::kDefaultScript, [](const std::string&) {}));
    ASSERT_TRUE(test::ExtractSample(Archive(), dir_.Path()));
  }

  const std::string& Archive() const { return std::get<0>(GetParam()); }
  const std::string& Settings() const { return std::get<1>(GetParam()).path; }

  // Loads an entry as Load does.
  bool Load(const std::string& entry, Loaded& loaded) const {
    const LogSink log = [&](const std::string& line) { loaded.log.push_back(line); };
    loaded.data = LoadDataFile(Settings(), dir_.File(entry), log);
    return loaded.data && FillLoadedGrid(*loaded.data, loaded.grid, log);
  }

  // Takes the grid back as Save does and returns the bytes it would write.
  static std::string Saved(Loaded& loaded, bool keepOrder, bool regenerateChecksums) {
    if (!TakeGridBack(*loaded.data, loaded.grid, keepOrder, [](const std::string&) {})) return "take-back failed";
    std::ostringstream out;
    if (!loaded.data->SaveToStream(out, regenerateChecksums)) return "save failed";
    return out.str();
  }

  // The archive's entries that the settings read (a layout, whole records).
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const ArchiveEntry& entry : ArchiveEntries(std::string(TARNO_SAMPLES_DIR) + "/" + Archive()))
      if (SettingsMisfit(Settings(), {entry}).empty()) names.push_back(entry.name);
    return names;
  }
  bool Reads(const std::string& entry) const {
    const std::vector<std::string> read = Entries();
    return std::find(read.begin(), read.end(), entry) != read.end();
  }

  std::string Original(const std::string& entry) const { return test::ReadFile(dir_.File(entry)); }

  test::TempDir dir_;
  ScriptSession script_;
};

TEST_P(ArchiveWithScript, EveryUneditedEntrySavesByteForByteInEitherOrder) {
  int entries = 0;
  for (const std::string& entry : Entries()) {
    SCOPED_TRACE(entry);
    for (const bool keepOrder : {true, false}) {
      Loaded loaded;
      ASSERT_TRUE(Load(entry, loaded)) << loaded.log.back();
      EXPECT_TRUE(Saved(loaded, keepOrder, false) == Original(entry)) << "keep order " << keepOrder;
      // Saved again, as a second Save would.
      EXPECT_TRUE(Saved(loaded, !keepOrder, false) == Original(entry)) << "then keep order " << !keepOrder;
    }
    ++entries;
  }
  EXPECT_GE(entries, 9) << "entries read by these settings";
}

// The entry's name field: the layout entry captioned "Name".
const TDataItem* NameItem(const TDataObject& data) {
  for (const TDataItem& item : data.Items)
    if (item.Name == "Name") return &item;
  return nullptr;
}

// The first row with a name, else row 1.
int NamedRow(const grid::CellStore& grid, int col) {
  for (int r = 1; r < grid.RowCount(); ++r)
    if (!grid.Text(col, r).empty()) return r;
  return 1;
}

struct NamedFile {
  const char* entry;
  bool lowByteFirst;
  int countAt;  // offset of the name's 16-bit byte count in the record, -1 without one
  int count;    // what it holds for the typed name
};

const NamedFile kNamedFiles[] = {
    {"map-AirA", false, 18, 12},  {"map-CableA", false, 18, 12}, {"map-AirD", false, -1, 0},
    {"map-CableD", false, -1, 0}, {"map-SateD", false, -1, 0},   {"SatDataBase.dat", true, -1, 0},
    {"ServiceProviders", false, 6, 10},
};

// The typed name as its field stores it: UTF-16 units, then zeros.
std::string StoredName(size_t size, bool lowByteFirst) {
  std::string bytes(size, '\0');
  for (size_t i = 0; kTypedName[i] != '\0'; ++i) bytes[2 * i + (lowByteFirst ? 0 : 1)] = kTypedName[i];
  return bytes;
}

uint8_t SumBefore(const std::string& file, size_t record, size_t size) {
  unsigned sum = 0;
  for (size_t i = 0; i + 1 < size; ++i) sum += static_cast<unsigned char>(file[record + i]);
  return static_cast<uint8_t>(sum);
}

// Typing one name and saving changes that record's name field (with its byte
// count, where the format keeps one) and nothing else; asked for new check
// bytes, the record's check byte follows, and other records change only where
// their stored check byte was not the sum.
TEST_P(ArchiveWithScript, ANameEditChangesOnlyItsOwnRecord) {
  int maps = 0;
  for (const NamedFile& named : kNamedFiles) {
    if (!Reads(named.entry)) continue;
    ++maps;
    SCOPED_TRACE(named.entry);
    const std::string original = Original(named.entry);
    for (const auto& [keepOrder, regenerate] : {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
      Loaded loaded;
      ASSERT_TRUE(Load(named.entry, loaded)) << loaded.log.back();
      const TDataItem* name = NameItem(*loaded.data);
      ASSERT_NE(name, nullptr);
      const int col = std::abs(name->Column);
      const int row = NamedRow(loaded.grid, col);
      loaded.grid.SetText(col, row, kTypedName);
      const std::string saved = Saved(loaded, keepOrder, regenerate);
      ASSERT_EQ(saved.size(), original.size()) << saved.substr(0, 40);

      const size_t header = loaded.data->HasHeader ? 4 : 0;
      const size_t size = static_cast<size_t>(loaded.data->RecordSize());
      const size_t edited = header + static_cast<size_t>(row - 1) * size;
      const bool checked = loaded.data->Items.back().TypeChar == '^';
      std::string expected = original;
      const size_t nameStart = edited + static_cast<size_t>(name->Offset);
      const size_t nameBytes = static_cast<size_t>(name->Size);
      if (named.countAt >= 0) {
        ASSERT_EQ(name->Offset, named.countAt) << "the field begins with the count";
        expected.replace(nameStart, 2, std::string{static_cast<char>(named.count), '\0'});
        expected.replace(nameStart + 2, nameBytes - 2, StoredName(nameBytes - 2, named.lowByteFirst));
      } else {
        expected.replace(nameStart, nameBytes, StoredName(nameBytes, named.lowByteFirst));
      }
      if (regenerate && checked)
        for (size_t at = header; at < expected.size(); at += size) expected[at + size - 1] = SumBefore(expected, at, size);
      EXPECT_TRUE(saved == expected) << "keep order " << keepOrder << ", regenerate " << regenerate << ", record "
                                     << row - 1;
    }
  }
  EXPECT_GE(maps, 1) << "no channel map with names";
}

// In the grid's order a moved row takes its whole record with it, check byte
// and every byte no cell shows included.
TEST_P(ArchiveWithScript, AMovedChannelTakesItsWholeRecord) {
  for (const char* entry : {"map-AirA", "map-AirD", "map-CableD", "map-SateD"}) {
    if (!Reads(entry)) continue;
    SCOPED_TRACE(entry);
    Loaded loaded;
    ASSERT_TRUE(Load(entry, loaded)) << loaded.log.back();
    const int col = std::abs(NameItem(*loaded.data)->Column);
    int from = loaded.grid.RowCount() - 1;
    while (from > 1 && loaded.grid.Text(col, from).empty()) --from;
    loaded.grid.MoveRow(from, 1);
    const std::string original = Original(entry);
    const size_t size = static_cast<size_t>(loaded.data->RecordSize());
    const size_t moved = static_cast<size_t>(from - 1) * size;
    const std::string expected = original.substr(moved, size) + original.substr(0, moved) +
                                 original.substr(moved + size);
    EXPECT_TRUE(Saved(loaded, false, false) == expected) << "row " << from;
    EXPECT_TRUE(Saved(loaded, true, false) == expected) << "saved again, now in kept order";
  }
}

INSTANTIATE_TEST_SUITE_P(Real, ArchiveWithScript,
                         ::testing::Combine(::testing::ValuesIn(test::SampleArchives()), ::testing::ValuesIn(kSettings)),
                         [](const ::testing::TestParamInfo<ArchiveAndSettings>& param) {
                           return test::SampleTestName(std::get<0>(param.param)) + "_" + std::get<1>(param.param).label;
                         });

// The tests above run once per shared archive: none of the first ten may go
// missing unseen, and every entry of each must be read by one of the settings
// (but for the entries no settings read).
TEST(SharedArchives, AtLeastTenAreThereAndEveryEntryHasSettingsThatReadIt) {
  const std::vector<std::string> archives = test::SampleArchives();
  EXPECT_GE(archives.size(), kLeastSharedArchives);
  for (const std::string& archive : archives) {
    SCOPED_TRACE(archive);
    const std::vector<ArchiveEntry> entries = ArchiveEntries(std::string(TARNO_SAMPLES_DIR) + "/" + archive);
    EXPECT_GE(entries.size(), 10u);
    for (const ArchiveEntry& entry : entries) {
      if (test::NoSettingsRead(entry.name)) continue;
      const bool read = std::any_of(std::begin(kSettings), std::end(kSettings), [&](const SettingsFile& settings) {
        return SettingsMisfit(settings.path, {entry}).empty();
      });
      EXPECT_TRUE(read) << entry.name;
    }
  }
}

}  // namespace
}  // namespace tarno
