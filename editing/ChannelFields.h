// The fields the channel-list commands (reference lists, duplicates) read. A
// field is found by its role: the seventh part of its ITEM line when it has
// one, else its caption, as the default layouts caption them.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "DataItem.h"

namespace tarno::editing {

enum class ChannelRole { Number, Name, ServiceId, TransportId, NetworkId, Frequency, InUse, Deleted };
inline constexpr size_t kChannelRoleCount = 8;

// The caption a role goes by ("Nr", "Name", "SID", "TSID", "ONID", "MHz", "In use", "Del").
std::string_view RoleCaption(ChannelRole role);

// Whether a caption or role text names the role: ASCII case and blanks at the ends do not count.
bool NamesRole(std::string_view text, ChannelRole role);

// The grid column of each role's field, 0 when the layout has none.
class ChannelColumns {
 public:
  int Of(ChannelRole role) const { return columns_[static_cast<size_t>(role)]; }
  bool Has(ChannelRole role) const { return Of(role) != 0; }
  void Set(ChannelRole role, int column) { columns_[static_cast<size_t>(role)] = column; }

 private:
  std::array<int, kChannelRoleCount> columns_{};
};

// A field with a role of its own answers to that role only; a field without
// one answers to its caption. The first field in layout order wins.
ChannelColumns FindChannelColumns(const std::vector<TDataItem>& items);

}  // namespace tarno::editing
