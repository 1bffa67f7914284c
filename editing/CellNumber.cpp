#include "CellNumber.h"

#include "TarnoChannelEditUnit003.h"

namespace tarno::editing {

// Grid texts are UTF-8: the bytes of a non-ASCII character are no ASCII letters
// or digits, so they end the reading just as the single-byte character would.
uint32_t DecimalValue(std::string_view text) { return BaseTextToInt(text, kDecimal); }

bool IsNumbered(const grid::CellStore& cells, int col, int row) { return DecimalValue(cells.Text(col, row)) != 0; }

}  // namespace tarno::editing
