#include "ExtractionFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "Errors.h"

namespace tarno {

ExtractionFolderLock::ExtractionFolderLock(const std::string& folder) : folder_(folder) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor_ < 0) throw FileError("Cannot open folder '" + folder + "': " + std::strerror(errno));
  int result;
  do {
    result = ::flock(descriptor_, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return;
  const int error = errno;
  ::close(descriptor_);
  descriptor_ = -1;
  if (error == EWOULDBLOCK)
    throw FolderBusyError("Another TarnoChannelEdit or tarno-cli is working in '" + folder +
                          "': close it first, so that neither writes the other's lists into its archive");
  throw FileError("Cannot lock folder '" + folder + "': " + std::strerror(error));
}

ExtractionFolderLock::~ExtractionFolderLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace tarno
