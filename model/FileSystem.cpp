#include "FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "AsciiText.h"
#include "Errors.h"
#include "LayoutReader.h"
#include "TemporaryFiles.h"

namespace tarno {

std::string SystemErrorText(const std::string& action, const std::string& path, int errorNumber) {
  return action + " '" + path + "': " + std::strerror(errorNumber);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

namespace {

// Symbolic links followed one after another before giving up, as the system does.
constexpr int kMaxSymbolicLinks = 40;

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}


// The file a chain of symbolic links leads to; the path itself when it is none.
std::string FollowLinks(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops <= kMaxSymbolicLinks; ++hops) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    std::vector<char> buffer(static_cast<size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
    const ssize_t length = ::readlink(target.c_str(), buffer.data(), buffer.size());
    if (length < 0) throw FileError(SystemErrorText("Cannot follow link", path, errno));
    const std::string next(buffer.data(), static_cast<size_t>(length));
    target = next.front() == '/' ? next : FolderOf(target) + next;
  }
  throw FileError(SystemErrorText("Cannot follow link", path, ELOOP));
}

// Permissions, owner and group of the file being replaced, so the new one keeps them.
struct Replaced {
  mode_t mode;
  std::optional<std::pair<uid_t, gid_t>> owner;
};

Replaced ReplacedAttributes(const std::string& target) {
  struct stat info {};
  if (::lstat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
    return {info.st_mode & 07777, std::make_pair(info.st_uid, info.st_gid)};
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return {0666 & ~mask, std::nullopt};
}

class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    std::string pattern = TemporaryFilePattern(FolderOf(target), BareNameOf(target));
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) throw FileError(SystemErrorText("Cannot create file", target, errno));
    path_ = pattern;
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Writes, closes and renames over target; the temporary is gone either way.
  void CommitTo(const std::string& target, std::string_view bytes, const AtomicWriteOptions& options) {
    const Replaced replaced = ReplacedAttributes(target);
    if (!WriteAll(fd_, bytes) || ::fchmod(fd_, replaced.mode) != 0 || (options.syncToDisk && ::fsync(fd_) != 0))
      throw FileError(SystemErrorText("Cannot write file", target, errno));
    // Only a privileged process can give the file back to its owner; others keep their own.
    if (replaced.owner) (void)!::fchown(fd_, replaced.owner->first, replaced.owner->second);
    if (options.modificationTime) {
      const timespec times[2] = {{0, UTIME_OMIT}, {*options.modificationTime, 0}};
      if (::futimens(fd_, times) != 0) throw FileError(SystemErrorText("Cannot set the time of file", target, errno));
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw FileError(SystemErrorText("Cannot write file", target, errno));
    if (::rename(path_.c_str(), target.c_str()) != 0)
      throw FileError(SystemErrorText("Cannot replace file", target, errno));
    path_.clear();
  }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BareNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveFileName(const std::string& path) {
  if (path.empty() || Exists(path)) return path;
  const std::string folder = FolderOf(path);
  const std::string wanted = text::UpperAscii(BareNameOf(path));
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return path;
  std::string found;
  while (const dirent* entry = ::readdir(dir)) {
    if (text::UpperAscii(entry->d_name) == wanted) {
      found = folder + entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found.empty() ? path : found;
}

int OpenRegularFileForReading(const std::string& path) {
  const std::string resolved = ResolveFileName(path);
  // Not blocking on open: a pipe without a writer would wait for one.
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw FileError(SystemErrorText("Cannot open file", path, errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw FileError("Cannot read file '" + path + "': it is no regular file");
  }
  return fd;
}

std::string ReadWholeFile(const std::string& path, size_t maxBytes) {
  const int fd = OpenRegularFileForReading(path);
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      throw FileError(SystemErrorText("Cannot read file", path, error));
    }
    if (got == 0) break;
    if (content.size() + static_cast<size_t>(got) > maxBytes) {
      ::close(fd);
      throw FileError("Cannot read file '" + path + "': it is larger than " + std::to_string(maxBytes) + " bytes");
    }
    content.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return content;
}

std::string ReplaceableFile(const std::string& path, bool followLinks) {
  const std::string resolved = ResolveFileName(path);
  const std::string target = followLinks ? FollowLinks(resolved) : resolved;
  struct stat info {};
  if (::lstat(target.c_str(), &info) != 0) return target;
  if (S_ISLNK(info.st_mode)) return target;  // not followed: the link itself is replaced
  if (!S_ISREG(info.st_mode)) throw FileError("File '" + path + "' is no regular file");
  // A privileged process may write anything: the mode bits still say whether anyone should.
  if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
    throw FileError("File '" + path + "' is write-protected");
  return target;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const AtomicWriteOptions& options) {
  const std::string target = ReplaceableFile(path, options.followLinks);
  RemoveStaleTemporaries(FolderOf(target));
  TemporaryFile temporary(target);
  temporary.CommitTo(target, bytes, options);
}

}  // namespace tarno
