// Saving with the default settings and script (the 1101 preset for the D set)
// over every entry of every real archive: what nobody edited comes back byte for
// byte in either record order, and a name edit changes its own record only.
#include <gtest/gtest.h>

#include <sstream>

#include "DefaultsTestSupport.h"
#include "LoadSave.h"
#include "ScriptSession.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

const std::string kPreset1101 = test::SourcePath("data/layouts/TarnoChannelEdit-1101.ini");
const char* const kTypedName = "Tarno";

struct Loaded {
  std::unique_ptr<TDataObject> data;
  grid::CellStore grid;
  std::vector<std::string> log;
};

class ArchiveWithScript : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (!test::EngineBuildsUtf16Text()) GTEST_SKIP() << test::kUtf16EngineFault;
    ASSERT_TRUE(script_.Reload(test::kDefaultScript, [](const std::string&) {}));
    ASSERT_TRUE(test::ExtractSample(GetParam(), dir_.Path()));
  }

  std::string Settings() const {
    return GetParam().find("D8000") != std::string::npos ? kPreset1101 : test::kDefaultSettings;
  }

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

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(dir_.Path()))
      names.push_back(file.path().filename().string());
    return names;
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
    }
    ++entries;
  }
  EXPECT_GE(entries, 10);
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
  for (const NamedFile& named : kNamedFiles) {
    if (!std::filesystem::exists(dir_.File(named.entry))) continue;
    SCOPED_TRACE(named.entry);
    const std::string original = Original(named.entry);
    for (const bool regenerate : {false, true}) {
      Loaded loaded;
      ASSERT_TRUE(Load(named.entry, loaded)) << loaded.log.back();
      const TDataItem* name = NameItem(*loaded.data);
      ASSERT_NE(name, nullptr);
      const int col = std::abs(name->Column);
      const int row = NamedRow(loaded.grid, col);
      loaded.grid.SetText(col, row, kTypedName);
      const std::string saved = Saved(loaded, false, regenerate);
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
      EXPECT_TRUE(saved == expected) << "regenerate " << regenerate << ", record " << row - 1;
    }
  }
}

// In the grid's order a moved row takes its whole record with it, check byte
// and every byte no cell shows included.
TEST_P(ArchiveWithScript, AMovedChannelTakesItsWholeRecord) {
  for (const char* entry : {"map-AirA", "map-AirD", "map-CableD", "map-SateD"}) {
    if (!std::filesystem::exists(dir_.File(entry))) continue;
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

INSTANTIATE_TEST_SUITE_P(Real, ArchiveWithScript, ::testing::ValuesIn(test::SampleArchives()),
                         [](const ::testing::TestParamInfo<std::string>& archive) {
                           return test::SampleTestName(archive.param);
                         });

}  // namespace
}  // namespace tarno
