// The tabs above the grid: the active archive's lists in words, read when
// first chosen, each keeping its grid, edits and history while others are
// shown; Save saves the list on show; the save question names every list with
// unsaved edits and Yes saves them all. Over a copy of a real archive.
#include <QTabBar>
#include <QTest>

#include <cstdlib>

#include "ChannelDocument.h"
#include "DatabaseTestSupport.h"
#include "EditHistory.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class ListTabsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    StartWithArchiveCopy();
    dialogs->Answer(ArchivePath());
    Click("btnExtract");
  }
  QTabBar* Tabs() const { return Control<QTabBar>("tabLists"); }
  QStringList TabTexts() const {
    QStringList texts;
    for (int tab = 0; tab < Tabs()->count(); ++tab) texts << Tabs()->tabText(tab);
    return texts;
  }
  int TabOf(const QString& text) const {
    const int tab = static_cast<int>(TabTexts().indexOf(text));
    EXPECT_GE(tab, 0) << text.toStdString();
    return tab;
  }
  // As the user does it: a click on the tab, the current one too.
  void ChooseTab(const QString& text) {
    const int tab = TabOf(text);
    QTest::mouseClick(Tabs(), Qt::LeftButton, Qt::NoModifier, Tabs()->tabRect(tab).center());
  }
  void EditName(int row, const std::string& name) {
    auto& cells = window->Grid()->Cells();
    cells.SetCol(NameColumn());
    cells.SetRow(row);
    QTest::keyClicks(window->Grid(), QString::fromStdString(name));
    QTest::keyClick(window->Grid(), Qt::Key_Return);
  }
  std::string Extracted(const std::string& name) const { return tarno::test::ReadFile(ExtractFolder() + name); }
};

TEST_F(ListTabsTest, TheArchivesListsComeFirstInWordsThenItsOtherFiles) {
  const QStringList texts = TabTexts();
  ASSERT_GE(texts.size(), 3);
  EXPECT_EQ(texts[0], "Cable digital");
  EXPECT_EQ(texts[1], "Air analog");
  EXPECT_TRUE(texts.contains("CloneInfo"));
  EXPECT_TRUE(texts.contains("SatDataBase.dat"));
  EXPECT_EQ(Tabs()->tabToolTip(0), "map-CableD");
  EXPECT_TRUE(Shown("tabLists"));
  // Nothing is read before a tab is chosen.
  EXPECT_EQ(window->Grid(), nullptr);

  ChooseTab("Cable digital");  // the current tab
  ASSERT_NE(window->Grid(), nullptr);
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
  EXPECT_EQ(Text("txtLoadedFile"), "File 'map-CableD' loaded");
  EXPECT_TRUE(dialogs->errors.empty());
}

TEST_F(ListTabsTest, EachListKeepsItsEditsAndHistoryWhileAnotherIsShown) {
  ChooseTab("Cable digital");
  const std::string original = CellText(NameColumn(), 2);
  EditName(2, "Cable Edit");
  ChooseTab("Air analog");
  EXPECT_EQ(window->LoadedFileName(), "map-AirA");
  EXPECT_EQ(TabTexts()[0], "Cable digital *");
  EXPECT_EQ(TabTexts()[1], "Air analog");

  QTest::keyClick(window->Grid(), Qt::Key_PageUp, Qt::ControlModifier);  // back to the cable list
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
  EXPECT_EQ(CellText(NameColumn(), 2), "Cable Edit");
  EXPECT_GT(window->Document()->History().UndoCount(), 0u);
  QTest::keyClick(window->Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CellText(NameColumn(), 2), original);
  EXPECT_EQ(TabTexts()[0], "Cable digital");
  EXPECT_FALSE(window->HasUnsavedEdits());
}

TEST_F(ListTabsTest, SaveSavesTheListOnShowOnly) {
  ChooseTab("Cable digital");
  EditName(2, "Cable Edit");
  ChooseTab("Air analog");
  EditName(3, "ARD");
  const std::string cable = Extracted("map-CableD");
  Click("btnSave");
  EXPECT_EQ(Extracted("map-CableD"), cable);
  EXPECT_NE(Extracted("map-AirA").find(std::string("\0A\0R\0D", 6)), std::string::npos);
  EXPECT_EQ(TabTexts()[0], "Cable digital *");
  EXPECT_EQ(TabTexts()[1], "Air analog");
}

// One question names every list; Yes saves them all and the command goes on,
// Cancel leaves every list and its edits as they were.
TEST_F(ListTabsTest, TheSaveQuestionNamesEveryEditedListAndYesSavesThemAll) {
  ChooseTab("Cable digital");
  EditName(2, "Cable Edit");
  ChooseTab("Air analog");
  EditName(3, "ARD");
  const std::string cable = Extracted("map-CableD");

  dialogs->saveChangesAnswer = SaveChangesAnswer::Cancel;
  dialogs->Answer(ExtractFolder() + "map-CableD");
  Click("btnLoad");
  ASSERT_EQ(dialogs->saveQuestions.size(), 1u);
  EXPECT_EQ(dialogs->saveQuestions.back(), "map-CableD', 'map-AirA");
  EXPECT_EQ(window->LoadedFileName(), "map-AirA");
  EXPECT_EQ(Extracted("map-CableD"), cable);

  dialogs->saveChangesAnswer = SaveChangesAnswer::Yes;
  dialogs->Answer(ExtractFolder() + "map-CableD");
  Click("btnLoad");
  EXPECT_NE(Extracted("map-CableD"), cable);
  EXPECT_NE(Extracted("map-AirA").find(std::string("\0A\0R\0D", 6)), std::string::npos);
  // The load went on: the cable list alone is open, as saved.
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
  EXPECT_EQ(CellText(NameColumn(), 2), "Cable Edit");
  EXPECT_FALSE(window->HasUnsavedEdits());
}

// Files an earlier archive left in the extraction folder get no tab; a list
// loaded from elsewhere gets its own after the archive's.
TEST_F(ListTabsTest, TheTabsListTheActiveArchiveOnlyAndListsFromElsewhere) {
  tarno::test::WriteFile(ExtractFolder() + "map-SateD", std::string(168, '\0'));
  dialogs->Answer(ArchivePath());
  Click("btnExtract");
  EXPECT_FALSE(TabTexts().contains("Satellite"));

  ChooseTab("Cable digital");
  std::filesystem::copy_file(ExtractFolder() + "map-CableD", dir.File("map-CableD"));
  Load(dir.File("map-CableD"));
  EXPECT_EQ(window->LoadedFilePath(), dir.File("map-CableD"));
  EXPECT_EQ(TabTexts().back(), "map-CableD");
  EXPECT_EQ(Tabs()->currentIndex(), Tabs()->count() - 1);
  ChooseTab("Cable digital");  // the archive's own, read afresh
  EXPECT_EQ(window->LoadedFilePath(), ExtractFolder() + "map-CableD");
}

// A damaged file is refused; the list on show stays, and so does its tab.
TEST_F(ListTabsTest, AFileThatCannotBeReadLeavesTheListOnShow) {
  ChooseTab("Cable digital");
  EditName(2, "Cable Edit");
  tarno::test::WriteFile(ExtractFolder() + "map-AirA", "short");
  ChooseTab("Air analog");
  EXPECT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
  EXPECT_EQ(Text("txtLoadedFile"), "File 'map-CableD' loaded");
  EXPECT_EQ(Tabs()->currentIndex(), 0);
  EXPECT_EQ(CellText(NameColumn(), 2), "Cable Edit");
  EXPECT_TRUE(window->HasUnsavedEdits());
}

TEST_F(ListTabsTest, ANewArchiveClosesTheListsAndNamesItsOwn) {
  ChooseTab("Cable digital");
  ChooseTab("Air analog");
  dialogs->Answer(ArchivePath());
  Click("btnExtract");
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(TabTexts()[0], "Cable digital");
  EXPECT_EQ(TabTexts()[1], "Air analog");
}

}  // namespace
}  // namespace tarno::window::test

namespace tarno::window::test {
namespace {

// A newer set's .zip: opened from outside, its databases in tabs, a typed name
// written into the archive by "Write archive now", the other entries as they were.
class NewerSetTabsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    if (!tarno::test::HasZipSample(tarno::test::kJArchive)) GTEST_SKIP() << "no " << tarno::test::kJArchive;
    WriteDefaultScript();
    std::filesystem::copy_file(std::string(TARNO_ZIP_SAMPLES_DIR) + "/" + tarno::test::kJArchive, ZipPath());
    std::filesystem::permissions(ZipPath(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    Start();
  }
  std::string ZipPath() const { return dir.File("Channel_list_J_cable.zip"); }
};

TEST_F(NewerSetTabsTest, ItsDatabasesAreListsOfTheirOwnAndAnEditReachesTheArchive) {
  window->OpenArchiveOnStart(ZipPath());
  ASSERT_NE(window->Grid(), nullptr) << window->LogLines().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(window->LoadedFileName(), "dvbc");
  auto* tabs = Control<QTabBar>("tabLists");
  ASSERT_GE(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "Cable digital");
  EXPECT_EQ(tabs->tabText(1), "Analog");
  EXPECT_EQ(CellText(NameColumn(), 2), "ZDF HD");

  window->Grid()->Cells().SetText(NameColumn(), 2, "ZDF HD Ω");
  Click("btnSave");
  Click("btnWriteArchive");
  EXPECT_TRUE(dialogs->errors.empty());

  const tarno::test::TempDir unpacked;
  ASSERT_EQ(std::system(("unzip -qq '" + ZipPath() + "' -d '" + unpacked.Path().string() + "'").c_str()), 0);
  const tarno::test::SqlReader dvbc(unpacked.File("dvbc"));
  // "ZDF HD Ω" in UTF-16 big-endian units.
  EXPECT_EQ(dvbc.One("SELECT srvName FROM SRV WHERE major = 2"), "t:005A00440046002000480044002003A9");
  const tarno::test::TempDir original;
  ASSERT_EQ(std::system(("unzip -qq '" + std::string(TARNO_ZIP_SAMPLES_DIR) + "/" + tarno::test::kJArchive + "' -d '" +
                         original.Path().string() + "'")
                            .c_str()),
            0);
  for (const char* kept : {"dvb_analog", "sat", "metadata.xml"})
    EXPECT_EQ(tarno::test::ReadFile(unpacked.File(kept)), tarno::test::ReadFile(original.File(kept))) << kept;
}

}  // namespace
}  // namespace tarno::window::test
