#include "CliArguments.h"

namespace tarno::cli {

CliArguments::CliArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                           const std::set<std::string>& flags) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (valued.count(word)) {
      if (i + 1 >= words.size()) throw UsageError("option " + word + " needs a value");
      values_[word] = words[++i];
    } else if (flags.count(word)) {
      flags_.insert(word);
    } else if (word.size() > 2 && word.rfind("--", 0) == 0) {
      throw UsageError("unknown option " + word);
    } else {
      positional_.push_back(word);
    }
  }
}

std::string CliArguments::Value(const std::string& name, const std::string& fallback) const {
  const auto found = values_.find(name);
  return found == values_.end() ? fallback : found->second;
}

std::string CliArguments::Required(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) throw UsageError("option " + name + " is required");
  return found->second;
}

const std::vector<std::string>& CliArguments::Positional(size_t count) const {
  if (positional_.size() != count)
    throw UsageError("expected " + std::to_string(count) + " file arguments, got " +
                     std::to_string(positional_.size()));
  return positional_;
}

}  // namespace tarno::cli
