// The text dump: one line per record, the bytes in hexadecimal and a column of
// printable characters; CR LF line ends.
#include <algorithm>

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

// The lines of a dump, counted from 1.
class DumpLines {
 public:
  explicit DumpLines(std::string_view dump) : dump_(dump) {}

  // The next line up to and including its LF; false at the end of the text,
  // and before a last line without one.
  bool Next(std::string_view& line) {
    const size_t lineFeed = dump_.find('\n', position_);
    if (lineFeed == std::string_view::npos) return false;
    line = dump_.substr(position_, lineFeed + 1 - position_);
    position_ = lineFeed + 1;
    ++number_;
    return true;
  }

  int Number() const { return number_; }  // of the line read last

  // The number of the first line after those read that holds more than
  // blanks, 0 when none does: blank lines at a dump's end hold no record.
  int FirstFilledLineAfter() const {
    int number = number_;
    for (size_t at = position_; at < dump_.size();) {
      ++number;
      const size_t end = std::min(dump_.find('\n', at), dump_.size());
      if (dump_.substr(at, end - at).find_first_not_of(" \t\r") != std::string_view::npos) return number;
      at = end + 1;
    }
    return 0;
  }

 private:
  std::string_view dump_;
  size_t position_ = 0;
  int number_ = 0;
};

bool ReadRecordLine(std::string_view line, TDataByteArray& record) {
  const size_t pair = line.find("  ");
  const size_t hexLength = (pair == std::string_view::npos ? line.size() : pair + 1) - 1;
  if (hexLength % 3 != 0 || hexLength / 3 != record.size()) return false;
  for (size_t k = 0; k < record.size(); ++k)
    record[k] = static_cast<uint8_t>(BaseTextToInt(line.substr(1 + 3 * k, 2), kHex));
  return true;
}

uint32_t ReadHeaderLine(std::string_view line) {
  std::string text(line.substr(0, line.size() >= 2 ? line.size() - 2 : 0));
  int base = kHex;
  return NextNumber(text, base);
}

std::string EndsEarlyText(int line, size_t record, size_t records) {
  return "The dump ends early: line " + std::to_string(line) + " should hold record " + std::to_string(record + 1) +
         " of " + std::to_string(records);
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

// Read whole before anything changes: a dump of another file, longer or
// shorter than this one, is refused rather than cut to fit.
bool TDataObject::ImportFromString(std::string_view dump) {
  const auto refuse = [this](std::string why) {
    ImportError = std::move(why);
    return false;
  };
  ImportError.clear();
  DumpLines lines(dump);
  std::string_view line;
  uint32_t header = Header;
  if (HasHeader) {
    if (!lines.Next(line)) return refuse("The dump ends early: line 1 should hold the header");
    header = ReadHeaderLine(line);
  }
  std::vector<TDataByteArray> records = Records;
  for (size_t k = 0; k < records.size(); ++k) {
    if (!lines.Next(line)) return refuse(EndsEarlyText(lines.Number() + 1, k, records.size()));
    if (!ReadRecordLine(line, records[k]))
      return refuse("Line " + std::to_string(lines.Number()) + " of the dump holds no record of " +
                    std::to_string(records[k].size()) + " bytes");
  }
  if (const int extra = lines.FirstFilledLineAfter(); extra != 0)
    return refuse("The dump has more records than the file (" + std::to_string(records.size()) + "): line " +
                  std::to_string(extra) + " is one too many");
  Header = header;
  Records = std::move(records);
  return true;
}

}  // namespace tarno
