// The archive as the television wrote it, kept beside it as NAME.scm.bak before
// this program first rewrites it, so that a list the television refuses can be
// taken back. The kept file is never overwritten: it stays the first original.
#pragma once

#include <string>

namespace tarno {

// NAME.scm.bak beside the archive at archivePath.
std::string BackupPathOf(const std::string& archivePath);

bool HasKeptOriginal(const std::string& archivePath);

// Copies the archive to its backup unless one exists; true when it made one.
// Throws FileError when the copy cannot be written, so the archive is not
// rewritten without its original kept.
bool KeepOriginal(const std::string& archivePath);

// Writes the kept original back over the archive; throws FileError when there
// is none or it cannot be written. The backup stays.
void RestoreOriginal(const std::string& archivePath);

}  // namespace tarno
