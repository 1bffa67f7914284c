// An archive written back keeps the entries it did not replace as they were:
// their bytes and their DOS stamps, the newer sets' date 0 included. Over every
// shared archive, old and new.
#include <gtest/gtest.h>

#include <filesystem>

#include "TelevisionArchive.h"
#include "TestFiles.h"
#include "ZipEntryStamps.h"

namespace tarno {
namespace {

std::vector<std::string> EverySharedArchive() {
  std::vector<std::string> paths;
  for (const char* folder : {TARNO_SAMPLES_DIR, TARNO_ZIP_SAMPLES_DIR})
    if (std::filesystem::is_directory(folder))
      for (const auto& entry : std::filesystem::directory_iterator(folder)) paths.push_back(entry.path().string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

TEST(ZipStamps, AnEntryReplacedLeavesTheOthersWithTheirBytesAndStamps) {
  for (const std::string& path : EverySharedArchive()) {
    SCOPED_TRACE(path);
    const test::TempDir dir;
    const std::string original = test::ReadFile(path);
    TelevisionArchive archive;
    archive.Open(path);
    archive.SetBaseDirectory(dir.Path().string() + "/");
    const std::vector<ArchiveEntry> before = archive.ReadEntries();
    ASSERT_FALSE(before.empty());
    const std::string changed = before.front().name;
    test::WriteFile(dir.File(changed), before.front().bytes + "x");
    ASSERT_EQ(archive.ReplaceNamed({changed}), 1);
    const std::string written = dir.File("written.zip");
    archive.SaveTo(written);

    std::map<std::string, ZipStamp> expected = EntryStamps(original);
    std::map<std::string, ZipStamp> stamps = EntryStamps(test::ReadFile(written));
    ASSERT_EQ(stamps.size(), expected.size());
    expected.erase(changed);
    stamps.erase(changed);
    EXPECT_EQ(stamps, expected);

    TelevisionArchive reread;
    reread.Open(written);
    const std::vector<ArchiveEntry> after = reread.ReadEntries();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].name, before[i].name);  // the entry order stays
      if (after[i].name != changed) {
        EXPECT_EQ(after[i].bytes, before[i].bytes) << after[i].name;
      }
    }
  }
}

// Damaged directories are read as far as they hold together and never written past.
TEST(ZipStamps, DamagedBytesAreLeftAlone) {
  const auto archives = EverySharedArchive();
  ASSERT_FALSE(archives.empty());
  const std::string zip = test::ReadFile(archives.front());
  const std::map<std::string, ZipStamp> stamps = EntryStamps(zip);
  ASSERT_FALSE(stamps.empty());
  std::map<std::string, ZipStamp> zeroed;
  for (const auto& [name, stamp] : stamps) zeroed[name] = {};
  for (const size_t cut : {size_t{0}, size_t{10}, zip.size() / 2, zip.size() - 30, zip.size() - 1}) {
    std::string damaged = zip.substr(0, cut);
    const std::string copy = damaged;
    SetEntryStamps(damaged, zeroed);
    EXPECT_EQ(damaged, copy) << cut;
    EXPECT_TRUE(EntryStamps(damaged).empty()) << cut;
  }
}

}  // namespace
}  // namespace tarno
