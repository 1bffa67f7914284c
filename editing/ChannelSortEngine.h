// A sort engine set up as the channel grid's: default settings, character keys
// compared in the single-byte code page the records store text in.
#pragma once

#include "SortEngine.h"

namespace tarno::editing {

// Sorts rows first..last of the grid by column col, ascending, type as given.
grid::SortEngine ChannelSortEngine(grid::ToSortType type, int col, int first, int last);

}  // namespace tarno::editing
