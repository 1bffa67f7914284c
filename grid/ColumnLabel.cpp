#include "ColumnLabel.h"

#include <algorithm>

namespace tarno::grid {

std::string ColumnLetters(int col) {
  // Bijective base 26: 1 -> A, 26 -> Z, 27 -> AA.
  std::string letters;
  for (int n = col; n > 0; n = (n - 1) / 26) letters.push_back(static_cast<char>('A' + (n - 1) % 26));
  std::reverse(letters.begin(), letters.end());
  return letters;
}

std::string ColumnLabel(int col, bool a1Style) {
  return a1Style ? ColumnLetters(col) : std::to_string(col);
}

}  // namespace tarno::grid
