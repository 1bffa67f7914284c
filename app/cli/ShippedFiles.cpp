#include "ShippedFiles.h"

#include <filesystem>

#include "FileHome.h"

namespace tarno::cli {
namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : self.parent_path();
}

}  // namespace

std::string ShippedFile(const std::string& name) {
  const fs::path beside = ProgramFolder() / name;
  if (fs::exists(beside)) return beside.string();
  return (fs::path(InstalledDataFolder(ProgramFolder().string())) / name).string();
}

}  // namespace tarno::cli
