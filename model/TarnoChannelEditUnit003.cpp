#include "TarnoChannelEditUnit003.h"

#include "AnsiText.h"
#include "ByteOrder.h"

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

// Taking characters off a text: a string is shortened, a view (the take-back
// of a field, element by element) only moves its ends, so a long text costs
// its length once rather than once per element.
template <class C>
void DropFront(std::basic_string<C>& text, size_t count) { text.erase(0, count); }
template <class C>
void DropFront(std::basic_string_view<C>& text, size_t count) { text.remove_prefix(count); }
template <class C>
void DropBack(std::basic_string<C>& text) { text.pop_back(); }
template <class C>
void DropBack(std::basic_string_view<C>& text) { text.remove_suffix(1); }

template <class Str>
uint32_t NextNumberT(Str& text, int& base) {
  using View = std::basic_string_view<typename Str::value_type>;
  size_t first = 0;
  while (first < text.size() && IsBlankOrControl(static_cast<char32_t>(text[first]))) ++first;
  while (text.size() > first && IsBlankOrControl(static_cast<char32_t>(text.back()))) DropBack(text);
  if (first < text.size()) {
    const char32_t lead = static_cast<char32_t>(text[first]);
    const int prefixBase = lead < 256 ? PrefixBase(static_cast<unsigned char>(lead)) : kNoBase;
    if (prefixBase != kNoBase) {
      base = prefixBase;
      ++first;
    }
  }
  const size_t blank = text.find(static_cast<typename Str::value_type>(' '), first);
  const size_t end = blank == Str::npos ? text.size() : blank;
  const uint32_t value = BaseTextToIntT(View(text).substr(first, end - first), base);
  DropFront(text, blank == Str::npos ? text.size() : blank + 1);
  return value;
}

// Writes the last `width` digits of value, most significant first, into out.
template <uint32_t Radix, class Str>
void AppendDigitsIn(uint32_t value, int width, Str& out) {
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(width));
  for (int i = width - 1; i >= 0; --i) {
    out[start + static_cast<size_t>(i)] = static_cast<typename Str::value_type>(DigitChars[value % Radix]);
    value /= Radix;
  }
}

// One instance per radix, so the divisions are by constants (every cell of a fill goes through here).
template <class Str>
void AppendDigits(uint32_t value, int base, int width, Str& out) {
  switch (base) {
    case kBinary: return AppendDigitsIn<2>(value, width, out);
    case kOctal: return AppendDigitsIn<8>(value, width, out);
    case kDecimal: return AppendDigitsIn<10>(value, width, out);
    default: return AppendDigitsIn<16>(value, width, out);
  }
}

int DigitCount(int base, int byteCount) { return BaseWidths[base][byteCount]; }

bool TextToText(const ElementBytes& bytes, int elementSize, std::u16string& text) {
  if (elementSize == 1) {
    if (bytes[0] != 0) text += AnsiToUnicode(bytes[0]);
    return true;
  }
  if (elementSize == 2) {
    const char16_t unit = text::ReadBigEndian16(bytes.data());
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

template <class Text>
bool TextFromText(ElementBytes& bytes, int elementSize, Text& text) {
  if (elementSize == 1) {
    bytes[0] = text.empty() ? 0 : UnicodeToAnsi(text.front());
    if (!text.empty()) DropFront(text, 1);
    return true;
  }
  if (elementSize == 2) {
    const char16_t unit = text.empty() ? 0 : text.front();
    if (!text.empty()) DropFront(text, 1);
    text::WriteBigEndian16(bytes.data(), unit);
    return true;
  }
  return false;
}

template <class Text>
bool ReversedFromText(ElementBytes& bytes, int elementSize, Text& text) {
  if (elementSize != 1) return false;
  bytes[0] = text.empty() ? 0 : UnicodeToAnsi(text.back());
  if (!text.empty()) DropBack(text);
  return true;
}

template <class Text>
bool NumberFromText(ElementBytes& bytes, int elementSize, char& typeChar, Text& text) {
  if (text.empty()) return false;
  int base = PrefixBase(static_cast<unsigned char>(typeChar));
  uint32_t value = NextNumberT(text, base);
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
  std::string digits;
  AppendDigits(value, base, DigitCount(base, byteCount), digits);
  return digits;
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
  if (base < kBaseCount) {
    const uint32_t value = text::ReadLittleEndian(bytes.data(), static_cast<size_t>(elementSize));
    AppendDigits(value, base, DigitCount(base, elementSize), text);
  }
  text += u' ';
  return true;
}

template <class Text>
bool TextToValueT(ElementBytes& bytes, int elementSize, char& typeChar, Text& text) {
  if (typeChar == '/') return TextFromText(bytes, elementSize, text);
  if (typeChar == '\\') return ReversedFromText(bytes, elementSize, text);
  if (elementSize < 1 || elementSize > kMaxElementSize) return false;
  return NumberFromText(bytes, elementSize, typeChar, text);
}

bool TextToValue(ElementBytes& bytes, int elementSize, char& typeChar, std::u16string& text) {
  return TextToValueT(bytes, elementSize, typeChar, text);
}
bool TextToValue(ElementBytes& bytes, int elementSize, char& typeChar, std::u16string_view& text) {
  return TextToValueT(bytes, elementSize, typeChar, text);
}

}  // namespace tarno
