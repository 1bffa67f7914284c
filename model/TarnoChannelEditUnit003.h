// Number text helpers: fixed-width digit texts in four bases and the built-in
// conversion of one field element to and from its display text.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarno {

// Base indices; kNoBase means "no number base" (text or unknown types).
enum BaseIndex : int { kBinary = 0, kOctal = 1, kDecimal = 2, kHex = 3, kNoBase = 4 };
constexpr int kBaseCount = 4;
constexpr int kMaxElementSize = 4;

extern const std::array<uint32_t, kBaseCount> BaseRadix;
extern const std::array<char, kBaseCount> BasePrefix;
// BaseWidths[b][n]: digits needed for any n-byte value (index 0 unused).
extern const std::array<std::array<int, kMaxElementSize + 1>, kBaseCount> BaseWidths;
extern const char DigitChars[17];

// Number of powers of the radix below 2^32: 32, 11, 10 and 8.
int BasePowerCount(int base);
// Base index of a prefix character ('%', '@', '#', '$'), kNoBase for any other.
int PrefixBase(unsigned char c);

std::string IntToBaseText(uint32_t value, int base, int byteCount);
uint32_t BaseTextToInt(std::string_view text, int base);
uint32_t BaseTextToInt(std::u16string_view text, int base);
uint32_t NextNumber(std::string& text, int& base);
uint32_t NextNumber(std::u16string& text, int& base);

using ElementBytes = std::array<uint8_t, kMaxElementSize>;

// Appends the display text of one element; false when the type cannot show it.
bool ValueToText(const ElementBytes& bytes, int elementSize, char typeChar, std::u16string& text);
// Takes one element's value off the text; false when it does not fit or no text is left.
bool TextToValue(ElementBytes& bytes, int elementSize, char& typeChar, std::u16string& text);
// The same on a view of the text, which only moves its ends: a field's take-back.
bool TextToValue(ElementBytes& bytes, int elementSize, char& typeChar, std::u16string_view& text);

}  // namespace tarno
