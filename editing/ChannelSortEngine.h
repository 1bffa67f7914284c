// A sort engine set up as the channel grid's: default settings, character keys
// compared as UTF-8 (Unicode code-point order, ASCII letters without regard to
// case), so names in any script keep their own order.
#pragma once

#include "SortEngine.h"

namespace tarno::editing {

// Sorts rows first..last of the grid by column col, ascending, type as given.
grid::SortEngine ChannelSortEngine(grid::ToSortType type, int col, int first, int last);

}  // namespace tarno::editing
