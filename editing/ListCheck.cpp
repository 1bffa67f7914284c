#include "ListCheck.h"

#include <algorithm>
#include <map>

#include "ChannelList.h"
#include "FieldNumbers.h"

namespace tarno::editing {
namespace {

// Values held by more than one row, each with its rows in row order.
template <typename Value>
using RowsByValue = std::map<Value, std::vector<int>>;

std::string RowList(const std::vector<int>& rows) {
  std::string text;
  for (const int row : rows) text += (text.empty() ? "" : ", ") + std::to_string(row);
  return text;
}

template <typename Value>
void AddShared(const RowsByValue<Value>& rowsByValue, const std::string& what, std::vector<ListProblem>& problems) {
  for (const auto& [value, rows] : rowsByValue)
    if (rows.size() > 1) problems.push_back({what + " " + std::to_string(value) + ": rows " + RowList(rows), rows.front()});
}

void CheckNumbers(const ChannelList& list, std::vector<ListProblem>& problems) {
  RowsByValue<uint32_t> rowsByNumber;
  for (const ListedChannel& channel : list.channels) {
    if (channel.number == 0) problems.push_back({"number 0: row " + std::to_string(channel.row), channel.row});
    else rowsByNumber[channel.number].push_back(channel.row);
  }
  AddShared(rowsByNumber, "duplicate number", problems);
}

void CheckFavouritePositions(TDataObject& data, const grid::CellStore& cells, const ChannelList& list,
                             std::vector<ListProblem>& problems) {
  const ChannelColumns columns = FindChannelColumns(data.Items);
  FieldNumbers numbers(data);
  for (int favourites = 1; favourites <= kFavouriteLists; ++favourites) {
    const ChannelRole role = FavouriteRole(favourites);
    if (!columns.Has(role) || columns.MaskOf(role) != 0) continue;
    RowsByValue<int32_t> rowsByPosition;
    for (const ListedChannel& channel : list.channels) {
      const int32_t position = numbers.ReadSigned(cells, columns.Of(role), channel.row);
      if (position >= 1) rowsByPosition[position].push_back(channel.row);
    }
    AddShared(rowsByPosition, std::string(RoleCaption(role)) + ": duplicate position", problems);
  }
}

}  // namespace

std::vector<ListProblem> CheckList(TDataObject& data, const grid::CellStore& cells) {
  // By row and number alone: Save runs this over the whole list every time.
  const ChannelList list = ListGridChannelRows(data, cells, 1, cells.RowCount() - 1);
  std::vector<ListProblem> problems;
  CheckNumbers(list, problems);
  CheckFavouritePositions(data, cells, list, problems);
  std::stable_sort(problems.begin(), problems.end(),
                   [](const ListProblem& a, const ListProblem& b) { return a.row < b.row; });
  return problems;
}

}  // namespace tarno::editing
