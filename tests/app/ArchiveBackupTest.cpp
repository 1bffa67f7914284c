// The original archive is kept as NAME.scm.bak before its first rewrite: made
// once, never overwritten, and only when the archive file is really written.
// Through tarno-cli for every shared archive, and the restore in the model.
#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveBackup.h"
#include "ArchiveWorkflow.h"
#include "Errors.h"
#include "ExtractionRecord.h"
#include "RunProgram.h"
#include "TelevisionArchive.h"

namespace tarno {
namespace {

class ArchiveBackupTest : public ::testing::Test {
 protected:
  void CopySample(const std::string& name) {
    std::filesystem::copy_file(std::string(TARNO_SAMPLES_DIR) + "/" + name, Archive());
    std::filesystem::permissions(Archive(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  }
  std::string Archive() const { return dir.File("x.scm"); }
  std::string Backup() const { return dir.File("x.scm.bak"); }
  std::string Folder() const { return dir.File("out") + "/"; }
  test::ProgramResult Cli(const std::vector<std::string>& args) { return test::RunProgram("tarno-cli", args); }
  // Changes the first extracted entry's file, as a save would.
  void EditAnEntry(char mark) {
    const std::string entry = Folder() + ExtractionRecordOf().files.front().name;
    test::WriteFile(entry, test::ReadFile(entry) + mark);
  }
  ExtractionRecord ExtractionRecordOf() const { return *ReadExtractionRecord(Folder()); }
  test::ProgramResult Update() { return Cli({"update", Archive(), Folder()}); }
  test::TempDir dir;
};

TEST_F(ArchiveBackupTest, TheFirstUpdateKeepsTheOriginalAndLaterOnesLeaveIt) {
  for (const std::string& sample : test::SampleArchives()) {
    SCOPED_TRACE(sample);
    std::filesystem::remove_all(dir.Path());
    std::filesystem::create_directories(dir.Path());
    CopySample(sample);
    const std::string original = test::ReadFile(Archive());
    ASSERT_EQ(Cli({"extract", Archive(), Folder()}).exitCode, 0);

    EditAnEntry('a');
    test::ProgramResult result = Update();
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("Original kept as x.scm.bak\nArchive 'x.scm': 1 entry replaced", 0), 0u) << result.out;
    EXPECT_TRUE(test::ReadFile(Backup()) == original);

    EditAnEntry('b');
    result = Update();
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Archive 'x.scm': 1 entry replaced\n");
    EXPECT_TRUE(test::ReadFile(Backup()) == original);
  }
}

TEST_F(ArchiveBackupTest, AFileAlreadyThereIsNeverOverwritten) {
  CopySample("channel_list_UE46F7000_1201.scm");
  test::WriteFile(Backup(), "the user's own copy");
  ASSERT_EQ(Cli({"extract", Archive(), Folder()}).exitCode, 0);
  EditAnEntry('a');
  const test::ProgramResult result = Update();
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "Archive 'x.scm': 1 entry replaced\n");
  EXPECT_EQ(test::ReadFile(Backup()), "the user's own copy");
}

// Nothing written, or written under another name: the archive is as it was.
TEST_F(ArchiveBackupTest, NoCopyWhenTheArchiveItselfIsNotRewritten) {
  CopySample("channel_list_UE46F7000_1201.scm");
  ASSERT_EQ(Cli({"extract", Archive(), Folder()}).exitCode, 0);
  EXPECT_EQ(Update().out, "Archive 'x.scm': 0 entries replaced\n");
  EXPECT_FALSE(std::filesystem::exists(Backup()));

  EditAnEntry('a');
  const ArchiveWrite elsewhere =
      WriteUnwrittenFiles(Archive(), Folder(), PendingUpdateOf(Archive(), Folder()), dir.File("copy.scm"));
  EXPECT_EQ(elsewhere.replaced, 1);
  EXPECT_FALSE(elsewhere.keptOriginal);
  EXPECT_FALSE(std::filesystem::exists(Backup()));
}

TEST_F(ArchiveBackupTest, RestoringPutsTheKeptOriginalBackAndNeedsOne) {
  CopySample("channel_list_UE46F7000_1201.scm");
  const std::string original = test::ReadFile(Archive());
  EXPECT_THROW(RestoreOriginal(Archive()), FileError);
  EXPECT_TRUE(test::ReadFile(Archive()) == original);

  ASSERT_EQ(Cli({"extract", Archive(), Folder()}).exitCode, 0);
  EditAnEntry('a');
  ASSERT_EQ(Update().exitCode, 0);
  ASSERT_FALSE(test::ReadFile(Archive()) == original);
  RestoreOriginal(Archive());
  EXPECT_TRUE(test::ReadFile(Archive()) == original);
  EXPECT_TRUE(test::ReadFile(Backup()) == original);
}

}  // namespace
}  // namespace tarno
