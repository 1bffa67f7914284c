// The Format function scripts call: "%" [index ":"] ["-"] [width] ["." precision]
// type, with the types d u e f g n m p s x and "*" for a width, precision or
// index taken from the arguments. Independent of the C locale: the decimal
// separator is ".", the thousands separator ",", the currency sign "$" after
// the amount.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pscript {
class Value;
}

namespace tarno {

// A faulty format or an argument that does not fit its placeholder.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// args: the script's "array of const", a Variant array (or an empty value).
std::string FormatText(std::string_view format, const pscript::Value& args);
std::string FormatText(std::string_view format, const std::vector<pscript::Value>& args);

}  // namespace tarno
