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
// look at the call until it ends.
class ScriptRunningWatcher : public ScriptWatcher {
 public:
  explicit ScriptRunningWatcher(QWidget* parent) : parent_(parent) {}
  ~ScriptRunningWatcher() override;

  std::optional<std::string> Watch(std::chrono::milliseconds running) override;
  void CallEnded() override;
  // The user has just answered one of the script's own message boxes: the
  // time spent reading it is no running time.
  void UserAnswered() { answeredAt_ = std::chrono::steady_clock::now(); }

 private:
  void Show();
  void Close();

  QWidget* parent_;
  QPointer<ScriptRunningDialog> dialog_;
  std::optional<std::chrono::steady_clock::time_point> answeredAt_;
};

}  // namespace tarno::window
