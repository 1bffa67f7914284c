// The number a channel cell holds, as the renumber and sort commands read it:
// the trailing run of ASCII letters and digits read as decimal digits (letters
// weigh 10 and up), in wrapping 32-bit arithmetic.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "CellStore.h"

namespace tarno::editing {

uint32_t DecimalValue(std::string_view text);
// The value of a text that is a whole decimal number, perhaps signed, with
// blanks around it; none for any other text, an empty one among them.
std::optional<int64_t> WholeNumber(std::string_view text);
// A row is numbered in a column when its cell's decimal value is not zero.
bool IsNumbered(const grid::CellStore& cells, int col, int row);

}  // namespace tarno::editing
