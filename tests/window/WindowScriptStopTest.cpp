// A script call that runs longer than a second opens "Script running"; its
// "Stop script" button or Escape stops the call, which then ends through the
// normal error path. Covered: Initialize at start and on reload, a Delay, a
// conversion of Load and one of Save. The stop times are recorded.
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <optional>

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

  ScriptRunningPoller(StopWith how, QWidget* repainted) : how_(how), repainted_(repainted) {
    if (repainted_) repainted_->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(kPollMilliseconds);
  }
  ~ScriptRunningPoller() override {
    if (repainted_) repainted_->removeEventFilter(this);
  }

  std::optional<Clock::time_point> seenAt, stoppedAt, closedAt;
  QString title, buttonText;
  bool modal = false;
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && seenAt) ++paints;
    return QObject::eventFilter(watched, event);
  }

 private:
  static QDialog* RunningDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == "ScriptRunningDialog" && widget->isVisible()) return static_cast<QDialog*>(widget);
    return nullptr;
  }

  void Poll() {
    QDialog* dialog = RunningDialog();
    if (!dialog || stoppedAt) return;
    if (!seenAt) {
      seenAt = Clock::now();
      title = dialog->windowTitle();
      modal = dialog->isModal();
      if (auto* button = dialog->findChild<QPushButton*>("btnStopScript")) buttonText = button->text();
      connect(dialog, &QObject::destroyed, this, [this] { closedAt = Clock::now(); });
      if (repainted_) repainted_->update();
      return;
    }
    if (repainted_ && paints == 0 && ++waitedPolls_ < kPaintWaitPolls) return;
    stoppedAt = Clock::now();
    if (how_ == StopWith::Button) {
      dialog->findChild<QPushButton*>("btnStopScript")->click();
    } else {
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QCoreApplication::sendEvent(dialog, &escape);
    }
  }

  StopWith how_;
  QWidget* repainted_;
  QTimer timer_;
  int waitedPolls_ = 0;
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

}  // namespace
}  // namespace tarno::window::test
