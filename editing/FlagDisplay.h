// How the flag fields of a channel list read at a glance in the window: a set
// flag (Lock, Skip, Hide, Crypt, Del, a favourites flag) as "✓", a clear one
// as "–"; a field holding the bits of several favourites lists as the numbers
// of the lists set ("1 3"); a list of positions with "–" where a channel is
// not in it. Only what is shown changes: the cells keep their texts, so the
// bytes go back as they were.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ChannelFields.h"
#include "DataItem.h"

namespace tarno::editing {

class FlagDisplay {
 public:
  explicit FlagDisplay(const std::vector<TDataItem>& items);

  // The text to show for the text of a cell of column col; none: the text as it is.
  std::optional<std::string> Shown(int col, std::string_view text) const;
  bool Empty() const { return columns_.empty(); }

 private:
  struct Flag {
    ChannelRole role;
    uint32_t mask;  // 0: the whole field
  };
  std::map<int, std::vector<Flag>> columns_;
};

inline constexpr std::string_view kFlagSet = "\u2713";    // ✓
inline constexpr std::string_view kFlagClear = "\u2013";  // –

}  // namespace tarno::editing
