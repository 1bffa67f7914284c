// What a reference list gives the channels found in it besides their numbers:
// its favourites lists, lock / skip / hide and analog names. Favourites go
// through the notion both families share, "in list N at place P": a list kept
// as positions takes the reference's order, one kept as bits only its members.
#pragma once

#include <vector>

#include "CellStore.h"
#include "ReferenceList.h"

namespace tarno::editing {

struct CarriedChannels {
  const std::vector<ListedChannel>& channels;  // the loaded list's
  const std::vector<int>& matched;             // per channel, its reference channel's index, -1 for none
  const Reference& reference;
  bool keepUnmatched = false;  // channels not found keep what they have
};

// Each list N the loaded list has a field for and the reference carries
// becomes the reference's list N: its channels found, in its order (by place,
// then number; bits carry no order). Channels not found leave the list
// unless kept, behind the reference's channels. Returns the lists taken over.
int CarryFavourites(TDataObject& data, grid::CellStore& cells, const CarriedChannels& carried);

// Lock, skip and hide of the channels found, where both lists have the flag.
// Returns the channels whose flags changed.
int CarryFlags(TDataObject& data, grid::CellStore& cells, const CarriedChannels& carried);

// The reference's names of the channels found, when the loaded list is an
// analog one (digital names come from the broadcast). A name the field has
// no room for is left out. Returns the names changed.
int CarryNames(TDataObject& data, grid::CellStore& cells, const CarriedChannels& carried);

}  // namespace tarno::editing
