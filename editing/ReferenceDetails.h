// A loaded channel list read as a reference: its channels with the keys they
// are found by, and what each could give the list it is applied to (its
// places in the favourites lists, lock / skip / hide, its name).
#pragma once

#include "CellStore.h"
#include "ReferenceList.h"

namespace tarno::editing {

// Throws ChannelListError when the layout has no number field. A favourites
// list kept as positions gives each member its position, one kept as bits
// (0/1 per list, or a bit of a shared field) gives 1.
Reference ReferenceFromGrid(const TDataObject& data, const grid::CellStore& cells);

}  // namespace tarno::editing
