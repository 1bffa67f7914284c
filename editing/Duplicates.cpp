#include "Duplicates.h"

#include <algorithm>
#include <map>

#include "GridRecords.h"

namespace tarno::editing {
namespace {

std::vector<ChannelRole> ServiceIdentity(const TDataObject& data, const ChannelList& list) {
  std::vector<ChannelRole> roles = IdentityRoles(list, list);
  if (roles.empty() && list.Has(ChannelRole::Name)) roles = {ChannelRole::Name};
  if (roles.empty())
    throw ChannelListError("The layout of " + (data.Items.empty() ? std::string() : data.Items.front().FileName) +
                           " has no field that identifies a service (" +
                           std::string(RoleCaption(ChannelRole::ServiceId)) + ", or " +
                           std::string(RoleCaption(ChannelRole::Name)) + ")");
  return roles;
}

bool ByNumberThenRow(const ListedChannel& a, const ListedChannel& b) {
  return a.number != b.number ? a.number < b.number : a.row < b.row;
}

}  // namespace

std::vector<std::vector<ListedChannel>> FindDuplicates(const TDataObject& data, const grid::CellStore& cells) {
  const ChannelList list = ListGridChannels(data, cells);
  const std::vector<ChannelRole> roles = ServiceIdentity(data, list);
  std::map<std::string, std::vector<ListedChannel>> byKey;
  for (const ListedChannel& channel : list.channels) {
    const std::string key = JoinedKey(channel, roles);
    if (!key.empty()) byKey[key].push_back(channel);
  }
  std::vector<std::vector<ListedChannel>> groups;
  for (auto& [key, group] : byKey) {
    if (group.size() < 2) continue;
    std::sort(group.begin(), group.end(), ByNumberThenRow);
    groups.push_back(std::move(group));
  }
  std::sort(groups.begin(), groups.end(),
            [](const auto& a, const auto& b) { return ByNumberThenRow(a.front(), b.front()); });
  return groups;
}

int RemoveDuplicates(TDataObject& data, grid::CellStore& cells) {
  if (!GridShowsRecords(data, cells))
    throw ChannelListError("The grid no longer has one row per record and one column per field");
  int cleared = 0;
  grid::CellStore::Batch batch(cells);
  for (const std::vector<ListedChannel>& group : FindDuplicates(data, cells)) {
    for (size_t i = 1; i < group.size(); ++i) {
      data.ClearRow(&cells, group[i].row);
      ++cleared;
    }
  }
  return cleared;
}

}  // namespace tarno::editing
