// "Sort rows": rows without a number in the selected column are gathered at the
// bottom, then the numbered rows are sorted by that column's text, upper-cased,
// byte by byte (a zero-padded number column therefore sorts by value). Grid only.
#pragma once

#include "CellStore.h"

namespace tarno::editing {

void SortRows(grid::CellStore* cells);

}  // namespace tarno::editing
