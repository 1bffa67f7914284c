// The label a header cell shows under its caption: the column number, or its
// letters in A1 style (A .. Z, AA .. AZ, BA ...).
#pragma once

#include <string>

namespace tarno::grid {

std::string ColumnLetters(int col);
std::string ColumnLabel(int col, bool a1Style);

}  // namespace tarno::grid
