// Sequences of ordinary actions that must never lose a list or put it into
// another archive: two archives in turn, files from elsewhere, two editors on
// one folder, an archive rewritten by another program, cancelled dialogs, a
// script reload, and an archive that cannot be written.
#include <QPushButton>
#include <map>

#include "ArchiveWorkflow.h"
#include "ExtractionFolderLock.h"
#include "TelevisionArchive.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

const char* const kOtherSample = "channel_list_UE55H6470_1201.scm";

std::map<std::string, std::string> Entries(const std::string& archivePath) {
  TelevisionArchive archive;
  archive.Open(archivePath);
  std::map<std::string, std::string> entries;
  for (const ArchiveEntry& entry : archive.ReadEntries()) entries[entry.name] = entry.bytes;
  return entries;
}

class DataSafetyTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    StartWithArchiveCopy();
    CopySample(kOtherSample, OtherPath());
    archiveBytes = tarno::test::ReadFile(ArchivePath());
    otherBytes = tarno::test::ReadFile(OtherPath());
  }
  std::string OtherPath() const { return dir.File("other.scm"); }
  void CopySample(const char* name, const std::string& to) {
    std::filesystem::copy_file(std::string(TARNO_SAMPLES_DIR) + "/" + name, to);
    std::filesystem::permissions(to, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  }
  void Extract(const std::string& path) {
    dialogs->Answer(path);
    Click("btnExtract");
  }
  // Loads the cable map, renames its first channel and saves it.
  void EditAndSave(const std::string& name = "Edited One") {
    ASSERT_NO_FATAL_FAILURE(LoadCableMap());
    Rename(name);
    Click("btnSave");
    ASSERT_EQ(LastLog().toStdString(), "Data saved as " + window->LoadedFilePath());
  }
  void Rename(const std::string& name) { window->Grid()->Cells().SetText(NameColumn(), 1, name); }
  void Exit() {
    Click("btnExit");
    window.reset();
  }
  bool Asked(const std::string& part) const {
    for (const Question& question : dialogs->questions)
      if (question.text.find(part) != std::string::npos) return true;
    return false;
  }
  std::string CableMapOf(const std::string& archive) { return Entries(archive).at("map-CableD"); }

  std::string archiveBytes;
  std::string otherBytes;
};

TEST_F(DataSafetyTest, ExtractingAnotherArchiveClosesTheListSoItNeverLandsInThatArchive) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  Extract(OtherPath());
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_EQ(Text("txtLoadedFile"), "No file loaded");
  EXPECT_FALSE(Shown("btnSave"));
  Click("btnSave");
  EXPECT_EQ(LastLog(), "Nothing loaded");
  Exit();
  EXPECT_TRUE(tarno::test::ReadFile(OtherPath()) == otherBytes);
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == archiveBytes);
}

TEST_F(DataSafetyTest, SavedEditsReachTheirArchiveBeforeAnotherIsExtracted) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(EditAndSave());
  const std::string saved = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  Extract(OtherPath());
  EXPECT_TRUE(CableMapOf(ArchivePath()) == saved);
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'other.scm' active");
  EXPECT_TRUE(dialogs->questions.empty());
  Exit();
  EXPECT_TRUE(tarno::test::ReadFile(OtherPath()) == otherBytes);  // nothing was saved for it
}

TEST_F(DataSafetyTest, ACancelledArchiveDialogChangesNothing) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(EditAndSave());
  const std::string saved = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  const int lines = static_cast<int>(window->LogLines().size());
  Click("btnExtract");  // cancelled
  EXPECT_EQ(window->LogLines().size(), lines);
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_TRUE(Shown("chkSaveArchive"));
  EXPECT_NE(window->Grid(), nullptr);
  EXPECT_TRUE(Shown("btnSave"));
  Exit();
  EXPECT_TRUE(CableMapOf(ArchivePath()) == saved);
}

TEST_F(DataSafetyTest, WithoutTheUpdateAtExitTheUserChoosesWhatHappensToSavedFiles) {
  Extract(ArchivePath());
  SetChecked("chkSaveArchive", false);
  ASSERT_NO_FATAL_FAILURE(EditAndSave());
  const std::string saved = tarno::test::ReadFile(ExtractFolder() + "map-CableD");

  Extract(OtherPath());  // unanswered: goes back
  EXPECT_TRUE(Asked("Files saved for 'list.scm' are not in it yet: map-CableD."));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_NE(window->Grid(), nullptr);
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == saved);

  dialogs->choices = {"Leave them out"};
  Extract(OtherPath());
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'other.scm' active");
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == archiveBytes);
  EXPECT_EQ(dialogs->questions.size(), 2u);  // leaving them out was the answer: no second question

  // Written on request, the next time round.
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(EditAndSave("Edited Again"));
  const std::string again = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  dialogs->choices = {"Write into archive"};
  Extract(OtherPath());
  EXPECT_TRUE(CableMapOf(ArchivePath()) == again);
}

TEST_F(DataSafetyTest, AFileLoadedFromElsewhereIsSavedWhereItCameFrom) {
  Extract(ArchivePath());
  const std::string elsewhere = dir.File("elsewhere");
  std::filesystem::create_directory(elsewhere);
  tarno::test::WriteFile(elsewhere + "/map-CableD", CableMapOf(OtherPath()));
  const std::string extracted = tarno::test::ReadFile(ExtractFolder() + "map-CableD");

  Load(elsewhere + "/map-CableD");
  ASSERT_NE(window->Grid(), nullptr);
  Rename("Other One");
  Click("btnSave");
  EXPECT_EQ(LastLog().toStdString(), "Data saved as " + elsewhere + "/map-CableD");
  EXPECT_FALSE(tarno::test::ReadFile(elsewhere + "/map-CableD") == CableMapOf(OtherPath()));
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == extracted);

  // Into the archive only by "Save as ..." into the extraction folder.
  dialogs->Answer(ExtractFolder() + "map-CableD");
  Click("btnSaveAs");
  ASSERT_EQ(dialogs->saveRequests.back().fileName, ExtractFolder() + "map-CableD");
  const std::string savedAs = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  Exit();
  EXPECT_TRUE(CableMapOf(ArchivePath()) == savedAs);
}

TEST_F(DataSafetyTest, ASecondEditorIsNotLetIntoTheExtractionFolder) {
  Extract(ArchivePath());
  auto secondDialogs = std::make_shared<ScriptedDialogs>();
  auto second = std::make_unique<TfrmTarnoChannelEdit>(WindowOptions{Folder(), secondDialogs, {}});
  secondDialogs->Answer(OtherPath());
  second->findChild<QPushButton*>(QStringLiteral("btnExtract"))->click();
  ASSERT_EQ(secondDialogs->errors.size(), 1u);
  EXPECT_NE(secondDialogs->errors[0].find("Another TarnoChannelEdit or tarno-cli is working in '" + ExtractFolder()),
            std::string::npos)
      << secondDialogs->errors[0];
  EXPECT_TRUE(second->Archive() == nullptr || second->Archive()->FileName().empty());
  second->close();
  second.reset();
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == CableMapOf(ArchivePath()));
  Exit();
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == archiveBytes);
  EXPECT_TRUE(tarno::test::ReadFile(OtherPath()) == otherBytes);
}

// Another program rewrote the archive: its entry stays, the user decides on ours.
class ChangedArchiveTest : public DataSafetyTest {
 protected:
  void RewriteElsewhere() {
    TelevisionArchive archive;
    archive.Open(ArchivePath());
    const std::string scratch = dir.File("scratch");
    std::filesystem::create_directory(scratch);
    tarno::test::WriteFile(scratch + "/map-ChKey", "ABCD");
    archive.SetBaseDirectory(scratch);
    ASSERT_EQ(archive.ReplaceNamed({"map-ChKey"}), 1);
    archive.Save();
    rewritten = tarno::test::ReadFile(ArchivePath());
  }
  std::string rewritten;
};

TEST_F(ChangedArchiveTest, IsLeftAsTheOtherProgramWroteItWhenTheUserSaysSo) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(EditAndSave());
  ASSERT_NO_FATAL_FAILURE(RewriteElsewhere());
  dialogs->choices = {"Leave it as it is"};
  Exit();
  EXPECT_TRUE(Asked("The archive 'list.scm' was changed by another program since it was extracted."));
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == rewritten);
}

TEST_F(ChangedArchiveTest, GetsOnlyTheSavedFilesWhenTheUserWritesIntoIt) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(EditAndSave());
  const std::string saved = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  ASSERT_NO_FATAL_FAILURE(RewriteElsewhere());
  dialogs->choices = {"Write into it"};
  Exit();
  const auto entries = Entries(ArchivePath());
  EXPECT_TRUE(entries.at("map-CableD") == saved);
  EXPECT_EQ(entries.at("map-ChKey"), "ABCD");  // the other program's change stays
}

TEST_F(DataSafetyTest, ACancelledLoadKeepsTheLoadedFileAndItsEdits) {
  ASSERT_NO_FATAL_FAILURE(Extract(ArchivePath()));
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  Rename("Edited One");
  Click("btnLoad");  // cancelled
  EXPECT_NE(window->DataObject(), nullptr);
  EXPECT_TRUE(Shown("btnSave"));
  EXPECT_TRUE(window->HasUnsavedEdits());
  EXPECT_TRUE(dialogs->saveQuestions.empty());
  dialogs->saveChangesAnswer = SaveChangesAnswer::Cancel;
  EXPECT_FALSE(window->close());
  EXPECT_EQ(dialogs->saveQuestions.size(), 1u);
}

TEST_F(DataSafetyTest, NoAtTheScriptReloadShowsTheFileAgainWithoutTheEdits) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string first = CellText(NameColumn(), 1);
  Rename("Edited One");
  dialogs->saveChangesAnswer = SaveChangesAnswer::No;
  Click("btnReloadScript");
  ASSERT_NE(window->Grid(), nullptr);
  EXPECT_EQ(CellText(NameColumn(), 1), first);
  EXPECT_FALSE(window->HasUnsavedEdits());
  EXPECT_EQ(LastLog(), "Data loaded");
  Exit();
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == archiveBytes);
}

// The archive cannot be written: the window stays, and nothing saved is lost.
class UnwritableArchiveTest : public DataSafetyTest {
 protected:
  void SetUp() override {
    DataSafetyTest::SetUp();
    Extract(ArchivePath());
    ASSERT_NO_FATAL_FAILURE(EditAndSave());
    saved = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
    std::filesystem::permissions(ArchivePath(), std::filesystem::perms(0444));
  }
  std::string saved;
};

TEST_F(UnwritableArchiveTest, TheWindowStaysOpenForARetry) {
  dialogs->choices = {"Cancel"};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(Asked("The archive 'list.scm' could not be written:"));
  EXPECT_TRUE(window->isVisible());
  std::filesystem::permissions(ArchivePath(), std::filesystem::perms(0644));
  EXPECT_TRUE(window->close());
  window.reset();
  EXPECT_TRUE(CableMapOf(ArchivePath()) == saved);
}

TEST_F(UnwritableArchiveTest, TheArchiveCanBeWrittenUnderAnotherName) {
  dialogs->choices = {"Write under another name..."};
  dialogs->Answer(dir.File("copy.scm"));
  EXPECT_TRUE(window->close());
  window.reset();
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == archiveBytes);
  EXPECT_TRUE(CableMapOf(dir.File("copy.scm")) == saved);
}

TEST_F(UnwritableArchiveTest, FilesLeftUnwrittenAreNotOverwrittenByTheNextExtractionWithoutAQuestion) {
  dialogs->choices = {"Leave it unwritten"};
  EXPECT_TRUE(window->close());
  window.reset();
  std::filesystem::permissions(ArchivePath(), std::filesystem::perms(0644));
  Start();
  Extract(ArchivePath());  // unanswered: goes back
  EXPECT_TRUE(Asked("holds map-CableD, saved for 'list.scm' but never written into it."));
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == saved);
  EXPECT_EQ(Text("txtExtractedFile"), "No active archive");
  dialogs->choices = {"Extract anyway"};
  Extract(ArchivePath());
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == CableMapOf(ArchivePath()));
}

}  // namespace
}  // namespace tarno::window::test
