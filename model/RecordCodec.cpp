// Reading and writing a data file: an optional 4-byte little-endian header word,
// then whole records of the layout's size, nothing else.
#include <ext/stdio_filebuf.h>

#include <istream>
#include <sstream>

#include "ByteOrder.h"
#include "DatabaseFile.h"
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

std::streamoff SizeOf(std::istream& in, std::streampos start) {
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(start);
  if (size < 0 || !in) throw SizeMismatch{};
  return size;
}

}  // namespace

bool TDataObject::LoadFromFile(const std::string& path) {
  if (Database) {
    LoadDatabaseFile(*this, path);
    return true;
  }
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
      Header = text::ReadLittleEndian(word, 4);
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
  if (Database) {
    SaveDatabaseFile(*this, path);
    return true;
  }
  std::ostringstream bytes;
  SaveToStream(bytes, false);
  WriteFileAtomically(path, bytes.view());
  return true;
}

bool TDataObject::SaveToStream(std::ostream& stream, bool regenerateChecksums) {
  if (regenerateChecksums && !UpdateChecksums()) return false;
  if (HasHeader) {
    char word[4];
    text::WriteLittleEndian(word, Header, 4);
    stream.write(word, 4);
  }
  for (const TDataByteArray& record : Records)
    stream.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  return stream.good();
}

}  // namespace tarno
