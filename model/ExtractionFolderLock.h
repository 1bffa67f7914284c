// One program at a time in an extraction folder. Two editors extracting into
// one folder would save one archive's lists over the other's files and write
// them into the wrong archive; the second one is refused instead. The lock
// goes with its holder, also when that process is killed.
#pragma once

#include <string>

#include "TelevisionArchive.h"

namespace tarno {

// Another running editor or tarno-cli holds the folder.
class FolderBusyError : public ArchiveError {
 public:
  using ArchiveError::ArchiveError;
};

class ExtractionFolderLock {
 public:
  // Takes folder (created when missing) for this process; throws
  // FolderBusyError when another holds it, FileError when it cannot be opened.
  explicit ExtractionFolderLock(const std::string& folder);
  ~ExtractionFolderLock();
  ExtractionFolderLock(const ExtractionFolderLock&) = delete;
  ExtractionFolderLock& operator=(const ExtractionFolderLock&) = delete;

  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  int descriptor_ = -1;
};

}  // namespace tarno
