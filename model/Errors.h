// Errors raised by the data model. Commands do not catch them: they end the
// command, its clean-up runs, and the message reaches the user in a message box.
#pragma once

#include <stdexcept>
#include <string>

namespace tarno {

// A file or folder the platform could not open, create, read or write.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failed internal assertion; the message names where it was raised.
class AssertionError : public std::runtime_error {
 public:
  AssertionError(const std::string& message, const std::string& unit, int line)
      : std::runtime_error(message + " (" + unit + ", line " + std::to_string(line) + ")") {}
};

// A channel database that cannot be read or written as its settings section
// describes it; the message names the file and what is wrong ("dvbs: no table SRV").
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Message of a failed system call on a path, e.g. "Cannot open file 'x': No such file or directory".
std::string SystemErrorText(const std::string& action, const std::string& path, int errorNumber);

}  // namespace tarno
