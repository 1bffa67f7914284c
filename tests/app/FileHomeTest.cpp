// Where the user's settings, script, presets and extractions live: beside a
// program in a build tree, in the user's data folder for an installed one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "FileHome.h"
#include "TestFiles.h"

namespace tarno {
namespace {

namespace fs = std::filesystem;
using tarno::test::ReadFile;
using tarno::test::TempDir;
using tarno::test::WriteFile;

// A program folder in a temporary root: usr/bin/ with usr/share/tarnochanneledit/ beside it.
class FileHomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin);
    fs::create_directories(user);
  }
  void ShipDefaults() {
    fs::create_directories(shipped + "layouts");
    WriteFile(shipped + kSettingsFileName, "[shipped settings]");
    WriteFile(shipped + kScriptFileName, "shipped script");
    WriteFile(shipped + "layouts/TarnoChannelEdit-1101.ini", "[1101]");
    WriteFile(shipped + "layouts/notes.txt", "not a preset");
  }

  TempDir root;
  const std::string bin = root.File("usr/bin") + "/";
  const std::string shipped = root.File("usr/share/tarnochanneledit") + "/";
  const std::string user = root.File("home/.local/share/TarnoChannelEdit") + "/";
};

TEST_F(FileHomeTest, InstalledDataFolderIsTheShareFolderBesideTheProgramsFolder) {
  EXPECT_EQ(InstalledDataFolder("/usr/bin/"), "/usr/share/tarnochanneledit/");
  EXPECT_EQ(InstalledDataFolder("/opt/tarno/bin"), "/opt/tarno/share/tarnochanneledit/");
}

TEST_F(FileHomeTest, ABuildTreeKeepsEverythingBesideTheProgram) {
  WriteFile(bin + kSettingsFileName, "[own settings]");
  ShipDefaults();  // even beside an installed copy, the program's own settings win
  const FileHome home = ChooseFileHome(bin, user);
  EXPECT_EQ(home.userFolder, bin);
  EXPECT_EQ(home.shippedFolder, bin);
  EXPECT_FALSE(home.SeparateFromShipped());
  EXPECT_EQ(SeedUserFolder(home), 0);
  EXPECT_TRUE(fs::is_empty(user));
}

TEST_F(FileHomeTest, AFolderWithoutSettingsAnywhereStaysTheHome) {
  const FileHome home = ChooseFileHome(bin.substr(0, bin.size() - 1), user);  // no trailing '/'
  EXPECT_EQ(home.userFolder, bin);
  EXPECT_EQ(home.shippedFolder, bin);
}

TEST_F(FileHomeTest, AnInstalledProgramKeepsTheUsersFilesInHisDataFolder) {
  ShipDefaults();
  const FileHome home = ChooseFileHome(bin, user.substr(0, user.size() - 1));
  EXPECT_EQ(home.userFolder, user);
  EXPECT_EQ(home.shippedFolder, shipped);
  EXPECT_TRUE(home.SeparateFromShipped());
}

TEST_F(FileHomeTest, TheFirstStartCopiesSettingsScriptAndPresetsAndALaterOneOnlyWhatIsMissing) {
  ShipDefaults();
  const FileHome home = ChooseFileHome(bin, user);
  fs::remove_all(user);  // the data folder need not exist yet
  EXPECT_EQ(SeedUserFolder(home), 3);
  EXPECT_EQ(ReadFile(user + kSettingsFileName), "[shipped settings]");
  EXPECT_EQ(ReadFile(user + kScriptFileName), "shipped script");
  EXPECT_EQ(ReadFile(user + "layouts/TarnoChannelEdit-1101.ini"), "[1101]");
  EXPECT_FALSE(fs::exists(user + "layouts/notes.txt"));

  WriteFile(user + kSettingsFileName, "[my settings]");
  fs::remove(user + kScriptFileName);
  EXPECT_EQ(SeedUserFolder(home), 1);
  EXPECT_EQ(ReadFile(user + kSettingsFileName), "[my settings]");
  EXPECT_EQ(ReadFile(user + kScriptFileName), "shipped script");
  EXPECT_EQ(SeedUserFolder(home), 0);
}

TEST_F(FileHomeTest, CopiesOfReadOnlyShippedFilesCanBeEdited) {
  ShipDefaults();
  fs::permissions(shipped + kSettingsFileName, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  SeedUserFolder(ChooseFileHome(bin, user));
  EXPECT_NE(fs::status(user + kSettingsFileName).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(FileHomeTest, AProgramFolderThatCannotBeWrittenSendsTheUsersFilesToHisDataFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  WriteFile(bin + kSettingsFileName, "[settings beside]");
  fs::permissions(bin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const FileHome home = ChooseFileHome(bin, user);
  fs::permissions(bin, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(home.userFolder, user);
  EXPECT_EQ(home.shippedFolder, bin);
  EXPECT_EQ(SeedUserFolder(home), 1);
  EXPECT_EQ(ReadFile(user + kSettingsFileName), "[settings beside]");
}

}  // namespace
}  // namespace tarno
