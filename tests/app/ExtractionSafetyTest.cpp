// An extraction folder knows its archive: tarno-cli update writes only that
// archive's files, only those saved since, never over another program's
// rewrite, and neither command works in a folder another program holds.
#include <gtest/gtest.h>

#include <algorithm>

#include "ArchiveEntryBytes.h"
#include "ArchiveWorkflow.h"
#include "ExtractionFolderLock.h"
#include "ExtractionRecord.h"
#include "RunProgram.h"

namespace tarno {
namespace {

std::string Sample(const char* name) { return std::string(TARNO_SAMPLES_DIR) + "/" + name; }

using tarno::test::EntryOf;

class ExtractionSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Copy("channel_list_UE46F7000_1201.scm", X());
    Copy("channel_list_UE55H6470_1201.scm", Y());
  }
  void Copy(const char* sample, const std::string& to) {
    std::filesystem::copy_file(Sample(sample), to);
    std::filesystem::permissions(to, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  }
  std::string X() const { return dir.File("x.scm"); }
  std::string Y() const { return dir.File("y.scm"); }
  std::string Folder() const { return dir.File("out") + "/"; }
  test::ProgramResult Cli(const std::vector<std::string>& args) { return test::RunProgram("tarno-cli", args); }
  void ExtractWithCli(const std::string& archive) {
    const test::ProgramResult result = Cli({"extract", archive, Folder()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }
  // Changes a byte of the extracted cable map, as a save would.
  std::string EditCableMap() {
    std::string map = test::ReadFile(Folder() + "map-CableD");
    map[100] = static_cast<char>(map[100] ^ 0x55);
    test::WriteFile(Folder() + "map-CableD", map);
    return map;
  }
  void ExpectRefused(const test::ProgramResult& result, const std::string& part) {
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(part), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  test::TempDir dir;
};

TEST_F(ExtractionSafetyTest, UpdateRefusesAFolderOfAnotherArchive) {
  const std::string bytes = test::ReadFile(X());
  ASSERT_NO_FATAL_FAILURE(ExtractWithCli(Y()));
  ExpectRefused(Cli({"update", X(), Folder()}), "holds the files of 'y.scm', not of 'x.scm'");
  EXPECT_TRUE(test::ReadFile(X()) == bytes);
  // A folder no extraction made is nobody's.
  std::filesystem::remove(Folder() + kExtractionRecordName);
  ExpectRefused(Cli({"update", Y(), Folder()}), "holds no files extracted from 'y.scm'");
}

TEST_F(ExtractionSafetyTest, UpdateRefusesAnArchiveRewrittenSinceTheExtraction) {
  ASSERT_NO_FATAL_FAILURE(ExtractWithCli(X()));
  EditCableMap();
  test::WriteFile(X(), test::ReadFile(Y()));  // another tool replaced it
  ExpectRefused(Cli({"update", X(), Folder()}), "was changed by another program since it was extracted");
  EXPECT_TRUE(test::ReadFile(X()) == test::ReadFile(Y()));
}

TEST_F(ExtractionSafetyTest, UpdateWritesOnlyFilesSavedSinceAndThenNothingMore) {
  ASSERT_NO_FATAL_FAILURE(ExtractWithCli(X()));
  const std::string map = EditCableMap();
  test::ProgramResult result = Cli({"update", X(), Folder()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "Original kept as x.scm.bak\nArchive 'x.scm': 1 entry replaced\n");
  EXPECT_TRUE(EntryOf(X(), "map-CableD") == map);
  // The update is recorded: the archive is its folder's again.
  const std::string written = test::ReadFile(X());
  result = Cli({"update", X(), Folder()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "Archive 'x.scm': 0 entries replaced\n");
  EXPECT_TRUE(test::ReadFile(X()) == written);
}

TEST_F(ExtractionSafetyTest, ExtractRefusesToOverwriteFilesNeverWrittenIntoTheirArchive) {
  ASSERT_NO_FATAL_FAILURE(ExtractWithCli(X()));
  const std::string map = EditCableMap();
  ExpectRefused(Cli({"extract", Y(), Folder()}), "holds map-CableD, saved for 'x.scm' but never written into it");
  EXPECT_TRUE(test::ReadFile(Folder() + "map-CableD") == map);
  ExpectRefused(Cli({"extract", X(), Folder()}), "saved for 'x.scm'");
  const test::ProgramResult forced = Cli({"extract", "--overwrite", Y(), Folder()});
  ASSERT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_TRUE(test::ReadFile(Folder() + "map-CableD") == EntryOf(Y(), "map-CableD"));
}

TEST_F(ExtractionSafetyTest, NeitherCommandWorksInAFolderAnotherProgramHolds) {
  ASSERT_NO_FATAL_FAILURE(ExtractWithCli(X()));
  EditCableMap();
  const std::string bytes = test::ReadFile(X());
  {
    const ExtractionFolderLock editor(Folder());
    ExpectRefused(Cli({"extract", "--overwrite", Y(), Folder()}), "Another TarnoChannelEdit or tarno-cli is working in");
    ExpectRefused(Cli({"update", X(), Folder()}), "Another TarnoChannelEdit or tarno-cli is working in");
    EXPECT_THROW(ExtractionFolderLock{Folder()}, FolderBusyError);
  }
  EXPECT_TRUE(test::ReadFile(X()) == bytes);
  const ExtractionFolderLock again{Folder()};  // let go with its holder
}

TEST(ExtractionRecords, ReadBackWhatWasWrittenAndRefuseAnythingElse) {
  const ExtractionRecord record{"/tmp/odd %name\nwith break.scm",
                                {12345, 0xdeadbeef},
                                {{"map-CableD", 320000, 1700000000123456789}, {"name with %0A", 4, -5}}};
  const auto back = ParseRecord(RecordText(record));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->archivePath, record.archivePath);
  EXPECT_EQ(back->archive, record.archive);
  EXPECT_EQ(back->files, record.files);

  const std::string text = RecordText(record);
  EXPECT_FALSE(ParseRecord(""));
  EXPECT_FALSE(ParseRecord(text.substr(0, text.size() - 1)));  // cut short
  EXPECT_FALSE(ParseRecord(text + "file 1 2\n"));               // a file without a name
  EXPECT_FALSE(ParseRecord(text + "file x 2 name\n"));
  EXPECT_FALSE(ParseRecord(text + "crc xyz\n"));
  EXPECT_FALSE(ParseRecord(text + "archive %ZZ\n"));
  EXPECT_FALSE(ParseRecord(text + "other thing\n"));
  EXPECT_FALSE(ParseRecord(text + "file 1 2 ../outside\n"));  // a record never names a file outside its folder
  EXPECT_FALSE(ParseRecord(text + "file 1 2 ..\n"));
}

}  // namespace
}  // namespace tarno
