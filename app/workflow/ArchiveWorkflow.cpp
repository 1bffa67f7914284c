#include "ArchiveWorkflow.h"

#include <filesystem>
#include <system_error>

#include "FileSystem.h"

namespace tarno {

std::string ExtractArchive(TelevisionArchive& archive, const std::string& path, std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  try {
    archive.Open(path);
    archive.SetBaseDirectory(folder);
    archive.ExtractAll();
  } catch (...) {
    archive.Close();
    throw;
  }
  return "File '" + BareNameOf(archive.FileName()) + "' extracted to '" + folder + "'";
}

int UpdateArchive(TelevisionArchive& archive) {
  const int replaced = archive.FreshenAll();
  archive.Save();
  return replaced;
}

}  // namespace tarno
