// Memory blocks that a script obtains with GetMem. Scripts see 32-bit
// handles, never host addresses: every access is checked against the live
// blocks, so a faulty script gets a run-time error instead of corrupting the
// editor's memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace tarno {

class HostMemory {
 public:
  static constexpr size_t kDefaultByteBudget = 256u << 20;  // all live blocks of one script together
  static constexpr uint32_t kFirstAddress = 0x00010000;
  static constexpr uint32_t kLastAddress = 0x7FFFFFFF;  // handles stay positive

  explicit HostMemory(size_t byteBudget = kDefaultByteBudget, uint32_t lastAddress = kLastAddress)
      : byteBudget_(byteBudget), lastAddress_(lastAddress) {}

  // The handle of a new block of size bytes (filled with zeros), 0 for size 0.
  // Throws pscript::ScriptError for a negative size or when the budget is spent.
  int32_t Allocate(int32_t size);
  // Releases the block that starts at handle; 0 is ignored. Throws for
  // anything that is not the start of a live block.
  void Release(int32_t handle);
  void Write(int32_t address, uint8_t value);
  uint8_t Read(int32_t address) const;

  size_t LiveBlocks() const { return blocks_.size(); }
  size_t LiveBytes() const { return liveBytes_; }

 private:
  using Blocks = std::map<uint32_t, std::vector<uint8_t>>;  // by start address
  uint32_t FindFreeRange(uint32_t size);
  template <class BlockMap>
  static auto Containing(BlockMap& blocks, uint32_t address) -> decltype(blocks.end());

  static constexpr uint32_t kGap = 16;  // keeps off-by-one accesses out of neighbours

  size_t byteBudget_;
  uint32_t lastAddress_;
  Blocks blocks_;
  uint32_t next_ = kFirstAddress;
  size_t liveBytes_ = 0;
};

}  // namespace tarno
