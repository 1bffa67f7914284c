#include "FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "Errors.h"
#include "LayoutReader.h"

namespace tarno {

std::string SystemErrorText(const std::string& action, const std::string& path, int errorNumber) {
  return action + " '" + path + "': " + std::strerror(errorNumber);
}

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// Writes all bytes, retrying short writes and interrupted calls.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

mode_t ModeForReplacement(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    std::string pattern = FolderOf(target) + "." + BareNameOf(target) + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    fd_ = ::mkstemp(buffer.data());
    if (fd_ < 0) throw FileError(SystemErrorText("Cannot create file", target, errno));
    path_ = buffer.data();
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Writes, syncs, closes and renames over target; the temporary is gone either way.
  void CommitTo(const std::string& target, std::string_view bytes, mode_t mode) {
    if (!WriteAll(fd_, bytes) || ::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0)
      throw FileError(SystemErrorText("Cannot write file", target, errno));
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
  const std::string wanted = UpperAscii(BareNameOf(path));
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return path;
  std::string found;
  while (const dirent* entry = ::readdir(dir)) {
    if (UpperAscii(entry->d_name) == wanted) {
      found = folder + entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found.empty() ? path : found;
}

std::string ReadWholeFile(const std::string& path) {
  const std::string resolved = ResolveFileName(path);
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(SystemErrorText("Cannot open file", path, errno));
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
    content.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return content;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveFileName(path);
  TemporaryFile temporary(target);
  temporary.CommitTo(target, bytes, ModeForReplacement(target));
}

}  // namespace tarno
