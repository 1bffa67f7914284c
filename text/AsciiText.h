// Letter case as the editor compares text: only the ASCII letters a to z
// change case; every other byte, UTF-8 sequences included, stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace tarno::text {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace tarno::text
