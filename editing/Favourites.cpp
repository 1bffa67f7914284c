#include "Favourites.h"

#include <algorithm>

#include "FieldNumbers.h"

namespace tarno::editing {
namespace {

constexpr int32_t kNotInList = -1;

struct FavouriteField {
  int column = 0;
  uint32_t mask = 0;  // 0: the field holds positions
};

FavouriteField FieldOf(const TDataObject& data, int list) {
  if (list < 1 || list > kFavouriteLists) throw ChannelListError("There is no favourites list " + std::to_string(list));
  const ChannelColumns columns = FindChannelColumns(data.Items);
  const ChannelRole role = FavouriteRole(list);
  return {RequiredColumn(columns, role), columns.MaskOf(role)};
}

bool InList(int32_t position) { return position >= 1; }

void SetBits(FieldNumbers& numbers, grid::CellStore& cells, const std::vector<ListedChannel>& channels,
             const FavouriteField& field, bool on) {
  for (const ListedChannel& channel : channels) {
    const uint32_t value = numbers.Read(cells, field.column, channel.row);
    numbers.Write(cells, field.column, channel.row, on ? value | field.mask : value & ~field.mask);
  }
}

void AppendPositions(FieldNumbers& numbers, grid::CellStore& cells, const ChannelList& list,
                     const std::vector<ListedChannel>& selected, int column) {
  int32_t highest = 0;
  for (const ListedChannel& channel : list.channels)
    highest = std::max(highest, numbers.ReadSigned(cells, column, channel.row));
  for (const ListedChannel& channel : selected)
    if (!InList(numbers.ReadSigned(cells, column, channel.row)))
      numbers.Write(cells, column, channel.row, static_cast<uint32_t>(++highest));
}

void TakeOutPositions(FieldNumbers& numbers, grid::CellStore& cells, const ChannelList& list,
                      const std::vector<ListedChannel>& selected, int column) {
  std::vector<int32_t> freed;
  for (const ListedChannel& channel : selected) {
    const int32_t position = numbers.ReadSigned(cells, column, channel.row);
    if (!InList(position)) continue;
    freed.push_back(position);
    numbers.Write(cells, column, channel.row, static_cast<uint32_t>(kNotInList));
  }
  for (const ListedChannel& channel : list.channels) {
    const int32_t position = numbers.ReadSigned(cells, column, channel.row);
    if (!InList(position)) continue;
    const auto before = std::count_if(freed.begin(), freed.end(), [position](int32_t f) { return f < position; });
    if (before != 0) numbers.Write(cells, column, channel.row, static_cast<uint32_t>(position - before));
  }
}

void ChangeMembership(TDataObject& data, grid::CellStore& cells, RowSpan rows, int list, bool add) {
  const FavouriteField field = FieldOf(data, list);
  const ChannelList channels = ListGridChannelRows(data, cells, 1, cells.RowCount() - 1);
  const std::vector<ListedChannel> selected = SelectedChannels(data, cells, rows);
  FieldNumbers numbers(data);
  const grid::CellStore::Step step(cells);
  if (field.mask != 0) SetBits(numbers, cells, selected, field, add);
  else if (add) AppendPositions(numbers, cells, channels, selected, field.column);
  else TakeOutPositions(numbers, cells, channels, selected, field.column);
}

}  // namespace

void AddToFavourites(TDataObject& data, grid::CellStore& cells, RowSpan rows, int list) {
  ChangeMembership(data, cells, rows, list, true);
}

void RemoveFromFavourites(TDataObject& data, grid::CellStore& cells, RowSpan rows, int list) {
  ChangeMembership(data, cells, rows, list, false);
}

void OrderFavouritesByNumber(TDataObject& data, grid::CellStore& cells, int list) {
  const FavouriteField field = FieldOf(data, list);
  if (field.mask != 0) return;
  FieldNumbers numbers(data);
  struct Member {
    int row;
    uint32_t number;
    int32_t position;
  };
  std::vector<Member> members;
  for (const ListedChannel& channel : ListGridChannelRows(data, cells, 1, cells.RowCount() - 1).channels) {
    const int32_t position = numbers.ReadSigned(cells, field.column, channel.row);
    if (InList(position)) members.push_back({channel.row, channel.number, position});
  }
  std::stable_sort(members.begin(), members.end(), [](const Member& a, const Member& b) {
    return a.number != b.number ? a.number < b.number : a.position < b.position;
  });
  const grid::CellStore::Step step(cells);
  for (size_t i = 0; i < members.size(); ++i)
    numbers.Write(cells, field.column, members[i].row, static_cast<uint32_t>(i + 1));
}

namespace {

bool IsMember(FieldNumbers& numbers, const grid::CellStore& cells, const FavouriteField& field, int row) {
  return field.mask != 0 ? (numbers.Read(cells, field.column, row) & field.mask) != 0
                         : InList(numbers.ReadSigned(cells, field.column, row));
}

}  // namespace

void ShowFavouritesList(TDataObject& data, grid::CellStore& cells, int list) {
  const FavouriteField field = FieldOf(data, list);
  FieldNumbers numbers(data);
  struct Member {
    int row;
    int32_t position;
  };
  std::vector<Member> members;
  std::vector<int> others;
  for (const ListedChannel& channel : ListGridChannelRows(data, cells, 1, cells.RowCount() - 1).channels)
    if (IsMember(numbers, cells, field, channel.row))
      members.push_back({channel.row, field.mask != 0 ? 0 : numbers.ReadSigned(cells, field.column, channel.row)});
  std::stable_sort(members.begin(), members.end(),
                   [](const Member& a, const Member& b) { return a.position < b.position; });
  std::vector<bool> isMember(static_cast<size_t>(cells.RowCount()), false);
  std::vector<int> order;
  for (const Member& member : members) {
    order.push_back(member.row);
    isMember[static_cast<size_t>(member.row)] = true;
  }
  for (int row = 1; row < cells.RowCount(); ++row)
    if (!isMember[static_cast<size_t>(row)]) order.push_back(row);
  {
    const grid::CellStore::Step step(cells);
    cells.ArrangeRows(1, order);
  }
  const int shown = static_cast<int>(members.size());
  for (int row = 1; row < cells.RowCount(); ++row)
    cells.SetRowHeight(row, row <= shown ? cells.DefaultRowHeight() : 0);
  if (shown > 0) cells.SetRow(1);
}

void ShowEveryChannel(grid::CellStore& cells) {
  for (int row = 1; row < cells.RowCount(); ++row)
    if (!cells.RowVisible(row)) cells.SetRowHeight(row, cells.DefaultRowHeight());
}

void NumberFavouritesInRowOrder(TDataObject& data, grid::CellStore& cells, int list) {
  const FavouriteField field = FieldOf(data, list);
  if (field.mask != 0) return;
  FieldNumbers numbers(data);
  const grid::CellStore::Step step(cells);
  uint32_t position = 0;
  for (const ListedChannel& channel : ListGridChannelRows(data, cells, 1, cells.RowCount() - 1).channels)
    if (InList(numbers.ReadSigned(cells, field.column, channel.row)))
      numbers.Write(cells, field.column, channel.row, ++position);
}

}  // namespace tarno::editing
