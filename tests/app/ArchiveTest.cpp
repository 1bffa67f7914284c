// Television archives: extraction into a folder and the update at exit, checked
// with independent zip readers (unzip and Python's zipfile).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <sstream>

#include "Errors.h"
#include "RunProgram.h"
#include "TelevisionArchive.h"

namespace tarno {
namespace {

const std::string kSample = std::string(TARNO_SAMPLES_DIR) + "/channel_list_UE46F7000_1201.scm";

// Runs a shell command whose output is redirected by the caller.
int Shell(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()); }

// Entry name -> CRC and size, as Python's zipfile reads them.
std::string ZipListing(const std::string& archive) {
  test::TempDir dir;
  const std::string out = dir.File("listing");
  Shell("python3 -c \"import zipfile,sys; z=zipfile.ZipFile(sys.argv[1]); "
        "print('\\n'.join('%s %08x %d' % (i.filename, i.CRC, i.file_size) for i in z.infolist())); "
        "z.testzip()\" " + test::ShellQuote(archive) + " > " + test::ShellQuote(out));
  return test::ReadFile(out);
}

time_t ModificationTime(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mtime;
}

class ArchiveFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(kSample, dir.File("list.scm"));
    std::filesystem::create_directory(dir.Path() / "Extracted");
    folder = dir.File("Extracted") + "/";
  }
  void ExtractCopy(TelevisionArchive& archive) {
    archive.Open(dir.File("list.scm"));
    archive.SetBaseDirectory(folder);
    archive.ExtractAll();
  }
  test::TempDir dir;
  std::string folder;
};

TEST_F(ArchiveFixture, ExtractsEveryEntryWithItsTime) {
  TelevisionArchive archive;
  ExtractCopy(archive);
  EXPECT_EQ(archive.FileName(), dir.File("list.scm"));
  int files = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir.Path() / "Extracted")) {
    ++files;
    test::TempDir other;
    ASSERT_EQ(Shell("unzip -p " + test::ShellQuote(kSample) + " " + test::ShellQuote(file.path().filename().string()) +
                    " > " + test::ShellQuote(other.File("x"))),
              0);
    EXPECT_TRUE(test::ReadFile(file.path().string()) == test::ReadFile(other.File("x"))) << file.path();
  }
  EXPECT_EQ(files, 12);
  // Untouched files match their entries, so nothing would be replaced.
  EXPECT_EQ(archive.FreshenAll(), 0);
}

TEST_F(ArchiveFixture, UpdateReplacesOnlyTheEditedEntry) {
  const std::string before = ZipListing(dir.File("list.scm"));
  std::string edited;
  {
    TelevisionArchive archive;
    ExtractCopy(archive);
    std::string map = test::ReadFile(folder + "map-CableD");
    map[100] = static_cast<char>(map[100] ^ 0x55);
    test::WriteFile(folder + "map-CableD", map);
    edited = map;
    std::filesystem::remove(folder + "RadioMap");  // a missing file leaves its entry alone
    EXPECT_EQ(archive.FreshenAll(), 1);
    archive.Save();
    EXPECT_FALSE(archive.IsActive());
  }
  EXPECT_EQ(Shell("unzip -tqq " + test::ShellQuote(dir.File("list.scm")) + " >/dev/null"), 0);
  const std::string after = ZipListing(dir.File("list.scm"));
  std::istringstream oldLines(before), newLines(after);
  std::string oldLine, newLine;
  int differing = 0;
  while (std::getline(oldLines, oldLine) && std::getline(newLines, newLine)) {
    if (oldLine != newLine) {
      ++differing;
      EXPECT_EQ(newLine.rfind("map-CableD ", 0), 0u) << newLine;
    }
  }
  EXPECT_EQ(differing, 1);
  EXPECT_FALSE(std::getline(newLines, newLine));

  // A second extraction gives back the edited bytes with the file's own time.
  TelevisionArchive again;
  std::filesystem::remove_all(dir.Path() / "Extracted");
  std::filesystem::create_directory(dir.Path() / "Extracted");
  ExtractCopy(again);
  EXPECT_EQ(edited, test::ReadFile(folder + "map-CableD"));
  EXPECT_EQ(again.FreshenAll(), 0);
}

TEST_F(ArchiveFixture, ClosingWithoutSaveLeavesTheFileUntouched) {
  const time_t stamp = ModificationTime(dir.File("list.scm"));
  const std::string bytes = test::ReadFile(dir.File("list.scm"));
  {
    TelevisionArchive archive;
    ExtractCopy(archive);
    test::WriteFile(folder + "map-ChKey", "XXXX");
    archive.Close();
    EXPECT_EQ(archive.FileName(), "");
  }
  EXPECT_EQ(test::ReadFile(dir.File("list.scm")), bytes);
  EXPECT_EQ(ModificationTime(dir.File("list.scm")), stamp);
}

TEST_F(ArchiveFixture, ASavedFileWithTheSameBytesIsStillReplaced) {
  TelevisionArchive archive;
  ExtractCopy(archive);
  const std::string same = test::ReadFile(folder + "map-ChKey");
  std::filesystem::last_write_time(folder + "map-ChKey", std::filesystem::file_time_type::clock::now());
  EXPECT_EQ(test::ReadFile(folder + "map-ChKey"), same);
  EXPECT_EQ(archive.FreshenAll(), 1);
}

TEST(ArchiveFailures, NonArchivesAndMissingFilesRaise) {
  test::TempDir dir;
  test::WriteFile(dir.File("text.scm"), "this is not a zip file at all");
  TelevisionArchive archive;
  EXPECT_THROW(archive.Open(dir.File("text.scm")), ArchiveError);
  EXPECT_THROW(archive.Open(dir.File("missing.scm")), ArchiveError);
  EXPECT_FALSE(archive.IsActive());
  std::string truncated = test::ReadFile(kSample);
  truncated.resize(truncated.size() / 2);
  test::WriteFile(dir.File("cut.scm"), truncated);
  EXPECT_THROW(archive.Open(dir.File("cut.scm")), ArchiveError);
}

TEST(ArchiveFailures, HostileNamesNeverLeaveTheFolder) {
  test::TempDir dir;
  const std::string archivePath = dir.File("hostile.scm");
  ASSERT_EQ(Shell("python3 -c \"import zipfile,sys; z=zipfile.ZipFile(sys.argv[1],'w'); "
                  "[z.writestr(n, 'x'+n) for n in ['../up', '/abs/olute', 'sub/dir/inner', '..\\\\win', 'folder/', "
                  "'..', 'plain']]; z.close()\" " + test::ShellQuote(archivePath) + " >/dev/null"),
            0);
  std::filesystem::create_directories(dir.Path() / "a" / "Extracted");
  TelevisionArchive archive;
  archive.Open(archivePath);
  archive.SetBaseDirectory(dir.File("a/Extracted"));
  archive.ExtractAll();
  std::set<std::string> names;
  for (const auto& file : std::filesystem::recursive_directory_iterator(dir.Path()))
    names.insert(std::filesystem::relative(file.path(), dir.Path()).string());
  EXPECT_EQ(names, (std::set<std::string>{"hostile.scm", "a", "a/Extracted", "a/Extracted/up", "a/Extracted/olute",
                                          "a/Extracted/inner", "a/Extracted/win", "a/Extracted/plain"}));
  EXPECT_EQ(test::ReadFile(dir.File("a/Extracted/up")), "x../up");
}

TEST(ArchiveFailures, AMissingExtractionFolderIsAnError) {
  test::TempDir dir;
  TelevisionArchive archive;
  archive.Open(kSample);
  archive.SetBaseDirectory(dir.File("no/such/folder"));
  EXPECT_THROW(archive.ExtractAll(), FileError);
}

}  // namespace
}  // namespace tarno
