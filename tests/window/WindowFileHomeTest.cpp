// An installed editor: its folder holds no settings, "../share/tarnochanneledit/"
// beside it does. The user's files live in his data folder, seeded on the
// first start; an archive named on the command line is opened at start.
#include <QLabel>
#include <filesystem>

#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

namespace fs = std::filesystem;

class InstalledWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    fs::create_directories(bin);
    fs::create_directories(shipped + "layouts");
    fs::copy_file(tarno::test::SourcePath("data/TarnoChannelEdit.ini"), shipped + "TarnoChannelEdit.ini");
    tarno::test::WriteFile(shipped + "TarnoChannelEdit.rops", kSoundScript);
    fs::copy(tarno::test::SourcePath("data/layouts"), shipped + "layouts");
  }
  void StartInstalled() {
    window = std::make_unique<TfrmTarnoChannelEdit>(WindowOptions{bin, dialogs, user});
    window->show();
  }

  const std::string bin = dir.File("usr/bin") + "/";
  const std::string shipped = dir.File("usr/share/tarnochanneledit") + "/";
  const std::string user = dir.File("home/.local/share/TarnoChannelEdit") + "/";
};

TEST_F(InstalledWindowTest, TheFirstStartCopiesTheDefaultsIntoTheUsersFolderAndSaysWhere) {
  StartInstalled();
  EXPECT_EQ(window->ProgramFolder(), user);
  EXPECT_EQ(window->IniFileName(), user + "TarnoChannelEdit.ini");
  EXPECT_EQ(window->ScriptFileName(), user + "TarnoChannelEdit.rops");
  EXPECT_EQ(window->ExtractFolder(), user + "Extracted/");
  EXPECT_EQ(window->LogLines(), QStringList({"Log started", QString::fromStdString("Settings and script: " + user),
                                             "Script loaded without errors"}));
  EXPECT_EQ(tarno::test::ReadFile(user + "TarnoChannelEdit.ini"),
            tarno::test::ReadFile(shipped + "TarnoChannelEdit.ini"));
  EXPECT_TRUE(fs::exists(user + "layouts/TarnoChannelEdit-1101.ini"));
}

TEST_F(InstalledWindowTest, ALaterStartKeepsTheUsersOwnScript) {
  fs::create_directories(user);
  tarno::test::WriteFile(user + "TarnoChannelEdit.rops", "this script does not compile");
  StartInstalled();
  EXPECT_EQ(tarno::test::ReadFile(user + "TarnoChannelEdit.rops"), "this script does not compile");
  EXPECT_FALSE(window->HasScript());
  EXPECT_TRUE(fs::exists(user + "TarnoChannelEdit.ini")) << "what was missing is copied";
}

TEST_F(InstalledWindowTest, AnArchiveNamedAtStartIsExtractedIntoTheUsersFolder) {
  StartInstalled();
  const std::string archive = dir.File("list.scm");
  fs::copy_file(std::string(TARNO_SAMPLES_DIR) + "/" + kSampleArchive, archive);
  fs::permissions(archive, fs::perms::owner_write, fs::perm_options::add);
  window->OpenArchiveOnStart(archive);
  EXPECT_TRUE(fs::exists(user + "Extracted/map-CableD"));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_TRUE(Shown("chkSaveArchive"));
  EXPECT_TRUE(dialogs->openRequests.empty()) << "no dialog asks for it";
}

TEST_F(InstalledWindowTest, AnArchiveThatCannotBeOpenedAtStartLeavesNoneActive) {
  StartInstalled();
  window->OpenArchiveOnStart(dir.File("missing.scm"));
  EXPECT_EQ(Text("txtExtractedFile"), "No active archive");
  EXPECT_EQ(window->windowTitle(), "  No archived television file opened");
  EXPECT_FALSE(Shown("chkSaveArchive"));
}

}  // namespace
}  // namespace tarno::window::test
