// The channels a command acts on: those of the selected grid rows that are in
// use and not deleted (as ListGridChannels decides); empty slots are left alone.
#pragma once

#include <string>
#include <vector>

#include "ChannelList.h"

namespace tarno::editing {

// Grid rows as shown, first to last inclusive.
struct RowSpan {
  int first;
  int last;
};

// The channels of the list whose rows lie in the span, in row order.
std::vector<ListedChannel> ChannelsIn(const ChannelList& list, RowSpan rows);
// The channels of the grid's rows in the span, by row and number only.
std::vector<ListedChannel> SelectedChannels(const TDataObject& data, const grid::CellStore& cells, RowSpan rows);

// The column of the role's field; throws ChannelListError ("This list has no
// Skip field") when the layout has none.
int RequiredColumn(const ChannelColumns& columns, ChannelRole role);

}  // namespace tarno::editing
