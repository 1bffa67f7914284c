// The tag of a grid data cell: its record index in the upper 16 bits and its
// layout entry index in the lower 16 bits.
#pragma once

#include <cstdint>

namespace tarno {

inline int32_t CellTag(int recordIndex, int entryIndex) {
  return static_cast<int32_t>(static_cast<uint32_t>(recordIndex) << 16 | static_cast<uint32_t>(entryIndex));
}
inline int TagEntry(int32_t tag) { return static_cast<int>(static_cast<uint32_t>(tag) & 0xFFFF); }
inline int TagRecord(int32_t tag) { return static_cast<int>(static_cast<uint32_t>(tag) >> 16); }

}  // namespace tarno
