// Numbers in television files: little-endian words of one to four bytes, and
// the big-endian 16-bit units of their names.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarno::text {

// The unsigned value of size (1 to 4) bytes, lowest first.
constexpr uint32_t ReadLittleEndian(const unsigned char* bytes, size_t size) {
  uint32_t value = 0;
  for (size_t i = size; i-- > 0;) value = value << 8 | bytes[i];
  return value;
}
constexpr uint32_t ReadLittleEndian(const char* bytes, size_t size) {
  uint32_t value = 0;
  for (size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

// Writes the low size (1 to 4) bytes of value, lowest first.
template <typename Byte>
constexpr void WriteLittleEndian(Byte* bytes, uint32_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<Byte>(value >> (8 * i) & 0xFF);
}

constexpr uint16_t ReadBigEndian16(const unsigned char* bytes) {
  return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}
template <typename Byte>
constexpr void WriteBigEndian16(Byte* bytes, uint16_t value) {
  bytes[0] = static_cast<Byte>(value >> 8);
  bytes[1] = static_cast<Byte>(value & 0xFF);
}

}  // namespace tarno::text
