#include "ForeignCsv.h"

#include <map>
#include <string>

#include "ChannelList.h"

namespace tarno::editing {
namespace {

struct Comparison {
  int compared = 0;
  int differing = 0;
};

// The roles that tell whether two rows show one channel: names only where
// nothing else does, since a renamed channel stays the same channel.
std::vector<ChannelRole> SameChannelRoles(const ChannelList& a, const ChannelList& b) {
  const auto both = [&](ChannelRole role) { return a.Has(role) && b.Has(role); };
  if (both(ChannelRole::ServiceId)) {
    std::vector<ChannelRole> roles;
    for (const ChannelRole role : {ChannelRole::ServiceId, ChannelRole::TransportId, ChannelRole::NetworkId})
      if (both(role)) roles.push_back(role);
    return roles;
  }
  if (both(ChannelRole::Frequency)) return {ChannelRole::Frequency};
  if (both(ChannelRole::Name)) return {ChannelRole::Name};
  return {};
}

Comparison CompareRows(const ChannelList& csv, const ChannelList& grid, const std::vector<int>& gridRows,
                       const std::vector<ChannelRole>& roles) {
  std::map<int, const ListedChannel*> channelOnRow;
  for (const ListedChannel& channel : grid.channels) channelOnRow[channel.row] = &channel;
  Comparison result;
  for (const ListedChannel& row : csv.channels) {
    const auto record = channelOnRow.find(gridRows[static_cast<size_t>(row.row) - 1]);
    if (record == channelOnRow.end()) continue;  // an empty slot there
    ++result.compared;
    if (JoinedKey(row, roles) != JoinedKey(*record->second, roles)) ++result.differing;
  }
  return result;
}

}  // namespace

void RequireCsvOfThisList(const TDataObject& data, const grid::CellStore& cells, const std::vector<CsvRow>& rows,
                          const std::vector<int>& gridRows) {
  ChannelList csv;
  ChannelList grid;
  try {
    csv = ListCsvChannels(rows, data.Items);
    grid = ListGridChannels(data, cells);
  } catch (const ChannelListError&) {
    return;  // without numbers nothing tells a channel from an empty slot
  }
  const std::vector<ChannelRole> roles = SameChannelRoles(csv, grid);
  if (roles.empty()) return;
  const Comparison found = CompareRows(csv, grid, gridRows, roles);
  if (2 * found.differing > found.compared)
    throw CsvError("The CSV belongs to another list: " + std::to_string(found.differing) + " of " +
                   std::to_string(found.compared) + " channels differ from the records they would change");
}

}  // namespace tarno::editing
