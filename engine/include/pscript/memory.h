// The memory that scripts hold, counted as a whole: strings, arrays and
// records, objects of imported classes and what host objects keep for them.
// Beyond the engine's limit a script stops with "Out Of Memory" long before
// the process could grow to gigabytes, however it spreads its data.
#pragma once

#include <algorithm>
#include <cstddef>

namespace pscript {

// Bytes held now by every script of the process.
size_t scriptMemoryInUse() noexcept;
// The limit scriptMemoryInUse stays within.
size_t scriptMemoryLimit() noexcept;
// Lowers the limit for a host that runs scripts in less room (a test, a
// fuzzer); it never rises above the engine's own.
void setScriptMemoryLimit(size_t bytes) noexcept;

// What one holder (a string, an array, a host object's buffer) has charged.
// Host objects that keep script data (string lists, streams) own one and set
// it whenever their data grows or shrinks.
class MemoryCharge {
 public:
  MemoryCharge() = default;
  MemoryCharge(const MemoryCharge&) noexcept {}  // a copy charges for itself
  MemoryCharge& operator=(const MemoryCharge&) noexcept { return *this; }
  ~MemoryCharge() { release(); }

  // Charges bytes in place of the previous figure. Growing beyond the limit
  // throws ScriptError(OutOfMemory) and keeps the previous figure, so call it
  // before the allocation it stands for.
  void set(size_t bytes);
  void release() noexcept;
  size_t bytes() const noexcept { return bytes_; }

 private:
  size_t bytes_ = 0;
};

// Makes room for length characters in text, growing it as a string grows (to
// at least twice its room), after charging overhead plus that room to charge.
template <class Str>
void reserveCharged(MemoryCharge& charge, Str& text, size_t length, size_t overhead = 0) {
  if (length <= text.capacity()) return;
  const size_t unit = sizeof(typename Str::value_type);
  charge.set(overhead + unit * std::max(length, 2 * text.capacity()));
  text.reserve(length);
  charge.set(overhead + unit * text.capacity());
}

}  // namespace pscript
