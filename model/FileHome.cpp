#include "FileHome.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace tarno {
namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool HasSettings(const std::string& folder) {
  std::error_code ignored;
  return fs::is_regular_file(folder + kSettingsFileName, ignored);
}

// access() asks the file system, so a read-only mount counts as well as the folder's mode.
bool Writable(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

// The shipped files a user may change, relative to the shipped folder.
std::vector<fs::path> ShippedUserFiles(const std::string& shippedFolder) {
  std::vector<fs::path> files;
  for (const char* name : {kSettingsFileName, kScriptFileName})
    if (fs::exists(shippedFolder + name)) files.emplace_back(name);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(shippedFolder + "layouts", error))
    if (entry.path().extension() == ".ini") files.push_back(fs::path("layouts") / entry.path().filename());
  return files;
}

}  // namespace

std::string InstalledDataFolder(const std::string& programFolder) {
  return (fs::path(WithSlash(programFolder)).parent_path().parent_path() / "share" / "tarnochanneledit").string() +
         "/";
}

FileHome ChooseFileHome(const std::string& programFolder, const std::string& userDataFolder) {
  const std::string program = WithSlash(programFolder);
  const std::string user = WithSlash(userDataFolder);
  const bool ownSettings = HasSettings(program);
  if (ownSettings && Writable(program)) return {program, program};
  const std::string installed = InstalledDataFolder(program);
  if (!ownSettings && HasSettings(installed)) return {user, installed};
  if (!Writable(program)) return {user, program};
  return {program, program};  // no settings anywhere: the loads say so
}

int SeedUserFolder(const FileHome& home) {
  if (!home.SeparateFromShipped()) return 0;
  int copied = 0;
  for (const fs::path& file : ShippedUserFiles(home.shippedFolder)) {
    const fs::path target = home.userFolder / file;
    std::error_code error;
    if (fs::exists(target, error)) continue;
    fs::create_directories(target.parent_path(), error);
    // The shipped files are read-only; the user's copies are to be edited.
    if (fs::copy_file(home.shippedFolder / file, target, error)) {
      fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
      ++copied;
    }
  }
  return copied;
}

}  // namespace tarno
