// A script call that runs longer than a second opens "Script running"; its
// "Stop script" button or Escape stops the call, which then ends through the
// normal error path. Covered: Initialize at start (under the shown window) and
// on reload, a Delay, a conversion of Load, one of Save, a renumbering of many
// calls, Finalize at exit, and the script's own modal windows, whose waiting
// time is not counted while a handler that loops in them is stopped. The stop
// times are recorded.
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "ScriptRunningDialog.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kPollMilliseconds = 10;
constexpr int kPaintWaitPolls = 200;  // at most this many looks for a repaint before stopping anyway

// Looks for the "Script running" window while a script runs (its timer fires
// in the events the window lets run) and stops the script, with the button
// or with Escape, once it has seen a widget of the main window repaint.
class ScriptRunningPoller : public QObject {
 public:
  enum class StopWith { Button, Escape };

  // repainted: the widget whose repaint is awaited; nullptr for any widget of
  // the main window (which a start under a looping script has not returned yet).
  ScriptRunningPoller(StopWith how, QWidget* repainted, bool awaitRepaint = true)
      : how_(how), repainted_(repainted), awaitRepaint_(awaitRepaint) {
    qApp->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(kPollMilliseconds);
  }
  ~ScriptRunningPoller() override { qApp->removeEventFilter(this); }

  std::optional<Clock::time_point> seenAt, stoppedAt, closedAt;
  QString title, buttonText;
  bool modal = false;
  bool mainWindowShown = false;
  int paints = 0;
  int appearances = 0;  // how often the window came up

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && seenAt && Repainted(watched)) ++paints;
    return QObject::eventFilter(watched, event);
  }

 private:
  static QDialog* RunningDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == "ScriptRunningDialog" && widget->isVisible()) return static_cast<QDialog*>(widget);
    return nullptr;
  }
  static TfrmTarnoChannelEdit* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<TfrmTarnoChannelEdit*>(widget)) return window;
    return nullptr;
  }
  bool Repainted(QObject* watched) const {
    if (repainted_) return watched == repainted_;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && qobject_cast<TfrmTarnoChannelEdit*>(widget->window());
  }

  void Poll() {
    QDialog* dialog = RunningDialog();
    if (dialog && dialog != lastSeen_) {
      lastSeen_ = dialog;
      ++appearances;
      if (stoppedAt) return Stop(dialog);  // a window after the stop: stopped at once, and counted
    }
    if (!dialog || stoppedAt) return;
    if (!seenAt) {
      seenAt = Clock::now();
      title = dialog->windowTitle();
      modal = dialog->isModal();
      if (auto* button = dialog->findChild<QPushButton*>("btnStopScript")) buttonText = button->text();
      connect(dialog, &QObject::destroyed, this, [this] { closedAt = Clock::now(); });
      TfrmTarnoChannelEdit* window = MainWindow();
      mainWindowShown = window && window->isVisible();
      if (repainted_) repainted_->update();
      else if (window) window->update();
      return;
    }
    if (awaitRepaint_ && paints == 0 && ++waitedPolls_ < kPaintWaitPolls) return;
    stoppedAt = Clock::now();
    Stop(dialog);
  }

  void Stop(QDialog* dialog) {
    if (how_ == StopWith::Button) {
      dialog->findChild<QPushButton*>("btnStopScript")->click();
    } else {
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QCoreApplication::sendEvent(dialog, &escape);
    }
  }

  StopWith how_;
  QWidget* repainted_;
  bool awaitRepaint_;
  QTimer timer_;
  int waitedPolls_ = 0;
  QPointer<QDialog> lastSeen_;
};

const char* const kLoopingInitialize = "function Initialize(var V: Variant): Boolean; begin while True do ; end;\r\n";
const char* const kWaitingInitialize =
    "function Initialize(var V: Variant): Boolean; begin Delay(600000000); Result := True; end;\r\n";
const char* const kLoopingLoad =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\r\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin while True do ; end;\r\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin while True do ; end;\r\n";
const char* const kWaitingSave =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\r\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\r\n"
    "function FillNameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\r\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, '0'); Result := True; end;\r\n"
    "function NameBE_TextToData(var V: Variant): Boolean; begin Delay(600000000); Result := True; end;\r\n"
    "function Signed_TextToData(var V: Variant): Boolean; begin Delay(600000000); Result := True; end;\r\n";

class ScriptStopTest : public WindowFixture {
 protected:
  bool Logged(const std::string& line) const { return window->LogLines().contains(QString::fromStdString(line)); }

  // The dialog was seen, stopped and gone; records the time from the stop to its end.
  void ExpectStopped(const ScriptRunningPoller& poller, Clock::time_point started) {
    ASSERT_TRUE(poller.seenAt) << "no \"Script running\" window";
    EXPECT_GE(*poller.seenAt - started, kScriptRunningWindowDelay);
    EXPECT_EQ(poller.title, "Script running");
    EXPECT_EQ(poller.buttonText, "Stop script");
    EXPECT_TRUE(poller.modal);
    ASSERT_TRUE(poller.stoppedAt);
    ASSERT_TRUE(poller.closedAt) << "the window outlived the stopped call";
    const auto stopToEnd = std::chrono::duration_cast<milliseconds>(*poller.closedAt - *poller.stoppedAt);
    RecordProperty("stop_to_end_ms", static_cast<int>(stopToEnd.count()));
    std::cout << "stop to end of the call: " << stopToEnd.count() << " ms\n";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
};

TEST_F(ScriptStopTest, ALoopingInitializeAtStartIsStoppedByTheButtonAndAReloadWorksAfterwards) {
  WriteScript(kLoopingInitialize);
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr);
  const auto started = Clock::now();
  Start();
  ExpectStopped(poller, started);
  EXPECT_TRUE(poller.mainWindowShown) << "the script ran before the window appeared";
  EXPECT_GT(poller.paints, 0) << "the main window did not repaint while the script ran";
  EXPECT_TRUE(Logged("Error in execution of function Initialize -> Script stopped by the user"))
      << window->LogLines().join('\n').toStdString();
  EXPECT_FALSE(window->HasScript());

  WriteScript(kSoundScript);
  Click("btnReloadScript");
  EXPECT_EQ(LastLog(), "Script loaded without errors");
  EXPECT_TRUE(window->HasScript());
}

TEST_F(ScriptStopTest, EscapeStopsAWaitingReloadWhileTheMainWindowRepaints) {
  WriteScript(kSoundScript);
  Start();
  WriteScript(kWaitingInitialize);
  auto* log = Control<QPlainTextEdit>("mmoInfo");
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Escape, log->viewport());
  const auto started = Clock::now();
  Click("btnReloadScript");
  ExpectStopped(poller, started);
  EXPECT_GT(poller.paints, 0) << "the main window did not repaint while the script ran";
  EXPECT_EQ(LastLog(), "Error in execution of function Initialize -> Script stopped by the user");
  EXPECT_FALSE(window->HasScript());
}

TEST_F(ScriptStopTest, AStoppedConversionEndsTheLoadWithNothingLoaded) {
  WriteScript(kLoopingLoad);
  ExtractSampleFiles();
  Start();
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr);
  const auto started = Clock::now();
  Load(ExtractFolder() + "map-CableD");
  ExpectStopped(poller, started);
  EXPECT_EQ(LastLog(), "Script error: Error in execution of function NameBE_DataToText -> Script stopped by the user");
  EXPECT_EQ(window->DataObject(), nullptr);
  EXPECT_EQ(window->Grid(), nullptr);
  EXPECT_EQ(window->windowTitle(), "  No file loaded");
}

TEST_F(ScriptStopTest, AStoppedSaveLeavesTheOldFileWhole) {
  WriteScript(kWaitingSave);
  ExtractSampleFiles();
  Start();
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string before = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  window->Grid()->Cells().SetText(NameColumn(), 1, "Edited One");
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr);
  const auto started = Clock::now();
  Click("btnSave");
  ExpectStopped(poller, started);
  EXPECT_EQ(LastLog(), "Error in data");
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == before);
  EXPECT_TRUE(window->HasUnsavedEdits());
}


const char* const kLoopingRenumber =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\r\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\r\n"
    "function FillNameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\r\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, '0'); Result := True; end;\r\n"
    "function Signed_TextToData(var V: Variant): Boolean; begin while True do ; end;\r\n";
const char* const kLoopingFinalize =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\r\n"
    "function Finalize(var V: Variant): Boolean; begin while True do ; end;\r\n";

// A renumbering converts every row: the first stop ends all of it, so the
// window comes up once and the command ends at once.
TEST_F(ScriptStopTest, OneStopEndsARenumberingOfEveryRow) {
  WriteScript(kLoopingRenumber);
  ExtractSampleFiles();
  Start();
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  const std::string before = tarno::test::ReadFile(ExtractFolder() + "map-CableD");
  window->Grid()->Cells().SetCol(4);  // Fav1, a script conversion
  const auto column = [this] {
    std::vector<std::string> texts;
    for (int row = 1; row < window->Grid()->Cells().RowCount(); ++row) texts.emplace_back(window->Grid()->Cells().Text(4, row));
    return texts;
  };
  const std::vector<std::string> shownBefore = column();
  ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Escape, nullptr);
  const auto started = Clock::now();
  Click("btnOrderedRenumber");
  const auto ended = Clock::now();
  ExpectStopped(poller, started);
  EXPECT_EQ(poller.appearances, 1);
  const auto stopToCommandEnd = std::chrono::duration_cast<milliseconds>(ended - *poller.stoppedAt);
  std::cout << "stop to end of the renumbering: " << stopToCommandEnd.count() << " ms\n";
  EXPECT_LT(stopToCommandEnd, milliseconds(500));
  EXPECT_FALSE(window->Grid()->Cells().Edited(4, 1));
  EXPECT_EQ(column(), shownBefore);  // no cell went blank
  // Nothing reached the records: an unedited save keeps the file.
  Click("btnSave");
  EXPECT_TRUE(tarno::test::ReadFile(ExtractFolder() + "map-CableD") == before);
}

TEST_F(ScriptStopTest, AFinalizeThatLoopsAtExitIsStoppedAndTheWindowGoes) {
  WriteScript(kLoopingFinalize);
  Start();
  ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr, false);
  Click("btnExit");
  const auto started = Clock::now();
  window.reset();
  ExpectStopped(poller, started);
}

// Initialize shows a form of its own and works on for less than the delay
// after it; the button's handler Spin loops for ever.
const char* const kOwnForm =
    "var F: TForm; B: TButton;\r\n"
    "procedure Spin(Sender: TObject); begin while True do ; end;\r\n"
    "function Initialize(var V: Variant): Boolean;\r\n"
    "var T: LongInt;\r\n"
    "begin\r\n"
    "  F := TForm.CreateNew(nil); F.Caption := 'Own form';\r\n"
    "  B := TButton.Create(F); B.Parent := F; B.Caption := 'Go';\r\n"
    "  if BUTTON_SPINS then B.OnClick := @Spin else B.ModalResult := mrOk;\r\n"
    "  F.ShowModal; F.Free;\r\n"
    "  T := GetTickCount; while GetTickCount - T < 400 do ;\r\n"
    "  Result := True;\r\n"
    "end;\r\n";

std::string OwnFormScript(bool buttonSpins) {
  std::string text = kOwnForm;
  text.replace(text.find("BUTTON_SPINS"), 12, buttonSpins ? "True" : "False");
  return text;
}

// Clicks the button of the script's form once it has been open for a while.
class OwnFormUser : public QObject {
 public:
  explicit OwnFormUser(milliseconds openFor) : openFor_(openFor) {
    connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
    timer_.start(kPollMilliseconds);
  }
  std::optional<Clock::time_point> clickedAt;

 private:
  void Look() {
    QWidget* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->windowTitle() == "Own form" && widget->isVisible()) form = widget;
    if (!form || clickedAt) return;
    if (!shownAt_) shownAt_ = Clock::now();
    if (Clock::now() - *shownAt_ < openFor_) return;
    clickedAt = Clock::now();
    timer_.stop();
    form->findChild<QPushButton*>()->click();
  }

  milliseconds openFor_;
  std::optional<Clock::time_point> shownAt_;
  QTimer timer_;
};

constexpr milliseconds kUserReads{1600};  // longer than the delay of "Script running"

TEST_F(ScriptStopTest, TheScriptsOwnModalFormIsNoRunningTime) {
  WriteScript(OwnFormScript(false));
  const OwnFormUser user(kUserReads);
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr);
  Start();
  EXPECT_TRUE(user.clickedAt);
  EXPECT_FALSE(poller.seenAt) << "\"Script running\" came up over the script's own form";
  EXPECT_EQ(LastLog(), "Script loaded without errors");
}

TEST_F(ScriptStopTest, AHandlerThatLoopsInTheScriptsOwnFormIsTimedFromTheClickAndStopped) {
  WriteScript(OwnFormScript(true));
  const OwnFormUser user(kUserReads);
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr, false);
  Start();
  ASSERT_TRUE(user.clickedAt);
  ExpectStopped(poller, *user.clickedAt);
  EXPECT_EQ(LastLog(), "Error in execution of function Initialize -> Script stopped by the user");
  EXPECT_FALSE(window->HasScript());
  for (QWidget* widget : QApplication::topLevelWidgets())
    EXPECT_FALSE(widget->windowTitle() == "Own form" && widget->isVisible());
}

// A user who takes long to answer the script's message box.
class SlowToAnswer : public ScriptedDialogs {
 public:
  int MessageBox(const std::string& text, const std::string& caption, int mode) override {
    QTest::qWait(static_cast<int>(kUserReads.count()));
    return ScriptedDialogs::MessageBox(text, caption, mode);
  }
};

// After the box, the script runs on for less than the delay: no window, though
// the whole call took longer.
const char* const kAskThenWork =
    "function Initialize(var V: Variant): Boolean;\r\n"
    "var T: LongInt;\r\n"
    "begin\r\n"
    "  MessageBox('Go on?', 'Script', 4);\r\n"
    "  T := GetTickCount; while GetTickCount - T < 600 do ;\r\n"
    "  Result := True;\r\n"
    "end;\r\n";

TEST_F(ScriptStopTest, TheTimeInTheScriptsMessageBoxIsNoRunningTime) {
  dialogs = std::make_shared<SlowToAnswer>();
  WriteScript(kAskThenWork);
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr);
  const auto started = Clock::now();
  Start();
  EXPECT_GE(Clock::now() - started, kUserReads);
  EXPECT_EQ(dialogs->boxes.size(), 1u);
  EXPECT_FALSE(poller.seenAt);
  EXPECT_EQ(LastLog(), "Script loaded without errors");
}

// A form the script leaves open after Initialize: its timer's handler loops
// between the window's commands.
const char* const kLoopingTimerOfAnOpenForm =
    "var F: TForm; T: TTimer;\r\n"
    "procedure Spin(Sender: TObject); begin T.Enabled := False; while True do ; end;\r\n"
    "function Initialize(var V: Variant): Boolean;\r\n"
    "begin\r\n"
    "  F := TForm.CreateNew(nil); F.Caption := 'Open form';\r\n"
    "  T := TTimer.Create(F); T.Interval := 100; T.OnTimer := @Spin; T.Enabled := True;\r\n"
    "  F.Show; Result := True;\r\n"
    "end;\r\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\r\n"
    "function FillNameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\r\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, '0'); Result := True; end;\r\n";

constexpr milliseconds kHandlerStopLimit{10000};

TEST_F(ScriptStopTest, AHandlerThatLoopsBetweenCommandsIsStoppedAndTheNextCommandRunsTheScript) {
  WriteScript(kLoopingTimerOfAnOpenForm);
  ExtractSampleFiles();
  Start();
  ASSERT_EQ(LastLog(), "Script loaded without errors");
  const ScriptRunningPoller poller(ScriptRunningPoller::StopWith::Button, nullptr, false);
  const auto started = Clock::now();
  while (!poller.closedAt && Clock::now() - started < kHandlerStopLimit) QTest::qWait(kPollMilliseconds);
  ExpectStopped(poller, started);
  EXPECT_EQ(LastLog(), "Error in execution of event OnTimer -> Script stopped by the user");
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  EXPECT_EQ(LastLog(), "Data loaded");
}

}  // namespace
}  // namespace tarno::window::test
