// Command-line words: options with a value, flags, and positional arguments.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarno::cli {

// A wrong command line; main prints it with the usage and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CliArguments {
 public:
  // valued: options that take the next word ("--ini"); flags: options alone ("--crc").
  CliArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
               const std::set<std::string>& flags);

  bool Flag(const std::string& name) const { return flags_.count(name) != 0; }
  // The option's value, or fallback when it was not given.
  std::string Value(const std::string& name, const std::string& fallback = "") const;
  // The option's value; a UsageError when it was not given.
  std::string Required(const std::string& name) const;
  const std::vector<std::string>& Positional() const { return positional_; }
  // The positional arguments, which must be exactly count.
  const std::vector<std::string>& Positional(size_t count) const;

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::vector<std::string> positional_;
};

}  // namespace tarno::cli
