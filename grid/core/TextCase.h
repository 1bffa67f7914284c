// Small text helpers shared by the filter, the formulas and the cell names:
// case changes touch only the ASCII letters.
#pragma once

#include <string>
#include <string_view>

namespace tarno::grid {

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
bool AsciiEqualNoCase(std::string_view a, std::string_view b);
// Removes leading and trailing blanks and control characters.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tarno::grid
