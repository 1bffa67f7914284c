// Stopping the script of a tarno-cli command: SIGINT or SIGTERM while it runs,
// and --script-timeout SECONDS for a call that runs longer. Time the script
// spends in a modal window of its own, waiting for the user, does not count;
// a signal stops it there too. Once stopped, every further call of the
// command fails at once.
#pragma once

#include <chrono>
#include <csignal>
#include <optional>
#include <string>

#include "ScriptWatcher.h"

namespace tarno::cli {

inline const char* const kScriptTimeoutOption = "--script-timeout";

class CliScriptWatcher : public ScriptWatcher {
 public:
  // timeoutText: the option's value as given, empty for no limit; a
  // UsageError when it is no positive number of seconds. Catches SIGINT and
  // SIGTERM until destroyed.
  explicit CliScriptWatcher(const std::string& timeoutText);
  ~CliScriptWatcher() override;
  CliScriptWatcher(const CliScriptWatcher&) = delete;
  CliScriptWatcher& operator=(const CliScriptWatcher&) = delete;

  std::optional<std::string> Watch(std::chrono::milliseconds running) override;
  std::optional<std::string> StandingStop() const override;
  // A call was stopped, or a signal asked for it.
  bool Stopped() const;
  // The reason of the stop; the user's when a signal came outside a call.
  std::string StopReason() const { return stopReason_.empty() ? kScriptStoppedByUser : stopReason_; }

 private:
  std::string timeoutText_;
  std::optional<std::chrono::duration<double>> timeout_;
  std::string stopReason_;
  struct sigaction previousInterrupt_ {};
  struct sigaction previousTerminate_ {};
};

// A stop signal came while a watcher was catching them.
bool StopSignalReceived();

}  // namespace tarno::cli
