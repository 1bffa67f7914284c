// "Save changes to 'NAME'?" before Load, "Select and extract", "Reload script",
// Exit and the close box give up unsaved edits: asked only when there are
// edits; Yes saves as "Save" does (a failed save ends the command), No goes on,
// Cancel ends the command with nothing changed. Over the real cable map.
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "QtWindowDialogs.h"
#include "RunProgram.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class UnsavedEditsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    StartWithArchiveCopy();
    dialogs->Answer(ArchivePath());
    Click("btnExtract");
    ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  }
  std::string CableFile() const { return tarno::test::ReadFile(ExtractFolder() + "map-CableD"); }
  void EditName() { window->Grid()->Cells().SetText(NameColumn(), 1, "Edited One"); }
  size_t FileDialogs() const { return dialogs->openRequests.size() + dialogs->saveRequests.size(); }
  bool Logged(const std::string& line) const { return window->LogLines().contains(QString::fromStdString(line)); }
};

TEST_F(UnsavedEditsTest, NothingIsAskedWithoutEdits) {
  EXPECT_FALSE(window->HasUnsavedEdits());
  Load(ExtractFolder() + "map-CableD");
  Click("btnReloadScript");
  Click("btnLoad");    // cancelled
  Click("btnExtract");  // cancelled
  EXPECT_FALSE(window->HasUnsavedEdits());
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dialogs->saveQuestions.empty());
}

// What counts as an edit: anything that changes the grid's content or the
// records, done by typing, a button, the grid itself or an import.
TEST_F(UnsavedEditsTest, EveryCommandThatChangesTheGridOrTheRecordsLeavesUnsavedEdits) {
  const auto cells = [this]() -> grid::CellStore& { return window->Grid()->Cells(); };
  const std::vector<std::pair<const char*, std::function<void()>>> edits = {
      {"typing", [&] {
         cells().SetCol(NameColumn());
         cells().SetRow(2);
         QTest::keyClicks(window->Grid(), "Typed");
       }},
      {"Sort rows", [&] {
         cells().SetCol(NameColumn());
         Click("btnReorder");
       }},
      {"Clear row", [&] { Click("btnClearRow"); }},
      {"Move row", [&] {
         cells().SetRow(5);
         Click("btnSetMoveRow");
         cells().SetRow(9);
         Click("btnMoveRow");
       }},
      {"a row dragged", [&] { cells().MoveRow(3, 1); }},
      {"Import", [&] {
         dialogs->Answer(dir.File("dump.txt"));
         Click("btnExport");
         dialogs->Answer(dir.File("dump.txt"));
         Click("btnImport");
       }},
  };
  for (const auto& [name, edit] : edits) {
    SCOPED_TRACE(name);
    Load(ExtractFolder() + "map-CableD");
    ASSERT_FALSE(window->HasUnsavedEdits());
    edit();
    EXPECT_TRUE(window->HasUnsavedEdits());
  }
  Click("btnSave");
  EXPECT_FALSE(window->HasUnsavedEdits());
  EditName();
  dialogs->Answer(dir.File("copy"));
  Click("btnSaveAs");
  EXPECT_FALSE(window->HasUnsavedEdits());
  // Widths and the current cell are no content.
  window->Grid()->Cells().SetColWidth(2, 300);
  window->Grid()->Cells().SetRow(7);
  EXPECT_FALSE(window->HasUnsavedEdits());
  // Every Load after an edit asked (and was answered No).
  EXPECT_EQ(dialogs->saveQuestions.size(), edits.size() - 1);
}

TEST_F(UnsavedEditsTest, CancelEndsEachCommandWithNothingChanged) {
  EditName();
  dialogs->saveChangesAnswer = SaveChangesAnswer::Cancel;
  const TDataObject* data = window->DataObject();
  const std::string stored = CableFile();
  const QStringList log = window->LogLines();
  const size_t fileDialogs = FileDialogs();
  dialogs->Answer(ExtractFolder() + "map-CableD");
  Click("btnLoad");
  dialogs->Answer(ArchivePath());
  Click("btnExtract");
  Click("btnReloadScript");
  EXPECT_FALSE(window->close());

  // The file dialogs come first (cancelling one changes nothing), then the question.
  EXPECT_EQ(dialogs->saveQuestions, std::vector<std::string>(4, "map-CableD"));
  EXPECT_EQ(FileDialogs(), fileDialogs + 2);
  EXPECT_EQ(window->LogLines(), log);
  EXPECT_EQ(window->DataObject(), data);
  EXPECT_EQ(CellText(NameColumn(), 1), "Edited One");
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(Shown("btnSave"));
  EXPECT_EQ(Text("txtExtractedFile"), "Archive 'list.scm' active");
  EXPECT_TRUE(CableFile() == stored);
}

TEST_F(UnsavedEditsTest, NoGivesTheEditsUp) {
  const std::string stored = CableFile();
  EditName();
  Load(ExtractFolder() + "map-CableD");
  EXPECT_EQ(dialogs->saveQuestions.size(), 1u);
  EXPECT_NE(CellText(NameColumn(), 1), "Edited One");
  EXPECT_TRUE(CableFile() == stored);

  EditName();
  Click("btnReloadScript");
  EXPECT_EQ(LastLog(), "Data loaded");  // the file as it is, through the new script
  EXPECT_NE(CellText(NameColumn(), 1), "Edited One");
  EXPECT_FALSE(window->HasUnsavedEdits());
  EXPECT_TRUE(window->close());
  EXPECT_EQ(dialogs->saveQuestions.size(), 2u);
  EXPECT_TRUE(CableFile() == stored);
}

TEST_F(UnsavedEditsTest, YesSavesFirstAndTheLoadGoesOn) {
  EditName();
  dialogs->saveChangesAnswer = SaveChangesAnswer::Yes;
  Load(ExtractFolder() + "map-CableD");
  const QStringList log = window->LogLines();
  ASSERT_GE(log.size(), 3);
  EXPECT_EQ(log[log.size() - 3].toStdString(), "Data saved as " + ExtractFolder() + "map-CableD");
  EXPECT_EQ(log[log.size() - 2], "Loading map-CableD");
  EXPECT_EQ(CellText(NameColumn(), 1), "Edited One");
  EXPECT_FALSE(window->HasUnsavedEdits());
}

TEST_F(UnsavedEditsTest, YesWithASaveThatFailsEndsTheCommand) {
  dialogs->saveChangesAnswer = SaveChangesAnswer::Yes;
  window->Grid()->Cells().SetText(1, 1, "not a number");
  const size_t fileDialogs = FileDialogs();
  dialogs->Answer(ExtractFolder() + "map-CableD");
  Click("btnLoad");
  EXPECT_EQ(LastLog(), "Error in data");
  EXPECT_EQ(FileDialogs(), fileDialogs + 1);
  EXPECT_EQ(CellText(1, 1), "not a number");

  // A save that raises an error shows it and keeps the window open.
  window->Grid()->Cells().SetText(1, 1, "2");  // channel 2 twice: the check asks first
  dialogs->choices.push_back("Save anyway");
  std::filesystem::remove_all(ExtractFolder());
  EXPECT_FALSE(window->close());
  EXPECT_EQ(dialogs->errors.size(), 1u);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(UnsavedEditsTest, ExitWithYesSavesAndTheArchiveGetsTheEdit) {
  EditName();
  dialogs->saveChangesAnswer = SaveChangesAnswer::Yes;
  Click("btnExit");
  EXPECT_FALSE(window->isVisible());
  const std::string saved = CableFile();
  window.reset();  // shutdown updates the archive
  tarno::test::TempDir again;
  ASSERT_TRUE(std::system(("unzip -qq -o " + tarno::test::ShellQuote(ArchivePath()) + " -d " +
                           tarno::test::ShellQuote(again.Path().string()) + " >/dev/null 2>&1")
                              .c_str()) == 0);
  EXPECT_TRUE(tarno::test::ReadFile(again.File("map-CableD")) == saved);
  EXPECT_NE(saved.find(std::string("\0E\0d\0i\0t\0e\0d\0 \0O\0n\0e", 20)), std::string::npos);
}

// The caption's leading "*" follows the edits: typing sets it with no command
// around it, a save and an undo back to the saved state take it away.
TEST_F(UnsavedEditsTest, TheCaptionMarksUnsavedEdits) {
  const QString caption = window->windowTitle();
  ASSERT_FALSE(caption.startsWith(QLatin1Char('*')));
  window->Grid()->Cells().SetCol(NameColumn());
  window->Grid()->Cells().SetRow(2);
  QTest::keyClicks(window->Grid(), "Typed");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("*") + caption);
  Click("btnSave");
  EXPECT_EQ(window->windowTitle(), caption);
  Click("btnClearRow");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("*") + caption);
  QTest::keyClick(window->Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window->windowTitle(), caption);
}

// The question as Qt shows it: its text, its three buttons, Escape for Cancel.
TEST(SaveChangesQuestion, QtAsksWithYesNoAndCancel) {
  QtWindowDialogs dialogs;
  QString text;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    buttons = box->standardButtons();
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_EQ(dialogs.AskSaveChanges({"map-CableD"}), SaveChangesAnswer::Cancel);
  EXPECT_EQ(text, "Save changes to 'map-CableD'?");
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}


// Every way of giving the edits up, with every answer: Yes saves (and the
// edit survives what the command does next), No goes on without saving,
// Cancel leaves everything as it was.
enum class GivingUp { Load, SelectAndExtract, ReloadScript, Exit, CloseBox };

struct QuestionCase {
  GivingUp path;
  SaveChangesAnswer answer;
};
const char* PathName(GivingUp path);
const char* AnswerName(SaveChangesAnswer answer);
void PrintTo(const QuestionCase& question, std::ostream* out) {
  *out << PathName(question.path) << " " << AnswerName(question.answer);
}

const char* PathName(GivingUp path) {
  switch (path) {
    case GivingUp::Load: return "Load";
    case GivingUp::SelectAndExtract: return "SelectAndExtract";
    case GivingUp::ReloadScript: return "ReloadScript";
    case GivingUp::Exit: return "Exit";
    case GivingUp::CloseBox: return "CloseBox";
  }
  return "";
}
const char* AnswerName(SaveChangesAnswer answer) {
  switch (answer) {
    case SaveChangesAnswer::Yes: return "Yes";
    case SaveChangesAnswer::No: return "No";
    case SaveChangesAnswer::Cancel: return "Cancel";
  }
  return "";
}

class EveryPathAndAnswer : public UnsavedEditsTest, public ::testing::WithParamInterface<QuestionCase> {
 protected:
  void Act(GivingUp path) {
    switch (path) {
      case GivingUp::Load: Load(ExtractFolder() + "map-CableD"); break;
      case GivingUp::SelectAndExtract:
        dialogs->Answer(ArchivePath());
        Click("btnExtract");
        break;
      case GivingUp::ReloadScript: Click("btnReloadScript"); break;
      case GivingUp::Exit: Click("btnExit"); break;
      case GivingUp::CloseBox: window->windowHandle()->close(); break;
    }
  }
  bool Closes(GivingUp path) const { return path == GivingUp::Exit || path == GivingUp::CloseBox; }
  // The edited name in the archive, as a new extraction would find it.
  bool ArchiveHasTheEdit() {
    tarno::test::TempDir again;
    EXPECT_EQ(std::system(("unzip -qq -o " + tarno::test::ShellQuote(ArchivePath()) + " -d " +
                           tarno::test::ShellQuote(again.Path().string()) + " >/dev/null 2>&1")
                              .c_str()),
              0);
    return HasTheEdit(tarno::test::ReadFile(again.File("map-CableD")));
  }
  static bool HasTheEdit(const std::string& file) {
    return file.find(std::string("\0E\0d\0i\0t\0e\0d\0 \0O\0n\0e", 20)) != std::string::npos;
  }
};

TEST_P(EveryPathAndAnswer, DoesWhatTheAnswerSays) {
  const auto [path, answer] = GetParam();
  const std::string stored = CableFile();
  EditName();
  dialogs->saveChangesAnswer = answer;
  const QStringList log = window->LogLines();
  Act(path);
  EXPECT_EQ(dialogs->saveQuestions, std::vector<std::string>{"map-CableD"});
  const QStringList said = window->LogLines().mid(log.size());
  switch (answer) {
    case SaveChangesAnswer::Cancel:
      EXPECT_TRUE(said.isEmpty()) << said.join('\n').toStdString();
      EXPECT_TRUE(window->isVisible());
      EXPECT_EQ(CellText(NameColumn(), 1), "Edited One");
      EXPECT_TRUE(window->HasUnsavedEdits());
      EXPECT_TRUE(CableFile() == stored);
      return;
    case SaveChangesAnswer::Yes:
      ASSERT_FALSE(said.isEmpty());
      EXPECT_EQ(said.front().toStdString(), "Data saved as " + ExtractFolder() + "map-CableD");
      break;
    case SaveChangesAnswer::No:
      EXPECT_FALSE(said.contains(QString::fromStdString("Data saved as " + ExtractFolder() + "map-CableD")));
      break;
  }
  const bool saved = answer == SaveChangesAnswer::Yes;
  EXPECT_EQ(window->isVisible(), !Closes(path));
  switch (path) {
    case GivingUp::Load:
      EXPECT_EQ(said.back(), "Data loaded");
      EXPECT_EQ(CellText(NameColumn(), 1) == "Edited One", saved);
      break;
    case GivingUp::SelectAndExtract:
      EXPECT_TRUE(said.back().startsWith("File 'list.scm' extracted to ")) << said.back().toStdString();
      // What was saved went into the archive before the extraction overwrote the file.
      EXPECT_EQ(HasTheEdit(CableFile()), saved);
      break;
    case GivingUp::ReloadScript:
      // After No the file is shown again through the new script.
      EXPECT_EQ(said.back(), saved ? "Script loaded without errors" : "Data loaded");
      EXPECT_EQ(HasTheEdit(CableFile()), saved);
      EXPECT_EQ(CellText(NameColumn(), 1) == "Edited One", saved);
      break;
    case GivingUp::Exit:
    case GivingUp::CloseBox:
      EXPECT_EQ(HasTheEdit(CableFile()), saved);
      window.reset();  // shutdown updates the archive
      EXPECT_EQ(ArchiveHasTheEdit(), saved);
      break;
  }
}

std::vector<QuestionCase> EveryCase() {
  std::vector<QuestionCase> cases;
  for (const GivingUp path : {GivingUp::Load, GivingUp::SelectAndExtract, GivingUp::ReloadScript, GivingUp::Exit,
                              GivingUp::CloseBox})
    for (const SaveChangesAnswer answer : {SaveChangesAnswer::Yes, SaveChangesAnswer::No, SaveChangesAnswer::Cancel})
      cases.push_back({path, answer});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(SaveChanges, EveryPathAndAnswer, ::testing::ValuesIn(EveryCase()),
                         [](const ::testing::TestParamInfo<QuestionCase>& param) {
                           return std::string(PathName(param.param.path)) + AnswerName(param.param.answer);
                         });

}  // namespace
}  // namespace tarno::window::test
