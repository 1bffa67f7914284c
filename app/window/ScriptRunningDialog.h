// "Script running": the small modal window that appears while one script call
// runs longer than a second. "Stop script", Escape or its close box stop the
// call; meanwhile the other windows keep repainting, their input blocked.
#pragma once

#include <QDialog>
#include <QPointer>
#include <chrono>
#include <optional>

#include "ScriptWatcher.h"

class QLabel;

namespace tarno::window {

// How long a script call runs before the window appears.
constexpr std::chrono::milliseconds kScriptRunningWindowDelay{1000};

class ScriptRunningDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ScriptRunningDialog(QWidget* parent);
  bool StopRequested() const { return stopRequested_; }
  void ShowRunningTime(std::chrono::milliseconds running);

 private:
  QLabel* text_ = nullptr;
  bool stopRequested_ = false;
};

// Watches the script calls of the main window: shows the dialog once a call
// has run for kScriptRunningWindowDelay and lets the events run on every
// look at the call until it ends. While the script waits in a modal window of
// its own the dialog keeps away. A stop holds until the command ends, so that
// a command of many calls (a renumbering) ends with the first.
class ScriptRunningWatcher : public ScriptWatcher {
 public:
  explicit ScriptRunningWatcher(QWidget* parent) : parent_(parent) {}
  ~ScriptRunningWatcher() override;

  std::optional<std::string> Watch(std::chrono::milliseconds running) override;
  void CallEnded() override;
  void WaitingForUser() override;
  std::optional<std::string> StandingStop() const override { return standingStop_; }
  // A command begins or ends: the script runs again, whatever was stopped before.
  void ForgetStop() { standingStop_.reset(); }

 private:
  void Show();
  void Close();

  QWidget* parent_;
  QPointer<ScriptRunningDialog> dialog_;
  std::optional<std::string> standingStop_;
};

}  // namespace tarno::window
