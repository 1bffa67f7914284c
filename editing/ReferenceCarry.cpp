#include "ReferenceCarry.h"

#include <algorithm>

#include "FieldNumbers.h"
#include "FileSystem.h"
#include "ListSource.h"

namespace tarno::editing {
namespace {

constexpr int32_t kNotInList = -1;

const ReferenceDetails* DetailsOf(const CarriedChannels& carried, size_t channel) {
  const int index = carried.matched[channel];
  if (index < 0 || static_cast<size_t>(index) >= carried.reference.details.size()) return nullptr;
  return &carried.reference.details[static_cast<size_t>(index)];
}

uint32_t WithBits(uint32_t value, uint32_t bits, bool on) { return on ? value | bits : value & ~bits; }

// A list kept as bits: members found get the bit, the others lose it unless kept.
void TakeOverBits(FieldNumbers& numbers, grid::CellStore& cells, const CarriedChannels& carried, int column,
                  uint32_t mask, int list) {
  for (size_t i = 0; i < carried.channels.size(); ++i) {
    const ReferenceDetails* details = DetailsOf(carried, i);
    if (!details && carried.keepUnmatched) continue;
    const int row = carried.channels[i].row;
    const bool member = details && details->favourite[static_cast<size_t>(list - 1)] > 0;
    numbers.Write(cells, column, row, WithBits(numbers.Read(cells, column, row), mask, member));
  }
}

// A list kept as positions: the reference's members found, in its order, then
// the channels kept, in their old order; everybody else is out.
void TakeOverPositions(FieldNumbers& numbers, grid::CellStore& cells, const CarriedChannels& carried, int column,
                       int list) {
  struct Member {
    int32_t place;
    uint32_t number;
    int row;
  };
  std::vector<Member> members, kept;
  std::vector<int> others;
  for (size_t i = 0; i < carried.channels.size(); ++i) {
    const ListedChannel& channel = carried.channels[i];
    const ReferenceDetails* details = DetailsOf(carried, i);
    const int32_t place = details ? details->favourite[static_cast<size_t>(list - 1)] : 0;
    const int32_t old = numbers.ReadSigned(cells, column, channel.row);
    const uint32_t referenceNumber = details ? carried.reference.list.channels[static_cast<size_t>(carried.matched[i])].number : 0;
    if (place > 0) members.push_back({place, referenceNumber, channel.row});
    else if (!details && carried.keepUnmatched && old >= 1) kept.push_back({old, channel.number, channel.row});
    else others.push_back(channel.row);
  }
  const auto inOrder = [](const Member& a, const Member& b) {
    return a.place != b.place ? a.place < b.place : a.number < b.number;
  };
  std::stable_sort(members.begin(), members.end(), inOrder);
  std::stable_sort(kept.begin(), kept.end(), inOrder);
  members.insert(members.end(), kept.begin(), kept.end());
  for (size_t p = 0; p < members.size(); ++p)
    numbers.Write(cells, column, members[p].row, static_cast<uint32_t>(p + 1));
  for (const int row : others) numbers.Write(cells, column, row, static_cast<uint32_t>(kNotInList));
}

bool IsAnalogList(const TDataObject& data) {
  return !data.Items.empty() && SourceOfList(BareNameOf(data.Items.front().FileName)) == ListSource::Analog;
}

}  // namespace

int CarryFavourites(TDataObject& data, grid::CellStore& cells, const CarriedChannels& carried) {
  const ChannelColumns columns = FindChannelColumns(data.Items);
  FieldNumbers numbers(data);
  int lists = 0;
  for (int list = 1; list <= kFavouriteLists; ++list) {
    const ChannelRole role = FavouriteRole(list);
    if (!columns.Has(role) || !carried.reference.Carries(role)) continue;
    if (columns.MaskOf(role) != 0) TakeOverBits(numbers, cells, carried, columns.Of(role), columns.MaskOf(role), list);
    else TakeOverPositions(numbers, cells, carried, columns.Of(role), list);
    ++lists;
  }
  return lists;
}

int CarryFlags(TDataObject& data, grid::CellStore& cells, const CarriedChannels& carried) {
  const ChannelColumns columns = FindChannelColumns(data.Items);
  FieldNumbers numbers(data);
  int changed = 0;
  for (size_t i = 0; i < carried.channels.size(); ++i) {
    const ReferenceDetails* details = DetailsOf(carried, i);
    if (!details) continue;
    bool any = false;
    for (size_t f = 0; f < kCarriedFlags.size(); ++f) {
      const ChannelRole role = kCarriedFlags[f];
      if (!columns.Has(role) || !carried.reference.Carries(role)) continue;
      const int row = carried.channels[i].row;
      const uint32_t value = numbers.Read(cells, columns.Of(role), row);
      const uint32_t mask = columns.MaskOf(role);
      const bool set = mask != 0 ? (value & mask) != 0 : value == 1;
      if (set == details->flag[f]) continue;
      numbers.Write(cells, columns.Of(role), row, mask != 0 ? WithBits(value, mask, details->flag[f]) : details->flag[f]);
      any = true;
    }
    changed += any ? 1 : 0;
  }
  return changed;
}

int CarryNames(TDataObject& data, grid::CellStore& cells, const CarriedChannels& carried) {
  const int column = FindChannelColumns(data.Items).Of(ChannelRole::Name);
  if (column == 0 || !carried.reference.Carries(ChannelRole::Name) || !IsAnalogList(data)) return 0;
  int changed = 0;
  for (size_t i = 0; i < carried.channels.size(); ++i) {
    const ReferenceDetails* details = DetailsOf(carried, i);
    const int row = carried.channels[i].row;
    if (!details || details->name.empty() || cells.Text(column, row) == details->name) continue;
    if (!data.CellTextRefusal(&cells, column, row, details->name).empty()) continue;
    cells.SetText(column, row, details->name);
    ++changed;
  }
  return changed;
}

}  // namespace tarno::editing
