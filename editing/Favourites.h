// Favourites lists 1 .. 5 of the selected channels. A list's field tells how
// the family keeps it: a field without a mask holds positions (E..J: -1 = not
// in the list, else 1, 2, 3 ...), a field with one holds the list as bits (D:
// 1 / 0 per list; B, C: a bit per list in one byte, only that bit changes).
// Each command is one undoable step; throws ChannelListError for a list the
// layout has no field for.
#pragma once

#include "CellStore.h"
#include "ChannelSelection.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// Positions: the channels not yet in the list follow its highest position, in
// row order; a channel already in it keeps its place. Bits: the list's bit is set.
void AddToFavourites(TDataObject& data, grid::CellStore& cells, RowSpan rows, int list);

// Positions: the channels leave the list and the positions behind each move up
// by one, so the list has no gaps. Bits: the list's bit is cleared.
void RemoveFromFavourites(TDataObject& data, grid::CellStore& cells, RowSpan rows, int list);

// Positions: the list's channels are numbered 1, 2, 3 ... in channel-number
// order (equal numbers keep their order). A list kept as bits has no order.
void OrderFavouritesByNumber(TDataObject& data, grid::CellStore& cells, int list);

// The view of one list: its channels alone (the other rows hidden), first,
// in list order. The rows' order changes as one step; hiding them is no edit.
void ShowFavouritesList(TDataObject& data, grid::CellStore& cells, int list);
// Every row shown again, in the order it has.
void ShowEveryChannel(grid::CellStore& cells);
// Positions: the list's channels are numbered 1, 2, 3 ... in row order, as
// rows moved in the list's view leave them. The channel numbers stay.
void NumberFavouritesInRowOrder(TDataObject& data, grid::CellStore& cells, int list);

}  // namespace tarno::editing
