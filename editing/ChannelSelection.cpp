#include "ChannelSelection.h"

namespace tarno::editing {

std::vector<ListedChannel> ChannelsIn(const ChannelList& list, RowSpan rows) {
  std::vector<ListedChannel> selected;
  for (const ListedChannel& channel : list.channels)
    if (channel.row >= rows.first && channel.row <= rows.last) selected.push_back(channel);
  return selected;
}

std::vector<ListedChannel> SelectedChannels(const TDataObject& data, const grid::CellStore& cells, RowSpan rows) {
  return ListGridChannelRows(data, cells, rows.first, rows.last).channels;
}

int RequiredColumn(const ChannelColumns& columns, ChannelRole role) {
  if (!columns.Has(role)) throw ChannelListError("This list has no " + std::string(RoleCaption(role)) + " field");
  return columns.Of(role);
}

}  // namespace tarno::editing
