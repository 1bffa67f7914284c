// The clocks behind GetTickCount and Delay: both read the monotonic clock.
#pragma once

#include <cstdint>
#include <functional>

namespace tarno {

// Milliseconds of the monotonic clock (about the time since boot), wrapping
// as a signed 32-bit value.
int32_t TickCount();

// What one Delay did; for tests.
struct DelayTrace {
  int64_t sleptMilliseconds = 0;
  int64_t pollPasses = 0;
  bool stopped = false;  // stopRequested said so: the wait ended early
};

// How often a long Delay asks whether it is to stop.
constexpr int kDelayStopPollMilliseconds = 10;

// Waits delayUs microseconds: whole milliseconds asleep, the rest below one
// millisecond by polling the clock and yielding on every pass. With no rest
// the clock is still read once. Zero or less returns at once. The sleep is
// taken in slices, stopRequested (when given) asked after each; true ends the
// wait at once.
DelayTrace Delay(int32_t delayUs, const std::function<bool()>& stopRequested = {});

}  // namespace tarno
