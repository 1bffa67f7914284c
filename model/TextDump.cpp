// The text dump: one line per record, the bytes in hexadecimal and a column of
// printable characters; CR LF line ends.
#include "FileSystem.h"
#include "TarnoChannelEditUnit002.h"
#include "TarnoChannelEditUnit003.h"

namespace tarno {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kColumnGap = "    ";

void AppendHexByte(std::string& out, uint8_t byte) {
  out += DigitChars[byte >> 4];
  out += DigitChars[byte & 0x0F];
}

std::string RecordLine(const TDataByteArray& record) {
  std::string line = "$";
  line.reserve(record.size() * 4 + 8);
  for (uint8_t byte : record) {
    AppendHexByte(line, byte);
    line += ' ';
  }
  line += kColumnGap;
  for (uint8_t byte : record) line += byte >= 32 && byte <= 126 ? static_cast<char>(byte) : '.';
  return line + kLineEnd;
}

// Reads up to and including the next LF; false at the end of the text.
bool ReadDumpLine(std::string_view dump, size_t& position, std::string_view& line) {
  const size_t lineFeed = dump.find('\n', position);
  if (lineFeed == std::string_view::npos) return false;
  line = dump.substr(position, lineFeed + 1 - position);
  position = lineFeed + 1;
  return true;
}

bool ReadRecordLine(std::string_view line, TDataByteArray& record) {
  const size_t pair = line.find("  ");
  const size_t hexLength = (pair == std::string_view::npos ? line.size() : pair + 1) - 1;
  if (hexLength % 3 != 0 || hexLength / 3 != record.size()) return false;
  for (size_t k = 0; k < record.size(); ++k)
    record[k] = static_cast<uint8_t>(BaseTextToInt(line.substr(1 + 3 * k, 2), kHex));
  return true;
}

}  // namespace

std::string TDataObject::ExportToString() const {
  std::string dump;
  if (HasHeader) dump += "$" + IntToBaseText(Header, kHex, 4) + kLineEnd;
  for (const TDataByteArray& record : Records) dump += RecordLine(record);
  return dump;
}

bool TDataObject::ExportToText(const std::string& path, bool regenerateChecksums) {
  if (regenerateChecksums) UpdateChecksums();
  WriteFileAtomically(path, ExportToString());
  return true;
}

bool TDataObject::ImportFromText(const std::string& path) { return ImportFromString(ReadWholeFile(path)); }

bool TDataObject::ImportFromString(std::string_view dump) {
  size_t position = 0;
  std::string_view line;
  if (HasHeader) {
    if (!ReadDumpLine(dump, position, line)) return false;
    std::string text(line.substr(0, line.size() >= 2 ? line.size() - 2 : 0));
    int base = kHex;
    Header = NextNumber(text, base);
  }
  for (TDataByteArray& record : Records) {
    if (!ReadDumpLine(dump, position, line) || !ReadRecordLine(line, record)) return false;
  }
  return true;
}

}  // namespace tarno
