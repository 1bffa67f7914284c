#include "LayoutReader.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <limits>

#include "AsciiText.h"
#include "DatabaseLayout.h"

namespace tarno {
namespace {

struct LayoutError {};

// The lines of a settings text as views into it: a line ends at LF, and a CR
// just before the LF is dropped; text after the last LF is a line too.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  bool Next(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const size_t end = std::min(text_.find('\n', position_), text_.size());
    line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }

 private:
  std::string_view text_;
  size_t position_ = 0;
};

// Equal but for the case of ASCII letters; expected is upper case already.
bool IsUpperAsciiOf(std::string_view text, std::string_view expected) {
  if (text.size() != expected.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (text::UpperAscii(text[i]) != expected[i]) return false;
  return true;
}

std::string_view StripComment(std::string_view line) {
  const size_t semicolon = line.find(';');
  return TrimControls(semicolon == std::string_view::npos ? line : line.substr(0, semicolon));
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Splits off the text before the next ','; the comma is required unless last is set.
std::string_view TakePart(std::string_view& rest, bool last) {
  const size_t comma = rest.find(',');
  if (comma == std::string_view::npos) {
    if (!last) throw LayoutError{};
    std::string_view part = rest;
    rest = {};
    return TrimControls(part);
  }
  std::string_view part = rest.substr(0, comma);
  rest.remove_prefix(comma + 1);
  return TrimControls(part);
}

int32_t TakeInteger(std::string_view& rest, bool last) {
  const auto value = ParseLayoutInteger(TakePart(rest, last), std::numeric_limits<int32_t>::min(),
                                        std::numeric_limits<int32_t>::max());
  if (!value) throw LayoutError{};
  return static_cast<int32_t>(*value);
}

TDataByteArray ParseDefault(std::string_view text, int32_t size) {
  if (text.empty()) return {};
  if (text.front() != '$' || text.size() < 2) throw LayoutError{};
  std::string digits(text.substr(1));
  if (digits.size() % 2 != 0) digits.insert(digits.begin(), '0');
  const int32_t byteCount = static_cast<int32_t>(digits.size() / 2);
  if (size % byteCount != 0) throw LayoutError{};
  TDataByteArray bytes;
  for (size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexDigit(digits[i]);
    const int low = HexDigit(digits[i + 1]);
    if (high < 0 || low < 0) throw LayoutError{};
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return bytes;
}

std::string ScriptNameOf(std::string_view rest) {
  std::string name(rest.substr(0, kMaxNameLength));
  for (char& c : name) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!alnum) c = '_';
  }
  return name;
}

class SectionReader {
 public:
  SectionReader(std::string_view text, const std::string& fileName) : lines_(text), fileName_(fileName) {}

  Layout Read() {
    try {
      ScanForSections();
      if (!layout_.Database.empty() && !DescribeDatabase(layout_.Database, layout_.Items)) throw LayoutError{};
    } catch (const LayoutError&) {
      layout_.Items.clear();
    }
    return std::move(layout_);
  }

 private:
  void ScanForSections() {
    const std::string key = "[" + text::UpperAscii(fileName_) + "]";
    std::string_view line;
    while (lines_.Next(line)) {
      if (IsUpperAsciiOf(StripComment(line), key)) ReadSection();
    }
  }

  // Reads entries until the end of the file or a line starting with '['.
  void ReadSection() {
    std::string_view line;
    while (lines_.Next(line)) {
      const std::string_view text = StripComment(line);
      if (text.empty()) continue;
      const size_t equals = text.find('=');
      if (equals == std::string_view::npos) {
        if (text.front() == '[') return;
        throw LayoutError{};
      }
      const std::string_view key = TrimControls(text.substr(0, equals));
      const std::string_view value = TrimControls(text.substr(equals + 1));
      if (IsUpperAsciiOf(key, "HEADER")) ReadHeader(value);
      if (IsUpperAsciiOf(key, "ITEM")) ReadItem(value);
      if (IsUpperAsciiOf(key, "FAVOURITES")) layout_.Favourites = std::string(value);
      if (IsUpperAsciiOf(key, "DATABASE")) layout_.Database = std::string(value);
    }
  }

  void ReadHeader(std::string_view value) {
    const auto header = ParseLayoutInteger(value, std::numeric_limits<int64_t>::min(),
                                           std::numeric_limits<int64_t>::max());
    if (!header) throw LayoutError{};
    layout_.Header = static_cast<uint32_t>(static_cast<uint64_t>(*header));
    layout_.HasHeader = true;
  }

  void ReadItem(std::string_view value) {
    TDataItem item;
    item.FileName = fileName_;
    item.Name = std::string(TakePart(value, false));
    item.Size = TakeInteger(value, false);
    item.ElementSize = TakeInteger(value, false);
    std::string_view type = TakePart(value, false);
    item.DefaultBytes = ParseDefault(TakePart(value, false), item.Size);
    item.Column = TakeInteger(value, true);
    item.Role = std::string(TakePart(value, true));
    item.Source = std::string(TakePart(value, true));
    CheckEntry(item);
    if (type.empty()) type = "#";
    item.TypeChar = type.front();
    type.remove_prefix(1);
    if (item.TypeChar == '!') {
      item.SpecialName = text::UpperAscii(type.substr(0, kMaxNameLength));
    } else {
      item.ScriptName = ScriptNameOf(type);
    }
    item.Offset = offset_;
    offset_ += item.Size;
    layout_.Items.push_back(std::move(item));
  }

  // Sizes must be sound for the 4-byte element buffer and the 32-bit offsets.
  void CheckEntry(const TDataItem& item) {
    const int64_t column = std::abs(static_cast<int64_t>(item.Column));
    if (column > kMaxColumn) throw LayoutError{};
    if (columnsUsed_.test(column)) throw LayoutError{};
    columnsUsed_.set(column);
    if (item.ElementSize <= 0 || item.Size % item.ElementSize != 0) throw LayoutError{};
    if (item.Size < 0 || item.ElementSize > 4) throw LayoutError{};
    if (static_cast<int64_t>(offset_) + item.Size > std::numeric_limits<int32_t>::max()) throw LayoutError{};
  }

  Lines lines_;
  const std::string& fileName_;
  Layout layout_;
  std::bitset<kMaxColumn + 1> columnsUsed_;
  int32_t offset_ = 0;
};

}  // namespace

std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::optional<int64_t> ParseLayoutInteger(std::string_view text, int64_t min, int64_t max) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  unsigned radix = 10;
  if (!text.empty() && text.front() == '$') {
    radix = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    radix = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  // Magnitude up to 2^63 so that the most negative value still parses.
  constexpr uint64_t kLimit = uint64_t{1} << 63;
  uint64_t magnitude = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0 || static_cast<unsigned>(digit) >= radix) return std::nullopt;
    if (magnitude > (kLimit - digit) / radix) return std::nullopt;
    magnitude = magnitude * radix + digit;
  }
  if (!negative && magnitude > static_cast<uint64_t>(max)) return std::nullopt;
  if (negative && magnitude > static_cast<uint64_t>(-(min + 1)) + 1) return std::nullopt;
  const int64_t value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::vector<RolePart> RoleParts(std::string_view rolePart) {
  constexpr char kRoleSeparator = '+';
  constexpr char kMaskMark = '&';
  std::vector<RolePart> parts;
  for (std::string_view rest = rolePart; !rest.empty();) {
    const size_t separator = rest.find(kRoleSeparator);
    const std::string_view part = rest.substr(0, separator);
    const size_t mark = part.find(kMaskMark);
    RolePart role{TrimControls(part.substr(0, mark)), 0};
    const auto mask = mark == std::string_view::npos
                          ? std::optional<int64_t>(0)
                          : ParseLayoutInteger(TrimControls(part.substr(mark + 1)), 1, std::numeric_limits<uint32_t>::max());
    if (mask) {
      role.mask = static_cast<uint32_t>(*mask);
      parts.push_back(role);
    }
    rest = separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
  }
  return parts;
}

const TDataItem* FieldOfRole(const std::vector<TDataItem>& items, std::string_view role) {
  const auto names = [role](std::string_view text) { return text::EqualIgnoringAsciiCase(text, TrimControls(role)); };
  const auto answers = [&names](const TDataItem& item) {
    if (item.Role.empty()) return names(TrimControls(item.Name));
    return std::ranges::any_of(RoleParts(item.Role), [&names](const RolePart& part) { return names(part.name); });
  };
  const auto found = std::ranges::find_if(items, answers);
  return found == items.end() ? nullptr : &*found;
}

Layout ReadLayoutFrom(std::string_view settingsText, const std::string& dataFileName) {
  return SectionReader(settingsText, dataFileName).Read();
}

}  // namespace tarno
