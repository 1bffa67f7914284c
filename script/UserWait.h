// A script that shows its own modal window (a form shown modally, a message
// box, an input query) waits for the user: that is no running time of the
// script, and whatever shows that a script runs gets out of the way. An event
// handler of such a window, started by the user, runs on a clock of its own.
// The modal windows say when they wait and when a handler runs; one listener
// (the script host that watches its calls) hears it.
#pragma once

#include <chrono>

namespace tarno {

// How often a modal window of a script looks whether the script is to stop.
constexpr std::chrono::milliseconds kUserWaitStopPollInterval{50};

class UserWaitListener {
 public:
  virtual ~UserWaitListener() = default;
  // Nested in any order: the innermost began last. A listener installed
  // while a scope was open hears its end alone and must take it in its stride.
  virtual void UserWaitBegins() = 0;
  virtual void UserWaitEnds() = 0;
  virtual void HandlerBegins() = 0;
  virtual void HandlerEnds() = 0;
};

// nullptr uninstalls. Unregister(listener) uninstalls only that listener.
void SetUserWaitListener(UserWaitListener* listener);
void UnregisterUserWaitListener(const UserWaitListener* listener);

// For as long as it lives, the script waits for the user.
class ScopedUserWait {
 public:
  ScopedUserWait();
  ~ScopedUserWait();
  ScopedUserWait(const ScopedUserWait&) = delete;
  ScopedUserWait& operator=(const ScopedUserWait&) = delete;
};

// For as long as it lives, an event handler of the script runs.
class ScopedEventHandler {
 public:
  ScopedEventHandler();
  ~ScopedEventHandler();
  ScopedEventHandler(const ScopedEventHandler&) = delete;
  ScopedEventHandler& operator=(const ScopedEventHandler&) = delete;
};

}  // namespace tarno
