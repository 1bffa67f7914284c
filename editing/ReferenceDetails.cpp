#include "ReferenceDetails.h"

#include "FieldNumbers.h"

namespace tarno::editing {
namespace {

// A flag with bits of its own is set when they are; a field of its own only
// when it holds 1 (sets write other values there for "undefined").
bool FlagSet(uint32_t value, const ChannelColumns& columns, ChannelRole role) {
  return columns.MaskOf(role) != 0 ? (value & columns.MaskOf(role)) != 0 : value == 1;
}

int32_t FavouritePlace(FieldNumbers& numbers, const grid::CellStore& cells, const ChannelColumns& columns,
                       ChannelRole role, int row) {
  const uint32_t value = numbers.Read(cells, columns.Of(role), row);
  if (columns.MaskOf(role) != 0) return (value & columns.MaskOf(role)) != 0 ? 1 : 0;
  const auto place = static_cast<int32_t>(value);
  return place >= 1 ? place : 0;
}

ReferenceDetails DetailsOf(FieldNumbers& numbers, const grid::CellStore& cells, const ChannelColumns& columns,
                           int row) {
  ReferenceDetails details;
  for (int list = 1; list <= kFavouriteLists; ++list)
    if (columns.Has(FavouriteRole(list)))
      details.favourite[static_cast<size_t>(list - 1)] =
          FavouritePlace(numbers, cells, columns, FavouriteRole(list), row);
  for (size_t f = 0; f < kCarriedFlags.size(); ++f) {
    const ChannelRole role = kCarriedFlags[f];
    if (columns.Has(role)) details.flag[f] = FlagSet(numbers.Read(cells, columns.Of(role), row), columns, role);
  }
  if (columns.Has(ChannelRole::Name)) details.name = std::string(cells.Text(columns.Of(ChannelRole::Name), row));
  return details;
}

}  // namespace

Reference ReferenceFromGrid(const TDataObject& data, const grid::CellStore& cells) {
  Reference reference;
  reference.list = ListGridChannels(data, cells);
  const ChannelColumns columns = FindChannelColumns(data.Items);
  for (size_t r = 0; r < kChannelRoleCount; ++r) {
    const auto role = static_cast<ChannelRole>(r);
    const bool detailed = role == ChannelRole::Name || (role >= ChannelRole::Fav1 && role <= ChannelRole::Hide);
    reference.carries[r] = detailed && columns.Has(role);
  }
  FieldNumbers numbers(data);
  reference.details.reserve(reference.list.channels.size());
  for (const ListedChannel& channel : reference.list.channels)
    reference.details.push_back(DetailsOf(numbers, cells, columns, channel.row));
  return reference;
}

}  // namespace tarno::editing
