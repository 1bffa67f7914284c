// Temporary folders, script files with placeholders filled in, and a loaded
// script host for the script tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include <pscript/value.h>

#include "ScriptObject.h"

namespace tarno::test {

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

inline std::filesystem::path TestScript(const std::string& name) {
  return std::filesystem::path(TARNO_TEST_SCRIPTS_DIR) / name;
}

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps runs from two build folders apart.
    std::string name = std::string("tarno-script-") + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" +
                       test->name();
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  // Copies tests/script/scripts/<name> here with every {KEY} replaced.
  std::string Script(const std::string& name, const std::map<std::string, std::string>& values = {},
                     const std::string& as = "") const {
    std::string text = ReadText(TestScript(name));
    for (const auto& [key, value] : values) {
      const std::string token = "{" + key + "}";
      for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    }
    const std::string target = File(as.empty() ? name : as);
    WriteText(target, text);
    return target;
  }

 private:
  std::filesystem::path path_;
};

// Runs the test body with another current directory.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::filesystem::path& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~CurrentDirectory() { std::filesystem::current_path(previous_); }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

// A host that must load; the test stops when it does not.
inline std::unique_ptr<TScriptObject> LoadedHost(const std::string& path) {
  auto host = std::make_unique<TScriptObject>(path);
  EXPECT_EQ(host->ErrorText, "") << path;
  return host;
}

}  // namespace tarno::test
