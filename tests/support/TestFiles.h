// Temporary folders and whole-file helpers for tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace tarno::test {

// A fresh folder under the system temp folder, removed with the object.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarno-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Path of a file inside the folder, as a string the data model takes.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline std::string SourcePath(const std::string& relative) { return std::string(TARNO_SOURCE_DIR) + "/" + relative; }

// Extracts a real television archive from the shared samples into folder.
inline bool ExtractSample(const std::string& archive, const std::filesystem::path& folder) {
  const std::string command = "unzip -qq -o '" + std::string(TARNO_SAMPLES_DIR) + "/" + archive + "' -d '" +
                              folder.string() + "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// Extracts a real channel-list .zip of the newer sets (SQLite databases) into folder.
inline bool ExtractZipSample(const std::string& archive, const std::filesystem::path& folder) {
  const std::string command = "unzip -qq -o '" + std::string(TARNO_ZIP_SAMPLES_DIR) + "/" + archive + "' -d '" +
                              folder.string() + "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

inline std::vector<std::string> SampleArchives() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(TARNO_SAMPLES_DIR))
    if (entry.path().extension() == ".scm") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A test name for a parameter holding an archive's file name: its stem, letters and digits only.
inline std::string SampleTestName(const std::string& archive) {
  std::string name = archive.substr(0, archive.rfind('.'));
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

}  // namespace tarno::test
