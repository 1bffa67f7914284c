// An archive opened from outside the window (the command line, a drop) shows
// its first channel list at once; "Select and extract" starts in the last
// archive's folder, remembered in the program folder from one run to the next.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <cstdlib>
#include <filesystem>

#include "RunProgram.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class OpenArchiveTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    StartWithArchiveCopy();
  }
  // The sample archive without the entries named.
  std::string ArchiveWithout(const std::string& entries) {
    const std::string path = dir.File("fewer.scm");
    std::filesystem::copy_file(ArchivePath(), path);
    EXPECT_EQ(std::system(("zip -qd " + tarno::test::ShellQuote(path) + " " + entries + " >/dev/null 2>&1").c_str()), 0);
    return path;
  }
  // Sends a drag of these files over the window and, when it is taken, drops them.
  bool Drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    return true;
  }
  std::string InitialFolderOfTheArchiveDialog() {
    Click("btnExtract");  // cancelled
    return dialogs->openRequests.empty() ? std::string() : dialogs->openRequests.back().initialFolder;
  }
};

TEST_F(OpenArchiveTest, OpeningOnStartShowsTheFirstChannelListThere) {
  window->OpenArchiveOnStart(ArchivePath());
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
  EXPECT_NE(window->Grid(), nullptr);

  // Without the digital cable list the analogue air list is the first there.
  window->OpenArchiveOnStart(ArchiveWithout("map-CableD"));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'fewer.scm' active");
  EXPECT_EQ(window->LoadedFileName(), "map-AirA");
  EXPECT_TRUE(dialogs->errors.empty());
}

TEST_F(OpenArchiveTest, AnArchiveWithoutChannelListsLoadsNothing) {
  window->OpenArchiveOnStart(ArchiveWithout("map-CableD map-AirA"));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'fewer.scm' active");
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(Text("txtLoadedFile"), "No file loaded");
  EXPECT_TRUE(dialogs->errors.empty());
}

TEST_F(OpenArchiveTest, ADroppedArchiveIsOpenedLikeOneOnTheCommandLine) {
  tarno::test::WriteFile(dir.File("notes.txt"), "not an archive");
  EXPECT_FALSE(Drop({QUrl::fromLocalFile(QString::fromStdString(dir.File("notes.txt")))}));
  EXPECT_FALSE(Drop({QUrl(QStringLiteral("https://example.org/list.scm"))}));
  EXPECT_FALSE(Drop({QUrl::fromLocalFile(QString::fromStdString(ArchivePath())),
                     QUrl::fromLocalFile(QString::fromStdString(ArchivePath()))}));
  EXPECT_EQ(Text("txtExtractedFile"), "No active archive");

  EXPECT_TRUE(Drop({QUrl::fromLocalFile(QString::fromStdString(ArchivePath()))}));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_EQ(window->LoadedFileName(), "map-CableD");
}

TEST_F(OpenArchiveTest, TheArchiveDialogStartsInTheLastArchivesFolderInTheNextRunToo) {
  EXPECT_EQ(InitialFolderOfTheArchiveDialog(), Folder());
  const std::string stick = dir.File("stick") + "/";
  std::filesystem::create_directories(stick);
  std::filesystem::copy_file(ArchivePath(), stick + "tv.scm");
  dialogs->Answer(stick + "tv.scm");
  Click("btnExtract");
  EXPECT_EQ(InitialFolderOfTheArchiveDialog(), stick);

  window.reset();
  Start();
  EXPECT_EQ(InitialFolderOfTheArchiveDialog(), stick);
  EXPECT_TRUE(std::filesystem::exists(dir.File("TarnoChannelEdit-window.ini")));

  // The stick taken out: the dialog starts beside the program again.
  window.reset();
  std::filesystem::remove_all(stick);
  Start();
  EXPECT_EQ(InitialFolderOfTheArchiveDialog(), Folder());
}

}  // namespace
}  // namespace tarno::window::test
