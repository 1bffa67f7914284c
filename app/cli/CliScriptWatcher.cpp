#include "CliScriptWatcher.h"

#include <atomic>
#include <charconv>
#include <cmath>

#include "CliArguments.h"

namespace tarno::cli {
namespace {

// The handler only sets this flag: nothing else is safe in a signal handler.
std::atomic<bool> stopSignal{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnStopSignal(int) { stopSignal.store(true, std::memory_order_relaxed); }

std::optional<std::chrono::duration<double>> ParseTimeout(const std::string& text) {
  if (text.empty()) return std::nullopt;
  double seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(seconds) || seconds <= 0)
    throw UsageError(std::string(kScriptTimeoutOption) + " needs a positive number of seconds, not '" + text + "'");
  return std::chrono::duration<double>(seconds);
}

void Catch(int signal, struct sigaction& previous) {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // reads and writes in progress go on
  sigaction(signal, &action, &previous);
}

}  // namespace

CliScriptWatcher::CliScriptWatcher(const std::string& timeoutText)
    : timeoutText_(timeoutText), timeout_(ParseTimeout(timeoutText)) {
  Catch(SIGINT, previousInterrupt_);
  Catch(SIGTERM, previousTerminate_);
}

CliScriptWatcher::~CliScriptWatcher() {
  sigaction(SIGINT, &previousInterrupt_, nullptr);
  sigaction(SIGTERM, &previousTerminate_, nullptr);
}

std::optional<std::string> CliScriptWatcher::Watch(std::chrono::milliseconds running) {
  if (StopSignalReceived()) {
    stopReason_ = kScriptStoppedByUser;
  } else if (timeout_ && running > *timeout_) {
    stopReason_ = "Script stopped: it ran longer than " + timeoutText_ + " s";
  } else {
    return std::nullopt;
  }
  return stopReason_;
}

std::optional<std::string> CliScriptWatcher::StandingStop() const {
  if (!Stopped()) return std::nullopt;
  return StopReason();
}

bool CliScriptWatcher::Stopped() const { return !stopReason_.empty() || StopSignalReceived(); }

bool StopSignalReceived() { return stopSignal.load(std::memory_order_relaxed); }

}  // namespace tarno::cli
