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
};

}  // namespace tarno
