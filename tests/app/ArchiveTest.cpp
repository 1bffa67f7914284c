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
    // The shared samples are read-only; an archive being updated must not be.
    std::filesystem::permissions(dir.File("list.scm"), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
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

// Writes a zip archive with Python's zipfile: entries (name, bytes) given as
// Python expressions, stored or deflated.
void MakeZip(const std::string& path, const std::string& entries, bool deflated = false) {
  const std::string script = "import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1],'w'," +
                             std::string(deflated ? "zipfile.ZIP_DEFLATED" : "zipfile.ZIP_STORED") +
                             ")\nfor n,b in " + entries + ": z.writestr(n,b)\nz.close()\n";
  test::TempDir dir;
  test::WriteFile(dir.File("make.py"), script);
  ASSERT_EQ(Shell("python3 " + test::ShellQuote(dir.File("make.py")) + " " + test::ShellQuote(path)), 0);
}

std::string ExtractionError(const std::string& archivePath, const std::string& folder) {
  TelevisionArchive archive;
  try {
    archive.Open(archivePath);
    archive.SetBaseDirectory(folder);
    archive.ExtractAll();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

size_t FileCount(const std::string& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Damaged and hostile archives are refused whole: nothing lands in the folder.
TEST(HostileArchives, ADamagedEntryIsRefusedByNameBeforeAnythingIsWritten) {
  test::TempDir dir;
  MakeZip(dir.File("crc.scm"), "[('map-AirA', b'A'*100), ('map-CableD', b'channel data here'), ('zz', b'Z'*50)]");
  std::string bytes = test::ReadFile(dir.File("crc.scm"));
  const size_t data = bytes.find("channel data here");
  ASSERT_NE(data, std::string::npos);
  bytes[data] = 'C';  // stored uncompressed: one changed byte the CRC must catch
  test::WriteFile(dir.File("crc.scm"), bytes);
  std::filesystem::create_directory(dir.Path() / "out");
  const std::string message = ExtractionError(dir.File("crc.scm"), dir.File("out"));
  EXPECT_NE(message.find("'map-CableD'"), std::string::npos) << message;
  EXPECT_NE(message.find("CRC"), std::string::npos) << message;
  EXPECT_EQ(FileCount(dir.File("out")), 0u);
}

TEST(HostileArchives, NamesThatDifferInCaseOnlyAreOneFileAndRefused) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.Path() / "out");
  for (const char* entries : {"[('map-AirA', b'first'), ('MAP-AIRA', b'second')]",
                              "[('one/map-AirA', b'first'), ('two/map-AirA', b'second')]"}) {
    MakeZip(dir.File("case.scm"), entries);
    const std::string message = ExtractionError(dir.File("case.scm"), dir.File("out"));
    EXPECT_NE(message.find("damaged"), std::string::npos) << message;
    EXPECT_EQ(FileCount(dir.File("out")), 0u) << entries;
  }
}

TEST(HostileArchives, MoreEntriesOrBytesThanATelevisionWritesAreRefusedAtOnce) {
  test::TempDir dir;
  MakeZip(dir.File("many.scm"), "[('e%d' % i, b'x') for i in range(" + std::to_string(kMaxArchiveEntries + 1) + ")]");
  TelevisionArchive archive;
  EXPECT_THROW(archive.Open(dir.File("many.scm")), ArchiveError);
  EXPECT_FALSE(archive.IsActive());
  MakeZip(dir.File("exactly.scm"), "[('e%d' % i, b'x') for i in range(" + std::to_string(kMaxArchiveEntries) + ")]");
  archive.Open(dir.File("exactly.scm"));
  EXPECT_EQ(archive.ReadEntries().size(), kMaxArchiveEntries);
  // Zeros deflate to almost nothing: a small file that would unpack beyond the limit.
  const uint64_t part = kMaxArchiveBytes / 5 + 1;
  MakeZip(dir.File("big.scm"), "[('z%d' % i, bytes(" + std::to_string(part) + ")) for i in range(5)]", true);
  ASSERT_LT(std::filesystem::file_size(dir.File("big.scm")), 2u << 20);
  EXPECT_THROW(archive.Open(dir.File("big.scm")), ArchiveError);
}

TEST(HostileArchives, LongNamesWorkAndLinksInTheFolderAreReplacedNotFollowed) {
  test::TempDir dir;
  const std::string longName(250, 'L');
  MakeZip(dir.File("odd.scm"), "[('" + longName + "', b'long'), ('map-AirA', b'entry')]");
  std::filesystem::create_directory(dir.Path() / "out");
  test::WriteFile(dir.File("outside"), "keep me");
  std::filesystem::create_symlink(dir.File("outside"), dir.Path() / "out" / "map-AirA");
  EXPECT_EQ(ExtractionError(dir.File("odd.scm"), dir.File("out")), "");
  EXPECT_EQ(test::ReadFile(dir.File("out/" + longName)), "long");
  EXPECT_FALSE(std::filesystem::is_symlink(dir.Path() / "out" / "map-AirA"));
  EXPECT_EQ(test::ReadFile(dir.File("out/map-AirA")), "entry");
  EXPECT_EQ(test::ReadFile(dir.File("outside")), "keep me");
}

TEST_F(ArchiveFixture, AWriteProtectedArchiveOrExtractedFileIsRefusedAndStaysAsItWas) {
  const std::string bytes = test::ReadFile(dir.File("list.scm"));
  {
    TelevisionArchive archive;
    ExtractCopy(archive);
    test::WriteFile(folder + "map-ChKey", "XXXX");
    std::filesystem::permissions(dir.File("list.scm"), std::filesystem::perms(0444));
    EXPECT_EQ(archive.FreshenAll(), 1);
    try {
      archive.Save();
      ADD_FAILURE() << "saved onto a write-protected archive";
    } catch (const FileError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.substr(message.size() - 18), "is write-protected") << message;
    }
  }
  EXPECT_EQ(test::ReadFile(dir.File("list.scm")), bytes);
  // A write-protected extracted file stops the extraction before it writes anything.
  std::filesystem::permissions(dir.File("list.scm"), std::filesystem::perms(0644));
  std::filesystem::permissions(folder + "map-ChKey", std::filesystem::perms(0444));
  test::WriteFile(folder + "map-AirA", "changed");
  TelevisionArchive again;
  EXPECT_THROW(ExtractCopy(again), FileError);
  EXPECT_EQ(test::ReadFile(folder + "map-AirA"), "changed");
}

TEST_F(ArchiveFixture, AnUpdateWithNothingChangedLeavesTheFileAlone) {
  const time_t stamp = ModificationTime(dir.File("list.scm"));
  const std::string bytes = test::ReadFile(dir.File("list.scm"));
  TelevisionArchive archive;
  ExtractCopy(archive);
  EXPECT_EQ(archive.FreshenAll(), 0);
  archive.Save();
  EXPECT_EQ(test::ReadFile(dir.File("list.scm")), bytes);
  EXPECT_EQ(ModificationTime(dir.File("list.scm")), stamp);
}

// tarno-cli extract and update: the window's operations from the command line.
TEST_F(ArchiveFixture, TheCommandLineExtractsAndUpdatesLikeTheWindow) {
  const std::string out = dir.File("cli");
  test::ProgramResult extracted = test::RunProgram("tarno-cli", {"extract", dir.File("list.scm"), out});
  ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
  EXPECT_EQ(extracted.out, "File 'list.scm' extracted to '" + out + "/'\n");
  EXPECT_EQ(FileCount(out), 13u);  // the twelve entries and the record of the extraction
  std::string map = test::ReadFile(out + "/map-CableD");
  map[100] = static_cast<char>(map[100] ^ 0x55);
  test::WriteFile(out + "/map-CableD", map);
  test::ProgramResult updated = test::RunProgram("tarno-cli", {"update", dir.File("list.scm"), out});
  ASSERT_EQ(updated.exitCode, 0) << updated.err;
  EXPECT_EQ(updated.out, "Original kept as list.scm.bak\nArchive 'list.scm': 1 entry replaced\n");
  TelevisionArchive archive;
  archive.Open(dir.File("list.scm"));
  for (const ArchiveEntry& entry : archive.ReadEntries()) {
    if (entry.name == "map-CableD") {
      EXPECT_TRUE(entry.bytes == map);
    }
  }
}

TEST(HostileArchives, TheCommandLineNamesWhyAnArchiveIsRefused) {
  test::TempDir dir;
  MakeZip(dir.File("crc.scm"), "[('map-CableD', b'channel data here')]");
  std::string bytes = test::ReadFile(dir.File("crc.scm"));
  bytes[bytes.find("channel data here")] = 'C';
  test::WriteFile(dir.File("crc.scm"), bytes);
  test::ProgramResult result = test::RunProgram("tarno-cli", {"extract", dir.File("crc.scm"), dir.File("out")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("'map-CableD'"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("CRC"), std::string::npos) << result.err;
  EXPECT_EQ(FileCount(dir.File("out")), 0u);
}

TEST(ArchiveDetection, LeavesNoFolderBehind) {
  test::TempDir temp;
  const std::string command = "TMPDIR=" + test::ShellQuote(temp.Path().string()) + " " +
                              test::ShellQuote(std::string(TARNO_BIN_DIR) + "/tarno-cli") + " detect " +
                              test::ShellQuote(kSample) + " >/dev/null";
  EXPECT_EQ(Shell(command), 0);
  EXPECT_EQ(FileCount(temp.Path().string()), 0u);
}

}  // namespace
}  // namespace tarno
