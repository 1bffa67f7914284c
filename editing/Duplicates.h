// Channels that are the same service: after a new scan a television often
// lists a service twice, on two transponders or two frequencies.
#pragma once

#include <vector>

#include "CellStore.h"
#include "ChannelList.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// The groups of two or more channels with the same service identity (service,
// transport stream and original network id; name and frequency for analog
// lists; the name alone where a list has neither), each group by number
// ascending, the groups by their lowest number. Throws ChannelListError when
// the layout has no number field or nothing that identifies a service.
std::vector<std::vector<ListedChannel>> FindDuplicates(const TDataObject& data, const grid::CellStore& cells);

// Clears every channel of each group but the one with the lowest number, as
// "Clear row" clears a row. Returns how many were cleared.
int RemoveDuplicates(TDataObject& data, grid::CellStore& cells);

}  // namespace tarno::editing
