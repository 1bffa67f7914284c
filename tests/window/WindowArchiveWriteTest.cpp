// "Write archive now", the original kept before the archive's first rewrite
// (whichever command writes it) and "Restore original", over a copy of the
// sample archive.
#include <filesystem>

#include "ArchiveEntryBytes.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

using tarno::test::EntryOf;

class ArchiveWriteTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    StartWithArchiveCopy();
    original = tarno::test::ReadFile(ArchivePath());
    dialogs->Answer(ArchivePath());
    Click("btnExtract");
  }
  std::string Backup() const { return ArchivePath() + ".bak"; }
  // Saves an edit of the cable map into the extraction folder.
  void SaveAnEdit(const char* name) {
    ASSERT_NO_FATAL_FAILURE(LoadCableMap());
    window->Grid()->Cells().SetText(NameColumn(), 2, name);
    Click("btnSave");
  }
  int Logged(const QString& line) const { return static_cast<int>(window->LogLines().count(line)); }
  std::string original;
};

TEST_F(ArchiveWriteTest, WriteNowWritesTheSavedFilesAndKeepsTheOriginalOnce) {
  EXPECT_TRUE(Shown("btnWriteArchive"));
  ASSERT_NO_FATAL_FAILURE(SaveAnEdit("First"));
  Click("btnWriteArchive");
  EXPECT_EQ(Logged("Original kept as list.scm.bak"), 1);
  EXPECT_EQ(LastLog(), "Archive 'list.scm' updated with map-CableD");
  EXPECT_TRUE(EntryOf(ArchivePath(), "map-CableD") == tarno::test::ReadFile(ExtractFolder() + "map-CableD"));
  EXPECT_TRUE(tarno::test::ReadFile(Backup()) == original);

  ASSERT_NO_FATAL_FAILURE(SaveAnEdit("Second"));
  Click("btnWriteArchive");
  EXPECT_EQ(Logged("Original kept as list.scm.bak"), 1);
  EXPECT_TRUE(EntryOf(ArchivePath(), "map-CableD") == tarno::test::ReadFile(ExtractFolder() + "map-CableD"));
  EXPECT_TRUE(tarno::test::ReadFile(Backup()) == original);

  // Written already: the exit has nothing left to do.
  const std::string written = tarno::test::ReadFile(ArchivePath());
  window.reset();
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == written);
}

TEST_F(ArchiveWriteTest, WriteNowSettlesUnsavedEditsFirstAndSaysWhenNothingIsNew) {
  Click("btnWriteArchive");
  EXPECT_EQ(LastLog(), "Archive 'list.scm' already holds every saved file");
  EXPECT_FALSE(std::filesystem::exists(Backup()));

  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  window->Grid()->Cells().SetText(NameColumn(), 2, "Unsaved");
  dialogs->saveChangesAnswer = SaveChangesAnswer::Cancel;
  Click("btnWriteArchive");
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == original);
  dialogs->saveChangesAnswer = SaveChangesAnswer::Yes;
  Click("btnWriteArchive");
  EXPECT_EQ(dialogs->saveQuestions.size(), 2u);
  EXPECT_TRUE(EntryOf(ArchivePath(), "map-CableD") == tarno::test::ReadFile(ExtractFolder() + "map-CableD"));
  EXPECT_FALSE(window->windowTitle().startsWith(QLatin1Char('*')));
}

// The exit and the change to another archive write through the same road.
TEST_F(ArchiveWriteTest, EveryWriteOfTheArchiveKeepsTheOriginalFirst) {
  tarno::test::WriteFile(ExtractFolder() + "TSIDList", std::string(16, 'x'));
  dialogs->Answer(ArchivePath());
  Click("btnExtract");  // writes the saved file into the archive given up
  EXPECT_EQ(Logged("Original kept as list.scm.bak"), 1);
  EXPECT_TRUE(tarno::test::ReadFile(Backup()) == original);

  std::filesystem::remove(Backup());
  const std::string firstWrite = tarno::test::ReadFile(ArchivePath());
  tarno::test::WriteFile(ExtractFolder() + "TSIDList", std::string(16, 'y'));
  Click("btnExit");
  window.reset();
  EXPECT_TRUE(tarno::test::ReadFile(Backup()) == firstWrite);
  EXPECT_EQ(EntryOf(ArchivePath(), "TSIDList"), std::string(16, 'y'));
}

TEST_F(ArchiveWriteTest, RestoreRefusesWithoutAKeptOriginal) {
  EXPECT_TRUE(Shown("btnRestoreOriginal"));
  Click("btnRestoreOriginal");
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0], "No original of 'list.scm' is kept: there is no list.scm.bak beside it.");
  EXPECT_TRUE(dialogs->questions.empty());
}

TEST_F(ArchiveWriteTest, RestoreAsksThenPutsTheOriginalBackAndExtractsIt) {
  const std::string extracted = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  ASSERT_NO_FATAL_FAILURE(SaveAnEdit("Edited"));
  Click("btnWriteArchive");
  const std::string written = tarno::test::ReadFile(ArchivePath());

  Click("btnRestoreOriginal");  // the unprepared question goes back
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].buttons, (std::vector<std::string>{"Restore", "Cancel"}));
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == written);
  EXPECT_NE(window->Grid(), nullptr);

  dialogs->choices.push_back("Restore");
  Click("btnRestoreOriginal");
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == original);
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == extracted);
  EXPECT_TRUE(window->LogLines().contains("Archive 'list.scm' restored from list.scm.bak"));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_EQ(window->Grid(), nullptr);

  // The folder is the restored archive's again: the exit writes nothing.
  window.reset();
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == original);
}

}  // namespace
}  // namespace tarno::window::test
