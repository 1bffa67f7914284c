#include "HostMemory.h"

#include <cstdio>
#include <iterator>
#include <string>

#include <pscript/errors.h>

namespace tarno {

namespace {

[[noreturn]] void Fail(const std::string& text) { throw pscript::ScriptError(pscript::ErrorKind::Exception, text); }

std::string Hex(uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.8X", value);
  return buffer;
}

uint32_t RoundUp(uint32_t value) { return (value + 15u) & ~15u; }

}  // namespace

int32_t HostMemory::Allocate(int32_t size) {
  if (size < 0) Fail("GetMem with negative size " + std::to_string(size));
  if (size == 0) return 0;
  if (liveBytes_ + static_cast<size_t>(size) > byteBudget_) throw pscript::ScriptError(pscript::ErrorKind::OutOfMemory, "");
  const uint32_t start = FindFreeRange(static_cast<uint32_t>(size));
  blocks_.emplace(start, std::vector<uint8_t>(static_cast<size_t>(size), 0));
  liveBytes_ += static_cast<size_t>(size);
  return static_cast<int32_t>(start);
}

// Bump allocation; once the handle space is used up, the first gap between
// live blocks that is wide enough.
uint32_t HostMemory::FindFreeRange(uint32_t size) {
  const uint64_t needed = static_cast<uint64_t>(size) + kGap;
  if (static_cast<uint64_t>(next_) + needed <= lastAddress_) {
    const uint32_t start = next_;
    next_ = RoundUp(static_cast<uint32_t>(start + needed));
    return start;
  }
  uint64_t candidate = kFirstAddress;
  for (const auto& [start, bytes] : blocks_) {
    if (candidate + needed <= start) return static_cast<uint32_t>(candidate);
    candidate = RoundUp(static_cast<uint32_t>(start + bytes.size() + kGap));
  }
  if (candidate + needed <= lastAddress_) return static_cast<uint32_t>(candidate);
  throw pscript::ScriptError(pscript::ErrorKind::OutOfMemory, "");
}

void HostMemory::Release(int32_t handle) {
  if (handle == 0) return;
  const auto found = blocks_.find(static_cast<uint32_t>(handle));
  if (found == blocks_.end()) Fail("FreeMem of an invalid block $" + Hex(static_cast<uint32_t>(handle)));
  liveBytes_ -= found->second.size();
  blocks_.erase(found);
}

// The block that holds address, or end().
template <class BlockMap>
auto HostMemory::Containing(BlockMap& blocks, uint32_t address) -> decltype(blocks.end()) {
  auto after = blocks.upper_bound(address);
  if (after == blocks.begin()) return blocks.end();
  const auto block = std::prev(after);
  return address - block->first < block->second.size() ? block : blocks.end();
}

void HostMemory::Write(int32_t address, uint8_t value) {
  const auto block = Containing(blocks_, static_cast<uint32_t>(address));
  if (block == blocks_.end()) Fail("WriteMem outside any memory block at $" + Hex(static_cast<uint32_t>(address)));
  block->second[static_cast<uint32_t>(address) - block->first] = value;
}

uint8_t HostMemory::Read(int32_t address) const {
  const auto block = Containing(blocks_, static_cast<uint32_t>(address));
  if (block == blocks_.end()) Fail("ReadMem outside any memory block at $" + Hex(static_cast<uint32_t>(address)));
  return block->second[static_cast<uint32_t>(address) - block->first];
}

}  // namespace tarno
