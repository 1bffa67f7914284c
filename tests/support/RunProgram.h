// Runs one of our programs from build/bin and captures what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace tarno::test {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
  TempDir capture;
  std::string command = ShellQuote(std::string(TARNO_BIN_DIR) + "/" + program);
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " >" + ShellQuote(capture.File("out")) + " 2>" + ShellQuote(capture.File("err")) + " </dev/null";
  const int status = std::system(command.c_str());
  ProgramResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(capture.File("out"));
  result.err = ReadFile(capture.File("err"));
  return result;
}

}  // namespace tarno::test
