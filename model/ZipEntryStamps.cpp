#include "ZipEntryStamps.h"

#include <optional>

namespace tarno {
namespace {

constexpr uint32_t kEndOfDirectorySignature = 0x06054b50;
constexpr uint32_t kDirectoryRecordSignature = 0x02014b50;
constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kMaxCommentSize = 0xFFFF;
constexpr size_t kDirectoryRecordSize = 46;
constexpr size_t kLocalHeaderSize = 30;
// Field offsets in a directory record and in a local header.
constexpr size_t kRecordTime = 12, kRecordNameLength = 28, kRecordExtraLength = 30, kRecordCommentLength = 32,
                 kRecordLocalHeader = 42;
constexpr size_t kLocalTime = 10;

uint32_t Read(std::string_view bytes, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}
uint16_t Read16(std::string_view bytes, size_t at) { return static_cast<uint16_t>(Read(bytes, at, 2)); }
uint32_t Read32(std::string_view bytes, size_t at) { return Read(bytes, at, 4); }
void Write16(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}
bool Holds(std::string_view bytes, size_t at, size_t size) { return at <= bytes.size() && size <= bytes.size() - at; }

std::optional<size_t> EndOfDirectory(std::string_view zip) {
  if (zip.size() < kEndOfDirectorySize) return std::nullopt;
  const size_t last = zip.size() - kEndOfDirectorySize;
  const size_t first = last > kMaxCommentSize ? last - kMaxCommentSize : 0;
  for (size_t at = last + 1; at-- > first;)
    if (Read32(zip, at) == kEndOfDirectorySignature) return at;
  return std::nullopt;
}

// Calls visit(record offset, stored name) for each directory record that holds together.
template <typename Visit>
void ForEachDirectoryRecord(std::string_view zip, Visit visit) {
  const std::optional<size_t> end = EndOfDirectory(zip);
  if (!end) return;
  const size_t count = Read16(zip, *end + 10);
  size_t at = Read32(zip, *end + 16);
  for (size_t i = 0; i < count; ++i) {
    if (!Holds(zip, at, kDirectoryRecordSize) || Read32(zip, at) != kDirectoryRecordSignature) return;
    const size_t nameLength = Read16(zip, at + kRecordNameLength);
    const size_t recordSize = kDirectoryRecordSize + nameLength + Read16(zip, at + kRecordExtraLength) +
                              Read16(zip, at + kRecordCommentLength);
    if (!Holds(zip, at, recordSize)) return;
    visit(at, std::string(zip.substr(at + kDirectoryRecordSize, nameLength)));
    at += recordSize;
  }
}

}  // namespace

std::map<std::string, ZipStamp> EntryStamps(std::string_view zip) {
  std::map<std::string, ZipStamp> stamps;
  ForEachDirectoryRecord(zip, [&](size_t record, const std::string& name) {
    stamps.emplace(name, ZipStamp{Read16(zip, record + kRecordTime), Read16(zip, record + kRecordTime + 2)});
  });
  return stamps;
}

void SetEntryStamps(std::string& zip, const std::map<std::string, ZipStamp>& stamps) {
  ForEachDirectoryRecord(zip, [&](size_t record, const std::string& name) {
    const auto stamp = stamps.find(name);
    if (stamp == stamps.end()) return;
    const size_t local = Read32(zip, record + kRecordLocalHeader);
    if (!Holds(zip, local, kLocalHeaderSize) || Read32(zip, local) != kLocalHeaderSignature) return;
    for (const size_t at : {record + kRecordTime, local + kLocalTime}) {
      Write16(zip, at, stamp->second.time);
      Write16(zip, at + 2, stamp->second.date);
    }
  });
}

}  // namespace tarno
