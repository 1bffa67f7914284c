// The number a channel cell holds, as the renumber and sort commands read it:
// the trailing run of ASCII letters and digits read as decimal digits (letters
// weigh 10 and up), in wrapping 32-bit arithmetic.
#pragma once

#include <cstdint>
#include <string_view>

#include "CellStore.h"

namespace tarno::editing {

uint32_t DecimalValue(std::string_view text);
// A row is numbered in a column when its cell's decimal value is not zero.
bool IsNumbered(const grid::CellStore& cells, int col, int row);

}  // namespace tarno::editing
