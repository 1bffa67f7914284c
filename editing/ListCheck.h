// "Check list": what a television would stumble over in a channel list.
#pragma once

#include <string>
#include <vector>

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

struct ListProblem {
  std::string text;  // "duplicate number 12: rows 4, 9"
  int row = 0;       // the first grid row involved
};

// Channels sharing a number, channels numbered 0, and a favourites position
// used twice in one list (lists kept as positions only), in order of their
// first rows. Throws ChannelListError when the layout has no number field.
std::vector<ListProblem> CheckList(TDataObject& data, const grid::CellStore& cells);

}  // namespace tarno::editing
