#include "CellNumber.h"

#include <charconv>

#include "TarnoChannelEditUnit003.h"

namespace tarno::editing {

// Grid texts are UTF-8: the bytes of a non-ASCII character are no ASCII letters
// or digits, so they end the reading just as the single-byte character would.
uint32_t DecimalValue(std::string_view text) { return BaseTextToInt(text, kDecimal); }

std::optional<int64_t> WholeNumber(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsNumbered(const grid::CellStore& cells, int col, int row) { return DecimalValue(cells.Text(col, row)) != 0; }

}  // namespace tarno::editing
