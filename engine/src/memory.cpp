// The scripts' memory account: one figure for the process, so that a script
// on any thread, and the host objects working for it, share one limit.
#include <pscript/errors.h>
#include <pscript/memory.h>

#include <atomic>

#include "engine_limits.h"

namespace pscript {
namespace {

std::atomic<size_t> gInUse{0};

}  // namespace

size_t scriptMemoryInUse() noexcept { return gInUse.load(std::memory_order_relaxed); }
size_t scriptMemoryLimit() noexcept { return kMaxScriptMemory; }

void MemoryCharge::set(size_t bytes) {
  if (bytes <= bytes_) {
    gInUse.fetch_sub(bytes_ - bytes, std::memory_order_relaxed);
  } else {
    const size_t more = bytes - bytes_;
    if (more > kMaxScriptMemory ||
        gInUse.fetch_add(more, std::memory_order_relaxed) + more > kMaxScriptMemory) {
      if (more <= kMaxScriptMemory) gInUse.fetch_sub(more, std::memory_order_relaxed);
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
