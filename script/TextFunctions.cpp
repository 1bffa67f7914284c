#include "TextFunctions.h"

#include <charconv>
#include <cstdio>
#include <system_error>

namespace tarno {

namespace {

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int32_t PositionOf(size_t index) { return static_cast<int32_t>(index + 1); }

size_t SkipSpaces(std::string_view text, size_t at) {
  while (at < text.size() && text[at] == ' ') ++at;
  return at;
}

// Skips a hexadecimal prefix at `at`; true when there was one.
bool SkipHexPrefix(std::string_view text, size_t& at) {
  if (at >= text.size()) return false;
  if (text[at] == '$' || text[at] == 'x' || text[at] == 'X') {
    ++at;
    return true;
  }
  if (text[at] == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    at += 2;
    return true;
  }
  return false;
}

ValIntResult Failure(size_t index) { return {0, PositionOf(index)}; }

ValIntResult ReadHex(std::string_view text, size_t at, bool negative) {
  if (at >= text.size()) return Failure(at);
  uint32_t value = 0;
  int significant = 0;
  for (; at < text.size(); ++at) {
    const int digit = HexDigit(text[at]);
    if (digit < 0) return Failure(at);
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return Failure(at);
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  const uint32_t pattern = negative ? 0u - value : value;
  return {static_cast<int32_t>(pattern), 0};
}

ValIntResult ReadDecimal(std::string_view text, size_t at, bool negative) {
  if (at >= text.size()) return Failure(at);
  const uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  uint64_t value = 0;
  for (; at < text.size(); ++at) {
    if (!IsDigit(text[at])) return Failure(at);
    value = value * 10 + static_cast<uint64_t>(text[at] - '0');
    if (value > limit) return Failure(at);
  }
  const int64_t signedValue = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  return {static_cast<int32_t>(signedValue), 0};
}

size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

int32_t PosOf(std::string_view substring, std::string_view text) {
  if (substring.empty()) return 0;
  const size_t found = text.find(substring);
  return found == std::string_view::npos ? 0 : PositionOf(found);
}

std::string CopyOf(std::string_view text, int32_t index, int32_t count) {
  if (index < 1) index = 1;
  if (count <= 0 || static_cast<size_t>(index) > text.size()) return {};
  return std::string(text.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

void DeleteFrom(std::string& text, int32_t index, int32_t count) {
  if (index < 1 || static_cast<size_t>(index) > text.size() || count <= 0) return;
  text.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

std::string IntToHexText(int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<uint32_t>(value));
  return buffer;
}

ValIntResult ValIntOf(std::string_view text) {
  size_t at = SkipSpaces(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (SkipHexPrefix(text, at)) return ReadHex(text, at, negative);
  return ReadDecimal(text, at, negative);
}

ValExtResult ValExtOf(std::string_view text) {
  const size_t start = SkipSpaces(text, 0);
  size_t at = start;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t integerStart = at;
  at = SkipDigits(text, at);
  bool anyDigit = at > integerStart;
  if (at < text.size() && text[at] == '.') {
    const size_t fractionStart = ++at;
    at = SkipDigits(text, at);
    anyDigit = anyDigit || at > fractionStart;
  }
  if (!anyDigit) return {0, PositionOf(at)};
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const size_t exponentStart = at;
    at = SkipDigits(text, at);
    if (at == exponentStart) return {0, PositionOf(at)};
  }
  if (at < text.size()) return {0, PositionOf(at)};
  // from_chars is independent of the C locale and takes no plus sign.
  std::string_view number = text.substr(start);
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0;
  const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
  if (parsed.ec != std::errc()) return {0, PositionOf(text.size() - 1)};  // out of range
  return {value, 0};
}

}  // namespace tarno
