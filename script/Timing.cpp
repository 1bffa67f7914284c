#include "Timing.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tarno {

int32_t TickCount() {
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

namespace {

// Sleeps until the deadline in slices; false when stopRequested ended it early.
bool SleepUntil(std::chrono::steady_clock::time_point deadline, const std::function<bool()>& stopRequested) {
  const auto slice = std::chrono::milliseconds(kDelayStopPollMilliseconds);
  for (auto now = std::chrono::steady_clock::now(); now < deadline; now = std::chrono::steady_clock::now()) {
    std::this_thread::sleep_until(stopRequested ? std::min(deadline, now + slice) : deadline);
    if (stopRequested && stopRequested()) return false;
  }
  return true;
}

}  // namespace

DelayTrace Delay(int32_t delayUs, const std::function<bool()>& stopRequested) {
  DelayTrace trace;
  if (delayUs <= 0) return trace;
  int32_t rest = delayUs;
  if (delayUs >= 1000) {
    trace.sleptMilliseconds = delayUs / 1000;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(trace.sleptMilliseconds);
    if (!SleepUntil(deadline, stopRequested)) {
      trace.stopped = true;
      return trace;
    }
    rest = delayUs % 1000;
  }
  const auto start = std::chrono::steady_clock::now();
  const auto target = std::chrono::microseconds(rest);
  do {
    std::this_thread::yield();
    ++trace.pollPasses;
  } while (std::chrono::steady_clock::now() - start < target);
  return trace;
}

}  // namespace tarno
