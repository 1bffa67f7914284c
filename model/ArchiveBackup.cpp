#include "ArchiveBackup.h"

#include <filesystem>
#include <system_error>

#include "Errors.h"
#include "FileSystem.h"
#include "TelevisionArchive.h"

namespace tarno {
namespace {

// Written whole or not at all: a half copy would stand for the original forever.
void CopyWhole(const std::string& from, const std::string& to) {
  WriteFileAtomically(to, ReadWholeFile(from, kMaxArchiveBytes));
}

}  // namespace

std::string BackupPathOf(const std::string& archivePath) { return archivePath + ".bak"; }

bool HasKeptOriginal(const std::string& archivePath) {
  std::error_code ignored;
  return std::filesystem::exists(BackupPathOf(archivePath), ignored);
}

bool KeepOriginal(const std::string& archivePath) {
  if (HasKeptOriginal(archivePath)) return false;
  CopyWhole(archivePath, BackupPathOf(archivePath));
  return true;
}

void RestoreOriginal(const std::string& archivePath) {
  if (!HasKeptOriginal(archivePath))
    throw FileError("No original of '" + BareNameOf(archivePath) + "' is kept: '" +
                    BareNameOf(BackupPathOf(archivePath)) + "' does not exist");
  CopyWhole(BackupPathOf(archivePath), archivePath);
}

}  // namespace tarno
