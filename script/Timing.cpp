#include "Timing.h"

#include <chrono>
#include <thread>

namespace tarno {

int32_t TickCount() {
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

DelayTrace Delay(int32_t delayUs) {
  DelayTrace trace;
  if (delayUs <= 0) return trace;
  int32_t rest = delayUs;
  if (delayUs >= 1000) {
    trace.sleptMilliseconds = delayUs / 1000;
    std::this_thread::sleep_for(std::chrono::milliseconds(trace.sleptMilliseconds));
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
