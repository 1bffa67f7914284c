// The hour-glass cursor for the length of a long command, restored on every
// way out; setting it lets pending events run once so the change shows.
#pragma once

#include <QApplication>
#include <QCursor>
#include <utility>

namespace tarno::window {

class WaitCursor {
 public:
  enum class PendingEvents { RunOnce, Wait };

  explicit WaitCursor(PendingEvents pending = PendingEvents::RunOnce) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (pending == PendingEvents::RunOnce) QCoreApplication::processEvents();
  }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs an action when the scope is left, however it is left.
template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Action action_;
};

}  // namespace tarno::window
