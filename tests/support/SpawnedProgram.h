// One of our programs from build/bin started in the background, for tests
// that signal it while it runs; what it printed is captured in files.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fcntl.h>
#include <string>
#include <thread>
#include <vector>

#include "TestFiles.h"

extern char** environ;

namespace tarno::test {

class SpawnedProgram {
 public:
  SpawnedProgram(const std::string& program, const std::vector<std::string>& args) {
    std::vector<std::string> words{std::string(TARNO_BIN_DIR) + "/" + program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, capture_.File("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, capture_.File("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  // A program still running is killed.
  ~SpawnedProgram() {
    if (running()) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  SpawnedProgram(const SpawnedProgram&) = delete;
  SpawnedProgram& operator=(const SpawnedProgram&) = delete;

  bool started() const { return pid_ > 0; }
  void Signal(int signal) const { ::kill(pid_, signal); }
  // Waits until the program ended or limit passed; true when it ended.
  bool WaitFor(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (running()) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ended_ = true;
        break;
      }
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return ended_;
  }
  int exitCode() const { return exitCode_; }  // -1 when a signal ended it
  std::string out() const { return ReadFile(capture_.File("out")); }
  std::string err() const { return ReadFile(capture_.File("err")); }

 private:
  bool running() const { return pid_ > 0 && !ended_; }

  TempDir capture_;
  pid_t pid_ = -1;
  bool ended_ = false;
  int exitCode_ = -1;
};

// Waits until path exists; false after limit.
inline bool WaitForFile(const std::string& path, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace tarno::test
