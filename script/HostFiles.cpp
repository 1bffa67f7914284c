#include "HostFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#include <pscript/value.h>

namespace tarno {

namespace {

constexpr size_t kReadChunk = 1u << 20;  // string reads grow by this much, not by Count at once

int AccessFlags(int access) {
  if (access == 1) return O_WRONLY;
  if (access == 2) return O_RDWR;
  return O_RDONLY;
}

std::string UpToFirstZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

int OpenForScript(const std::string& fileName, int flags, unsigned mode) {
  // Without O_NONBLOCK, opening a pipe waits for its other end.
  const int descriptor = ::open(fileName.c_str(), flags | O_NONBLOCK | O_CLOEXEC, static_cast<mode_t>(mode));
  if (descriptor < 0) return -1;
  struct stat info {};
  const bool refused =
      ::fstat(descriptor, &info) != 0 || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || S_ISDIR(info.st_mode);
  // A character device (a terminal) stays non-blocking: reading one with
  // nothing typed, or writing one that nobody reads, fails instead of
  // waiting. /dev/null and /dev/zero never wait anyway.
  const bool blocking = !refused && !S_ISCHR(info.st_mode);
  if (refused || (blocking && ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0)) {
    ::close(descriptor);
    return -1;
  }
  return descriptor;
}

Transfer ReadFully(int descriptor, void* into, size_t count) {
  auto* target = static_cast<char*>(into);
  Transfer t;
  while (t.done < count) {
    const ssize_t got = ::read(descriptor, target + t.done, count - t.done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) t.failed = true;
    if (got <= 0) break;
    t.done += static_cast<size_t>(got);
  }
  return t;
}

Transfer WriteFully(int descriptor, const void* from, size_t count) {
  const auto* source = static_cast<const char*>(from);
  Transfer t;
  while (t.done < count) {
    const ssize_t put = ::write(descriptor, source + t.done, count - t.done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      t.failed = true;
      break;
    }
    t.done += static_cast<size_t>(put);
  }
  return t;
}

OpenMode DecodeOpenMode(int32_t mode) {
  OpenMode decoded;
  decoded.access = mode & 3;
  decoded.sharing = (mode >> 4) & 0xF;
  // Bits 2-3 and above 7 carry no meaning and are ignored, as the access and
  // sharing fields alone decide.
  decoded.valid = decoded.access != 3 && decoded.sharing <= 4;
  return decoded;
}

HostFiles::~HostFiles() {
  for (const int32_t handle : open_) ::close(handle);
}

int32_t HostFiles::Adopt(int descriptor) {
  if (descriptor < 0) return -1;  // OpenForScript has refused folders and pipes already
  open_.insert(descriptor);
  return descriptor;
}

int32_t HostFiles::Open(const std::string& fileName, int32_t mode) {
  const OpenMode decoded = DecodeOpenMode(mode);
  if (!decoded.valid) return -1;
  return Adopt(OpenForScript(fileName, AccessFlags(decoded.access)));
}

int32_t HostFiles::Create(const std::string& fileName) {
  return Adopt(OpenForScript(fileName, O_RDWR | O_CREAT | O_TRUNC, 0666));
}

int32_t HostFiles::Seek(int32_t handle, int32_t offset, int32_t origin) {
  if (!Owns(handle) || origin < 0 || origin > 2) return -1;
  const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
  const off_t position = ::lseek(handle, offset, whence);
  if (position < 0 || position > std::numeric_limits<int32_t>::max()) return -1;
  return static_cast<int32_t>(position);
}

void HostFiles::Close(int32_t handle) {
  if (!Owns(handle)) return;
  open_.erase(handle);
  ::close(handle);
}

// Reads until count bytes or the end of the file; -1 when reading fails.
int32_t HostFiles::ReadBytes(int32_t handle, void* into, size_t count) {
  if (!Owns(handle)) return -1;
  const Transfer t = ReadFully(handle, into, count);
  return t.failed ? -1 : static_cast<int32_t>(t.done);
}

int32_t HostFiles::WriteBytes(int32_t handle, const void* from, size_t count) {
  if (!Owns(handle)) return -1;
  const Transfer t = WriteFully(handle, from, count);
  return t.failed ? -1 : static_cast<int32_t>(t.done);
}

// Null and types without a file form read nothing and give 0; a 32-bit
// integer takes up to 4 bytes, low byte first; a single up to 4 bytes and
// becomes a double; a double up to 8 bytes; a string Count bytes, kept up to
// the first zero byte as an 8-bit string.
int32_t HostFiles::ReadInto(int32_t handle, pscript::Value& buffer, int32_t count) {
  if (count <= 0) return 0;
  const size_t wanted = static_cast<size_t>(count);
  switch (buffer.type()) {
    case pscript::varInteger: {
      int32_t value = 0;
      const int32_t got = ReadBytes(handle, &value, std::min<size_t>(wanted, sizeof value));
      if (got >= 0) buffer = pscript::Value::integer(value, pscript::varInteger);
      return got;
    }
    case pscript::varSingle: {
      float value = 0;
      const int32_t got = ReadBytes(handle, &value, std::min<size_t>(wanted, sizeof value));
      if (got >= 0) buffer = pscript::Value::real(static_cast<double>(value), pscript::varDouble);
      return got;
    }
    case pscript::varDouble: {
      double value = 0;
      const int32_t got = ReadBytes(handle, &value, std::min<size_t>(wanted, sizeof value));
      if (got >= 0) buffer = pscript::Value::real(value, pscript::varDouble);
      return got;
    }
    case pscript::varString:
    case pscript::varOleStr: {
      if (!Owns(handle)) return -1;
      std::string bytes;
      size_t total = 0;
      while (total < wanted) {
        const size_t chunk = std::min(kReadChunk, wanted - total);
        bytes.resize(total + chunk);
        const int32_t got = ReadBytes(handle, bytes.data() + total, chunk);
        if (got < 0) return -1;
        total += static_cast<size_t>(got);
        if (static_cast<size_t>(got) < chunk) break;
      }
      bytes.resize(total);
      buffer = pscript::Value::string(UpToFirstZero(bytes));
      return static_cast<int32_t>(total);
    }
    default:
      return 0;
  }
}

int32_t HostFiles::WriteFrom(int32_t handle, const pscript::Value& buffer, int32_t count) {
  if (count <= 0) return 0;
  const size_t wanted = static_cast<size_t>(count);
  switch (buffer.type()) {
    case pscript::varInteger: {
      const auto value = static_cast<int32_t>(buffer.rawInt());
      return WriteBytes(handle, &value, std::min<size_t>(wanted, sizeof value));
    }
    case pscript::varSingle: {
      const auto value = static_cast<float>(buffer.rawReal());
      return WriteBytes(handle, &value, std::min<size_t>(wanted, sizeof value));
    }
    case pscript::varDouble: {
      const double value = buffer.rawReal();
      return WriteBytes(handle, &value, std::min<size_t>(wanted, sizeof value));
    }
    case pscript::varString:
    case pscript::varOleStr: {
      const std::string text = buffer.toString();
      return WriteBytes(handle, text.data(), std::min(wanted, text.size()));
    }
    default:
      return 0;
  }
}

}  // namespace tarno
