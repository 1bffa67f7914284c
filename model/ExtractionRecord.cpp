#include "ExtractionRecord.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Errors.h"
#include "FileSystem.h"
#include "TelevisionArchive.h"

namespace tarno {
namespace {

constexpr std::string_view kFirstLine = "TarnoChannelEdit extraction 1";
// A record names at most as many files as an archive may hold entries.
constexpr size_t kMaxRecordBytes = 1 << 20;

// Names and paths go on one line each: a line break or '%' in one is escaped.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '%') out += "%25";
    else if (c == '\n') out += "%0A";
    else if (c == '\r') out += "%0D";
    else out += c;
  }
  return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const std::string_view code = text.substr(i + 1, 2);
    if (code == "25") out += '%';
    else if (code == "0A") out += '\n';
    else if (code == "0D") out += '\r';
    else return std::nullopt;
    i += 2;
  }
  return out;
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text, int base = 10) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// Splits off the first word (up to a blank) of rest.
std::string_view TakeWord(std::string_view& rest) {
  const size_t blank = rest.find(' ');
  const std::string_view word = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return word;
}

std::optional<FileState> ParseFileLine(std::string_view rest) {
  const auto size = NumberOf<uint64_t>(TakeWord(rest));
  const auto modified = NumberOf<int64_t>(TakeWord(rest));
  auto name = Unescaped(rest);
  // Only names an extraction can write: nothing that leads out of the folder.
  if (!size || !modified || !name || name->empty() || SafeEntryFileName(*name) != *name) return std::nullopt;
  return FileState{std::move(*name), *size, *modified};
}

bool ParseLine(std::string_view line, ExtractionRecord& record) {
  std::string_view rest = line;
  const std::string_view key = TakeWord(rest);
  if (key == "file") {
    auto file = ParseFileLine(rest);
    if (!file) return false;
    record.files.push_back(std::move(*file));
    return true;
  }
  if (key == "archive") {
    auto path = Unescaped(rest);
    if (!path) return false;
    record.archivePath = std::move(*path);
    return true;
  }
  if (key == "size") {
    const auto size = NumberOf<uint64_t>(rest);
    record.archive.size = size.value_or(0);
    return size.has_value();
  }
  if (key == "crc") {
    const auto crc = NumberOf<uint32_t>(rest, 16);
    record.archive.crc = crc.value_or(0);
    return crc.has_value();
  }
  return false;
}

int64_t ModifiedNanoseconds(const struct stat& info) {
  return static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

}  // namespace

std::optional<ArchiveFingerprint> FingerprintOfFile(const std::string& path) {
  try {
    return FingerprintOf(ReadWholeFile(path, kMaxArchiveBytes));
  } catch (const FileError&) {
    return std::nullopt;
  }
}

std::string AbsoluteArchivePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
  return (error ? absolute.lexically_normal() : canonical).string();
}

std::string RecordText(const ExtractionRecord& record) {
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08x", record.archive.crc);
  std::string text = std::string(kFirstLine) + "\n";
  text += "archive " + Escaped(record.archivePath) + "\n";
  text += "size " + std::to_string(record.archive.size) + "\n";
  text += "crc " + std::string(crc) + "\n";
  for (const FileState& file : record.files)
    text += "file " + std::to_string(file.size) + " " + std::to_string(file.modified) + " " + Escaped(file.name) + "\n";
  return text;
}

std::optional<ExtractionRecord> ParseRecord(std::string_view text) {
  if (text.size() > kMaxRecordBytes || text.substr(0, kFirstLine.size() + 1) != std::string(kFirstLine) + "\n")
    return std::nullopt;
  ExtractionRecord record;
  std::string_view rest = text.substr(kFirstLine.size() + 1);
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    if (!ParseLine(rest.substr(0, end), record)) return std::nullopt;
    rest.remove_prefix(end + 1);
  }
  if (record.archivePath.empty()) return std::nullopt;
  return record;
}

std::optional<ExtractionRecord> ReadExtractionRecord(const std::string& folder) {
  try {
    return ParseRecord(ReadWholeFile(folder + kExtractionRecordName, kMaxRecordBytes));
  } catch (const FileError&) {
    return std::nullopt;
  }
}

void WriteExtractionRecord(const std::string& folder, const ExtractionRecord& record) {
  AtomicWriteOptions options;
  options.followLinks = false;  // like the extracted files, never written through a link
  WriteFileAtomically(folder + kExtractionRecordName, RecordText(record), options);
}

std::vector<FileState> CurrentFileStates(const std::string& folder, const std::vector<std::string>& names) {
  std::vector<FileState> states;
  for (const std::string& name : names) {
    struct stat info {};
    const std::string path = ResolveFileName(folder + name);  // extraction keeps a file's letter case
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    states.push_back({name, static_cast<uint64_t>(info.st_size), ModifiedNanoseconds(info)});
  }
  return states;
}

std::vector<std::string> UnwrittenFiles(const std::string& folder, const ExtractionRecord& record) {
  std::vector<std::string> unwritten;
  for (const FileState& extracted : record.files) {
    const std::vector<FileState> now = CurrentFileStates(folder, {extracted.name});
    if (!now.empty() && now.front() != extracted) unwritten.push_back(extracted.name);
  }
  return unwritten;
}

bool RecordsArchive(const ExtractionRecord& record, const std::string& archivePath) {
  return record.archivePath == AbsoluteArchivePath(archivePath);
}

}  // namespace tarno
