#include "TemporaryFiles.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace tarno {
namespace {

constexpr const char* kMarker = ".tarno-tmp-";
constexpr size_t kRandomPartLength = 6;  // mkstemp's XXXXXX
// Bytes of the target's name kept in a temporary's name: with the marker,
// a process id and the random part it stays far below the 255 a name may have.
constexpr size_t kMaxNamePart = 160;
// A write renames its temporary within moments; one this old is a leftover even
// when its process id has since been given to another process.
constexpr time_t kStaleAge = 24 * 60 * 60;

// The first bytes of name, not cutting a UTF-8 sequence in two.
std::string NamePart(const std::string& name) {
  if (name.size() <= kMaxNamePart) return name;
  size_t end = kMaxNamePart;
  while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  return name.substr(0, end);
}

bool ProcessRuns(long pid) {
  if (pid == static_cast<long>(::getpid())) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool IsStale(const std::string& path, long owner) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return !ProcessRuns(owner) || std::time(nullptr) - info.st_mtime > kStaleAge;
}

}  // namespace

std::string TemporaryFilePattern(const std::string& folder, const std::string& name) {
  return folder + "." + NamePart(name) + kMarker + std::to_string(::getpid()) + "-" +
         std::string(kRandomPartLength, 'X');
}

bool IsTemporaryFileName(const std::string& name, long* owner) {
  if (name.size() < 1 + std::strlen(kMarker) + 2 + kRandomPartLength || name[0] != '.') return false;
  const size_t dash = name.size() - kRandomPartLength - 1;
  if (name[dash] != '-') return false;
  size_t digits = dash;
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
  const size_t markerLength = std::strlen(kMarker);
  if (digits == dash || dash - digits > 9 || digits < markerLength + 1 ||
      name.compare(digits - markerLength, markerLength, kMarker) != 0)
    return false;
  if (owner) *owner = std::stol(name.substr(digits, dash - digits));
  return true;
}

void RemoveStaleTemporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    long owner = 0;
    if (!IsTemporaryFileName(entry->d_name, &owner)) continue;
    const std::string path = folder + entry->d_name;
    if (IsStale(path, owner)) ::unlink(path.c_str());
  }
  ::closedir(dir);
}

}  // namespace tarno
