// "Select and extract" and the update at exit, checked with independent zip
// readers (unzip and Python's zipfile).
#include <sys/stat.h>

#include <QPushButton>
#include <cstdlib>
#include <sstream>

#include "TestFiles.h"
#include "RunProgram.h"
#include "SampleFamilies.h"
#include "SettingsPresets.h"
#include "TelevisionArchive.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

// Runs a shell command; its output goes where the command redirects it.
int Shell(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()); }

// One line per entry: name, CRC and size, as Python's zipfile reads them.
std::string ZipListing(const std::string& archive, const std::string& scratch) {
  Shell("python3 -c \"import zipfile,sys; z=zipfile.ZipFile(sys.argv[1]); "
        "print('\\n'.join('%s %08x %d' % (i.filename, i.CRC, i.file_size) for i in z.infolist())); "
        "assert z.testzip() is None\" " + tarno::test::ShellQuote(archive) + " > " + tarno::test::ShellQuote(scratch));
  return tarno::test::ReadFile(scratch);
}

using ::tarno::test::Lines;

class ArchiveTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    StartWithArchiveCopy();
  }
  void Extract(const std::string& path) {
    dialogs->Answer(path);
    Click("btnExtract");
  }
  std::string Listing() { return ZipListing(ArchivePath(), dir.File("listing.txt")); }
};

TEST_F(ArchiveTest, ExtractingMakesTheArchiveActive) {
  Extract(ArchivePath());
  EXPECT_EQ(LastLog().toStdString(), "File 'list.scm' extracted to '" + ExtractFolder() + "'");
  EXPECT_EQ(window->windowTitle().toStdString(), "  File 'list.scm' extracted to '" + ExtractFolder() + "'");
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_TRUE(Shown("chkSaveArchive"));
  EXPECT_EQ(tarno::test::ReadFile(ExtractFolder() + "map-CableD").size(), 320000u);

  ASSERT_EQ(dialogs->openRequests.size(), 1u);
  const FileDialogRequest& request = dialogs->openRequests[0];
  EXPECT_EQ(request.title, "Select television archive file");
  EXPECT_EQ(request.filter, "Television archive files|*.scm;*.zip|All files|*.*");
  EXPECT_EQ(request.initialFolder, Folder());
  EXPECT_TRUE(request.mustExist);
}

TEST_F(ArchiveTest, AnEditSavedAndExitReplacesOnlyThatEntry) {
  const std::string before = Listing();
  ASSERT_EQ(Lines(before).size(), 12u);
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  window->Grid()->Cells().SetText(NameColumn(), 2, "Edited Two");
  Click("btnSave");
  Click("btnExit");
  window.reset();  // the program ends

  EXPECT_EQ(Shell("unzip -tqq " + tarno::test::ShellQuote(ArchivePath()) + " >/dev/null"), 0);
  const std::vector<std::string> was = Lines(before);
  const std::vector<std::string> now = Lines(Listing());
  ASSERT_EQ(now.size(), was.size());
  for (size_t i = 0; i < was.size(); ++i) {
    if (was[i].rfind("map-CableD ", 0) == 0)
      EXPECT_NE(now[i], was[i]);
    else
      EXPECT_EQ(now[i], was[i]);
  }
}

TEST_F(ArchiveTest, ClosingTheWindowTakesTheSameRoadAsExit) {
  Extract(ArchivePath());
  tarno::test::WriteFile(ExtractFolder() + "TSIDList", std::string(16, 'x'));
  window->close();
  window.reset();
  EXPECT_NE(Listing(), ZipListing(std::string(TARNO_SAMPLES_DIR) + "/" + kSampleArchive, dir.File("l2")));
}

TEST_F(ArchiveTest, WithUpdateUncheckedTheArchiveIsNotTouched) {
  Extract(ArchivePath());
  const std::string bytes = tarno::test::ReadFile(ArchivePath());
  struct stat before {};
  ::stat(ArchivePath().c_str(), &before);
  tarno::test::WriteFile(ExtractFolder() + "TSIDList", std::string(16, 'x'));
  SetChecked("chkSaveArchive", false);
  Click("btnExit");
  window.reset();
  struct stat after {};
  ::stat(ArchivePath().c_str(), &after);
  EXPECT_TRUE(tarno::test::ReadFile(ArchivePath()) == bytes);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(ArchiveTest, CancellingKeepsTheActiveArchive) {
  Extract(ArchivePath());
  const QStringList log = window->LogLines();
  tarno::test::WriteFile(ExtractFolder() + "TSIDList", std::string(16, 'x'));
  Click("btnExtract");  // cancelled
  EXPECT_EQ(window->LogLines(), log);
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_TRUE(Shown("chkSaveArchive"));
  window.reset();
  EXPECT_EQ(Lines(Listing()).size(), 12u);
  EXPECT_NE(Listing().find("TSIDList bb28180f 16"), std::string::npos) << Listing();
}

TEST_F(ArchiveTest, CancellingWithNoArchiveActiveSaysSo) {
  Click("btnExtract");  // cancelled
  EXPECT_EQ(LastLog(), "No archived television file opened");
  EXPECT_EQ(Text("txtExtractedFile"), "No active archive");
  EXPECT_FALSE(Shown("chkSaveArchive"));
}

TEST_F(ArchiveTest, AFileThatIsNoArchiveLeavesNoneActive) {
  tarno::test::WriteFile(dir.File("notes.scm"), "just some text\n");
  Extract(dir.File("notes.scm"));
  EXPECT_EQ(LastLog(), "No archived television file opened");
  EXPECT_EQ(Text("txtExtractedFile"), "No active archive");
  EXPECT_FALSE(Shown("chkSaveArchive"));
  EXPECT_TRUE(dialogs->errors.empty());
}

TEST_F(ArchiveTest, ExtractingClosesTheLoadedFile) {
  Extract(ArchivePath());
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  Extract(ArchivePath());
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_EQ(Text("txtLoadedFile"), "No file loaded");
  EXPECT_FALSE(Shown("btnSave"));
}

TEST_F(ArchiveTest, AHostileArchiveWritesNothingOutsideTheExtractionFolder) {
  const std::string hostile = dir.File("hostile.scm");
  const std::string absolute = dir.File("absolute.txt");
  const std::string script =
      "import zipfile,sys\n"
      "z=zipfile.ZipFile(sys.argv[1],'w')\n"
      "z.writestr('../escaped.txt','up one')\n"
      "z.writestr('sub/../../escaped2.txt','up two')\n"
      "z.writestr(zipfile.ZipInfo(sys.argv[2]),'absolute')\n"
      "z.writestr(zipfile.ZipInfo('folder/'),'')\n"
      "z.writestr('plain.txt','fine')\n"
      "z.close()\n";
  tarno::test::WriteFile(dir.File("make.py"), script);
  ASSERT_EQ(Shell("python3 " + dir.File("make.py") + " " + tarno::test::ShellQuote(hostile) + " " +
                  tarno::test::ShellQuote(absolute)),
            0);
  const auto entriesBefore = std::distance(std::filesystem::directory_iterator(dir.Path()), {});
  Extract(hostile);

  EXPECT_FALSE(std::filesystem::exists(dir.File("escaped.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("escaped2.txt")));
  EXPECT_FALSE(std::filesystem::exists(absolute));
  EXPECT_FALSE(std::filesystem::exists(dir.Path().parent_path() / "escaped.txt"));
  // Only the extraction folder is new beside the program.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), entriesBefore + 1);
  EXPECT_FALSE(std::filesystem::exists(ExtractFolder() + "folder"));
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ExtractFolder()))
    EXPECT_EQ(entry.path().parent_path().string() + "/", ExtractFolder()) << entry.path();
}

// An archive of another family than the default settings read is read with the
// preset that fits it, as long as it is active; the user's settings file stays.
class PresetTest : public ArchiveTest {
 protected:
  void SetUp() override {
    std::filesystem::copy(tarno::test::SourcePath("data/layouts"), dir.File("layouts"));
    ArchiveTest::SetUp();
  }
  std::string Sample(const char* name) {
    const std::string copy = dir.File(name);
    std::filesystem::copy_file(std::string(TARNO_SAMPLES_DIR) + "/" + name, copy);
    return copy;
  }
  int SettingsLines() const {
    return static_cast<int>(window->LogLines().filter(QStringLiteral("Settings: ")).size());
  }
};

TEST_F(PresetTest, ADSeriesArchiveIsReadWithItsPreset) {
  const std::string settings = tarno::test::ReadFile(dir.File("TarnoChannelEdit.ini"));
  Extract(Sample("channel_list_UE46D8000_1101.scm"));
  EXPECT_EQ(LastLog(), "Settings: layouts/TarnoChannelEdit-1101.ini (fits this archive)");
  EXPECT_EQ(window->IniFileName(), Folder() + "layouts/TarnoChannelEdit-1101.ini");
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  EXPECT_EQ(LastLog(), "Data loaded");

  // Another archive goes back to the default settings.
  Extract(ArchivePath());
  EXPECT_EQ(window->IniFileName(), Folder() + "TarnoChannelEdit.ini");
  EXPECT_EQ(SettingsLines(), 1);
  EXPECT_EQ(tarno::test::ReadFile(dir.File("TarnoChannelEdit.ini")), settings);
}

// A satellite map of 172-byte records is no whole number of the default's
// 168-byte records: without the preset this is the size error at load.
TEST_F(PresetTest, ARecordSizeTheDefaultCannotReadPicksThePresetThatCan) {
  const std::string work = dir.File("work");
  std::filesystem::create_directories(work);
  ASSERT_TRUE(tarno::test::ExtractSample("channel_list_UE46D8000_1101.scm", work));
  tarno::test::WriteFile(work + "/map-SateD", std::string(172 * 6, '\0'));
  ASSERT_EQ(Shell("cd " + tarno::test::ShellQuote(work) + " && zip -qq ../d.scm *"), 0);
  Extract(dir.File("d.scm"));
  EXPECT_EQ(LastLog(), "Settings: layouts/TarnoChannelEdit-1101.ini (fits this archive)");
  Load(ExtractFolder() + "map-SateD");
  EXPECT_EQ(dialogs->errors, std::vector<std::string>{});
  EXPECT_NE(window->Grid(), nullptr);
}

// An entry no settings read (the bouquets of a provider list) leaves the
// preset fit; it is named, and its bytes stay as they are.
TEST_F(PresetTest, AnEntryNoSettingsReadIsNamed) {
  int archives = 0;
  for (const std::string& name : tarno::test::SampleArchives()) {
    std::vector<std::string> unread;
    for (const ArchiveEntry& entry : ArchiveEntries(std::string(TARNO_SAMPLES_DIR) + "/" + name))
      if (tarno::test::NoSettingsRead(entry.name)) unread.push_back(entry.name);
    if (unread.empty()) continue;
    SCOPED_TRACE(name);
    Extract(Sample(name.c_str()));
    const QStringList log = window->LogLines();
    for (const std::string& entry : unread)
      EXPECT_TRUE(log.contains(QString::fromStdString("No layout for " + entry + ": its bytes are kept")));
    ++archives;
  }
  if (archives == 0) GTEST_SKIP() << "no shared archive has an entry no settings read";
}

TEST_F(PresetTest, AnArchiveTheDefaultReadsKeepsTheDefault) {
  Extract(ArchivePath());
  EXPECT_EQ(SettingsLines(), 0);
  EXPECT_EQ(window->IniFileName(), Folder() + "TarnoChannelEdit.ini");
}

}  // namespace
}  // namespace tarno::window::test
