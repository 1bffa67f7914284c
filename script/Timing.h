// The clocks behind GetTickCount and Delay: both read the monotonic clock.
#pragma once

#include <cstdint>

namespace tarno {

// Milliseconds of the monotonic clock (about the time since boot), wrapping
// as a signed 32-bit value.
int32_t TickCount();

// What one Delay did; for tests.
struct DelayTrace {
  int64_t sleptMilliseconds = 0;
  int64_t pollPasses = 0;
};

// Waits delayUs microseconds: whole milliseconds asleep, the rest below one
// millisecond by polling the clock and yielding on every pass. With no rest
// the clock is still read once. Zero or less returns at once.
DelayTrace Delay(int32_t delayUs);

}  // namespace tarno
