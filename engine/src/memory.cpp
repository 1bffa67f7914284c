// The scripts' memory account: one figure for the process, so that a script
// on any thread, and the host objects working for it, share one limit.
#include <pscript/errors.h>
#include <pscript/memory.h>

#include <algorithm>
#include <atomic>

#include "engine_limits.h"

namespace pscript {
namespace {

std::atomic<size_t> gInUse{0};
std::atomic<size_t> gLimit{kMaxScriptMemory};

}  // namespace

size_t scriptMemoryInUse() noexcept { return gInUse.load(std::memory_order_relaxed); }
size_t scriptMemoryLimit() noexcept { return gLimit.load(std::memory_order_relaxed); }

void setScriptMemoryLimit(size_t bytes) noexcept {
  gLimit.store(std::min(bytes, kMaxScriptMemory), std::memory_order_relaxed);
}

void MemoryCharge::set(size_t bytes) {
  if (bytes <= bytes_) {
    gInUse.fetch_sub(bytes_ - bytes, std::memory_order_relaxed);
  } else {
    const size_t more = bytes - bytes_;
    const size_t limit = scriptMemoryLimit();
    if (more > limit || gInUse.fetch_add(more, std::memory_order_relaxed) + more > limit) {
      if (more <= limit) gInUse.fetch_sub(more, std::memory_order_relaxed);
      throw ScriptError(ErrorKind::OutOfMemory, "");
    }
  }
  bytes_ = bytes;
}

void MemoryCharge::release() noexcept {
  gInUse.fetch_sub(bytes_, std::memory_order_relaxed);
  bytes_ = 0;
}

}  // namespace pscript
