#include "DatabaseFieldValues.h"

#include <algorithm>

namespace tarno {
namespace {

constexpr size_t kUnitBytes = 2;

bool ExtendsSign(const TDataItem& item, const ColumnSource& source) {
  return source.favouriteList != 0 || IsSignedField(item);
}

bool IsZeroUnit(std::string_view bytes, size_t at) { return bytes[at] == 0 && bytes[at + 1] == 0; }

// A big-endian blank unit, as the text fields hold them.
constexpr char kBlankUnit[kUnitBytes] = {0, ' '};

}  // namespace

void StoreInteger(const TDataItem& item, const ColumnSource& source, int64_t value, TDataByteArray& record) {
  if (source.inverted) value = value == 0 ? 1 : 0;
  const auto bits = static_cast<uint64_t>(value);
  for (int32_t b = 0; b < item.Size; ++b)
    record[static_cast<size_t>(item.Offset + b)] = static_cast<uint8_t>(b < 8 ? bits >> (8 * b) : 0);
}

int64_t IntegerOf(const TDataItem& item, const ColumnSource& source, const TDataByteArray& record) {
  const int32_t size = std::min(item.Size, kKeyFieldSize);
  uint64_t bits = 0;
  for (int32_t b = size - 1; b >= 0; --b) bits = bits << 8 | record[static_cast<size_t>(item.Offset + b)];
  const int unused = 64 - 8 * size;
  if (unused > 0 && ExtendsSign(item, source)) bits = static_cast<uint64_t>(static_cast<int64_t>(bits << unused) >> unused);
  const auto value = static_cast<int64_t>(bits);
  if (source.inverted) return value == 0 ? 1 : 0;
  return value;
}

bool StoreTextBytes(const TDataItem& item, std::string_view bytes, TDataByteArray& record) {
  if (bytes.size() > static_cast<size_t>(item.Size)) return false;
  const auto field = record.begin() + item.Offset;
  std::fill(field, field + item.Size, uint8_t{0});
  std::copy(bytes.begin(), bytes.end(), field);
  return true;
}

std::string_view FieldBytes(const TDataItem& item, const TDataByteArray& record) {
  return {reinterpret_cast<const char*>(record.data()) + item.Offset, static_cast<size_t>(item.Size)};
}

std::string TextBytesOf(const TDataItem& item, const TDataByteArray& record) {
  const std::string_view bytes = FieldBytes(item, record);
  size_t end = 0;
  while (end + kUnitBytes <= bytes.size() && !IsZeroUnit(bytes, end)) end += kUnitBytes;
  return std::string(bytes.substr(0, end));
}

std::string InShapeOf(std::string text, std::string_view stored) {
  const bool closedByZero =
      stored.size() >= kUnitBytes && stored.size() % kUnitBytes == 0 && IsZeroUnit(stored, stored.size() - kUnitBytes);
  if (!closedByZero || text.size() + kUnitBytes > stored.size()) return text;
  while (text.size() + kUnitBytes < stored.size()) text.append(kBlankUnit, kUnitBytes);
  return text.append(kUnitBytes, '\0');
}

}  // namespace tarno
