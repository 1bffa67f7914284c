// Reading and writing a data file: an optional 4-byte little-endian header word,
// then whole records of the layout's size, nothing else.
#include <ext/stdio_filebuf.h>

#include <istream>
#include <sstream>

#include "Errors.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

constexpr const char* kSizeMismatch = "LoadFromStream failed (probably size mismatch)";
constexpr const char* kCodecUnit = "TarnoChannelEditUnit002";
constexpr int kSizeMismatchLine = 635;

struct SizeMismatch {};

bool ReadExactly(std::istream& in, char* buffer, std::streamsize count) {
  in.read(buffer, count);
  return in.gcount() == count;
}

uint32_t LittleEndian32(const unsigned char* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

std::streamoff SizeOf(std::istream& in, std::streampos start) {
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(start);
  if (size < 0 || !in) throw SizeMismatch{};
  return size;
}

}  // namespace

bool TDataObject::LoadFromFile(const std::string& path) {
  // The stream buffer takes the descriptor over and closes it.
  __gnu_cxx::stdio_filebuf<char> buffer(OpenRegularFileForReading(path), std::ios::in | std::ios::binary);
  std::istream file(&buffer);
  return LoadFromStream(file);
}

bool TDataObject::LoadFromStream(std::istream& stream) {
  if (Items.empty()) return false;
  const int64_t recordSize = RecordSize();
  const std::streampos start = stream.tellg();
  try {
    if (start < 0 || recordSize <= 0) throw SizeMismatch{};
    const std::streamoff total = SizeOf(stream, start);
    if (HasHeader) {
      unsigned char word[4];
      if (!ReadExactly(stream, reinterpret_cast<char*>(word), 4)) throw SizeMismatch{};
      Header = LittleEndian32(word);
    }
    const std::streamoff position = stream.tellg();
    const int64_t count = (total - position) / recordSize;
    if (position < 0 || position + count * recordSize != total) throw SizeMismatch{};
    Records.assign(static_cast<size_t>(count), TDataByteArray(static_cast<size_t>(recordSize)));
    for (TDataByteArray& record : Records)
      if (!ReadExactly(stream, reinterpret_cast<char*>(record.data()), recordSize)) throw SizeMismatch{};
  } catch (...) {
    stream.clear();
    stream.seekg(start);
    throw AssertionError(kSizeMismatch, kCodecUnit, kSizeMismatchLine);
  }
  return true;
}

bool TDataObject::SaveToFile(const std::string& path, bool regenerateChecksums) {
  if (regenerateChecksums && !UpdateChecksums()) return false;
  std::ostringstream bytes;
  SaveToStream(bytes, false);
  WriteFileAtomically(path, bytes.view());
  return true;
}

bool TDataObject::SaveToStream(std::ostream& stream, bool regenerateChecksums) {
  if (regenerateChecksums && !UpdateChecksums()) return false;
  if (HasHeader) {
    const char word[4] = {static_cast<char>(Header & 0xFF), static_cast<char>((Header >> 8) & 0xFF),
                          static_cast<char>((Header >> 16) & 0xFF), static_cast<char>(Header >> 24)};
    stream.write(word, 4);
  }
  for (const TDataByteArray& record : Records)
    stream.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  return stream.good();
}

}  // namespace tarno
