// Blanks as the filter, the formulas and the cell names see them (letter case:
// AsciiText.h).
#pragma once

#include <string>
#include <string_view>

namespace tarno::grid {

// Removes leading and trailing blanks and control characters.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tarno::grid
