// Watching a script call that runs long: the host shows that a script runs,
// keeps its own window alive meanwhile and may stop the call.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tarno {

// How often a running script call is shown to its watcher.
constexpr std::chrono::milliseconds kScriptWatchInterval{50};

// The error text of a script call the user stopped.
inline const char* const kScriptStoppedByUser = "Script stopped by the user";

class ScriptWatcher {
 public:
  virtual ~ScriptWatcher() = default;
  // Called on the script's thread about every kScriptWatchInterval while a
  // script call runs (also while it waits in Delay), with how long it has run.
  // A reason stops the call: it ends with that text as its error message.
  virtual std::optional<std::string> Watch(std::chrono::milliseconds running) = 0;
  // The call that Watch saw has ended, however it ended.
  virtual void CallEnded() {}
  // The script waits for the user in a modal window of its own: it is not
  // running, whatever Watch showed goes. Watch sees no running time until the
  // script runs again.
  virtual void WaitingForUser() {}
  // A stop that holds beyond the call it ended: every further call fails at
  // once with this reason, so that a command of many calls ends at the first.
  virtual std::optional<std::string> StandingStop() const { return std::nullopt; }
};

}  // namespace tarno
