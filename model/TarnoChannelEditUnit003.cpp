#include "TarnoChannelEditUnit003.h"

#include "AnsiText.h"

namespace tarno {

const std::array<uint32_t, kBaseCount> BaseRadix = {2, 8, 10, 16};
const std::array<char, kBaseCount> BasePrefix = {'%', '@', '#', '$'};
const std::array<std::array<int, kMaxElementSize + 1>, kBaseCount> BaseWidths = {{
    {0, 8, 16, 24, 32},
    {0, 3, 6, 8, 11},
    {0, 3, 5, 8, 10},
    {0, 2, 4, 6, 8},
}};
const char DigitChars[17] = "0123456789ABCDEF";

namespace {

constexpr std::array<int, kBaseCount> kPowerCounts = {32, 11, 10, 8};

bool IsBlankOrControl(char32_t c) { return c <= ' '; }

bool IsAsciiAlnum(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

uint32_t DigitValue(char32_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return c - 'A' + 10;
}

// Reads digits from the right; a character that is no ASCII letter or digit ends
// the number. Weights beyond the power table keep growing in wrapping 32-bit
// arithmetic, so a long text never reaches outside the table.
template <class View>
uint32_t BaseTextToIntT(View text, int base) {
  if (base < 0 || base >= kBaseCount) return 0;
  uint32_t sum = 0;
  uint32_t weight = 1;
  for (size_t i = text.size(); i-- > 0;) {
    const char32_t c = static_cast<char32_t>(text[i]);
    if (!IsAsciiAlnum(c)) break;
    sum += DigitValue(c) * weight;
    weight *= BaseRadix[base];
  }
  return sum;
}

template <class Str>
void TrimBlanks(Str& text) {
  size_t first = 0;
  while (first < text.size() && IsBlankOrControl(static_cast<char32_t>(text[first]))) ++first;
  size_t last = text.size();
  while (last > first && IsBlankOrControl(static_cast<char32_t>(text[last - 1]))) --last;
  text = text.substr(first, last - first);
}

template <class Str>
uint32_t NextNumberT(Str& text, int& base) {
  TrimBlanks(text);
  if (!text.empty()) {
    const char32_t first = static_cast<char32_t>(text[0]);
    const int prefixBase = first < 256 ? PrefixBase(static_cast<unsigned char>(first)) : kNoBase;
    if (prefixBase != kNoBase) {
      base = prefixBase;
      text.erase(0, 1);
    }
  }
  const size_t blank = text.find(static_cast<typename Str::value_type>(' '));
  Str token;
  if (blank == Str::npos) {
    token.swap(text);
  } else {
    token = text.substr(0, blank);
    text.erase(0, blank + 1);
  }
  return BaseTextToIntT(std::basic_string_view<typename Str::value_type>(token), base);
}

uint32_t LittleEndianValue(const ElementBytes& b, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value * 256 + b[i];
  return value;
}

bool TextToText(const ElementBytes& bytes, int elementSize, std::u16string& text) {
  if (elementSize == 1) {
    if (bytes[0] != 0) text += AnsiToUnicode(bytes[0]);
    return true;
  }
  if (elementSize == 2) {
    const char16_t unit = static_cast<char16_t>(bytes[0] * 256 + bytes[1]);
    if (unit != 0) text += unit;
    return true;
  }
  return false;
}

bool ReversedToText(const ElementBytes& bytes, int elementSize, std::u16string& text) {
  if (elementSize != 1) return false;
  if (bytes[0] != 0) text.insert(text.begin(), AnsiToUnicode(bytes[0]));
  return true;
}

bool TextFromText(ElementBytes& bytes, int elementSize, std::u16string& text) {
  if (elementSize == 1) {
    bytes[0] = text.empty() ? 0 : UnicodeToAnsi(text.front());
    if (!text.empty()) text.erase(0, 1);
    return true;
  }
  if (elementSize == 2) {
    const char16_t unit = text.empty() ? 0 : text.front();
    if (!text.empty()) text.erase(0, 1);
    bytes[0] = static_cast<uint8_t>(unit >> 8);
    bytes[1] = static_cast<uint8_t>(unit & 0xFF);
    return true;
  }
  return false;
}

bool ReversedFromText(ElementBytes& bytes, int elementSize, std::u16string& text) {
  if (elementSize != 1) return false;
  bytes[0] = text.empty() ? 0 : UnicodeToAnsi(text.back());
  if (!text.empty()) text.pop_back();
  return true;
}

bool NumberFromText(ElementBytes& bytes, int elementSize, char& typeChar, std::u16string& text) {
  if (text.empty()) return false;
  int base = PrefixBase(static_cast<unsigned char>(typeChar));
  uint32_t value = NextNumber(text, base);
  // A prefix written before one number stays in force for the following elements.
  typeChar = base < kBaseCount ? BasePrefix[base] : '\0';
  for (int i = 0; i < elementSize; ++i) {
    bytes[i] = static_cast<uint8_t>(value & 0xFF);
    value >>= 8;
  }
  return value == 0;
}

}  // namespace

int BasePowerCount(int base) { return base >= 0 && base < kBaseCount ? kPowerCounts[base] : 0; }

int PrefixBase(unsigned char c) {
  switch (c) {
    case '%': return kBinary;
    case '@': return kOctal;
    case '#': return kDecimal;
    case '$': return kHex;
    default: return kNoBase;
  }
}

std::string IntToBaseText(uint32_t value, int base, int byteCount) {
  if (base < 0 || base >= kBaseCount || byteCount < 1 || byteCount > kMaxElementSize) return {};
  const int powers = kPowerCounts[base];
  std::string digits(powers, '0');
  for (int i = powers - 1; i >= 0; --i) {
    digits[i] = DigitChars[value % BaseRadix[base]];
    value /= BaseRadix[base];
  }
  if (byteCount == kMaxElementSize) return digits;
  return digits.substr(powers - BaseWidths[base][byteCount]);
}

uint32_t BaseTextToInt(std::string_view text, int base) { return BaseTextToIntT(text, base); }
uint32_t BaseTextToInt(std::u16string_view text, int base) { return BaseTextToIntT(text, base); }
uint32_t NextNumber(std::string& text, int& base) { return NextNumberT(text, base); }
uint32_t NextNumber(std::u16string& text, int& base) { return NextNumberT(text, base); }

bool ValueToText(const ElementBytes& bytes, int elementSize, char typeChar, std::u16string& text) {
  if (typeChar == '/') return TextToText(bytes, elementSize, text);
  if (typeChar == '\\') return ReversedToText(bytes, elementSize, text);
  if (elementSize < 1 || elementSize > kMaxElementSize) return false;
  const int base = PrefixBase(static_cast<unsigned char>(typeChar));
  for (char c : IntToBaseText(LittleEndianValue(bytes, elementSize), base, elementSize)) text += c;
  text += u' ';
  return true;
}

bool TextToValue(ElementBytes& bytes, int elementSize, char& typeChar, std::u16string& text) {
  if (typeChar == '/') return TextFromText(bytes, elementSize, text);
  if (typeChar == '\\') return ReversedFromText(bytes, elementSize, text);
  if (elementSize < 1 || elementSize > kMaxElementSize) return false;
  return NumberFromText(bytes, elementSize, typeChar, text);
}

}  // namespace tarno
