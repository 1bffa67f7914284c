#include "SwapChannels.h"

#include <numeric>

#include "FieldNumbers.h"

namespace tarno::editing {

void SwapChannels(TDataObject& data, grid::CellStore& cells, RowSpan rows) {
  const std::vector<ListedChannel> channels = SelectedChannels(data, cells, rows);
  if (channels.size() < 2) return;
  const int upper = channels.front().row;
  const int lower = channels.back().row;
  const int numberColumn = FindChannelColumns(data.Items).Of(ChannelRole::Number);
  FieldNumbers numbers(data);
  const uint32_t upperNumber = numbers.Read(cells, numberColumn, upper);
  const uint32_t lowerNumber = numbers.Read(cells, numberColumn, lower);
  const grid::CellStore::Step step(cells);
  // The numbers stay with the places: each row's number goes to the channel arriving there.
  numbers.Write(cells, numberColumn, upper, lowerNumber);
  numbers.Write(cells, numberColumn, lower, upperNumber);
  std::vector<int> order(static_cast<size_t>(lower - upper + 1));
  std::iota(order.begin(), order.end(), upper);
  std::swap(order.front(), order.back());
  cells.ArrangeRows(upper, order);
}

}  // namespace tarno::editing
