// "Swap": the first and last channel of the selection exchange places.
#pragma once

#include "CellStore.h"
#include "ChannelSelection.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// The first and last channel of the span exchange rows and numbers: each
// channel takes the other's row and number, the rows between stay, and nothing
// else of either record changes. Fewer than two channels: nothing to do. One
// undoable step; throws ChannelListError when the layout has no number field.
void SwapChannels(TDataObject& data, grid::CellStore& cells, RowSpan rows);

}  // namespace tarno::editing
