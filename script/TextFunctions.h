// String and number-text functions offered to scripts: Pos, Copy, Delete,
// IntToHexStr, ValInt and ValExt. Strings are 8-bit; positions are 1-based.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarno {

int32_t PosOf(std::string_view substring, std::string_view text);
std::string CopyOf(std::string_view text, int32_t index, int32_t count);
void DeleteFrom(std::string& text, int32_t index, int32_t count);
// Upper-case hexadecimal digits of the 32-bit pattern, no prefix: -1 gives FFFFFFFF.
std::string IntToHexText(int32_t value);

// Code 0 on success, otherwise the 1-based position of the first character
// that cannot be used (one past the end when the text stops too early).
struct ValIntResult {
  int32_t value = 0;
  int32_t code = 0;
};
// Spaces, an optional sign, then decimal digits within the signed 32-bit range
// or hexadecimal digits after "$", "x", "X", "0x" or "0X" (at most 8
// significant digits, taken as the 32-bit pattern).
ValIntResult ValIntOf(std::string_view text);

struct ValExtResult {
  double value = 0;
  int32_t code = 0;
};
// Spaces, sign, digits, a full stop and digits, an exponent; the decimal
// separator is always the full stop.
ValExtResult ValExtOf(std::string_view text);

}  // namespace tarno
