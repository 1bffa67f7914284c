// The fields the channel-list commands read and change. A field is found by its
// role: the seventh part of its ITEM line when it has one, else its caption, as
// the default layouts caption them.
//
// The seventh part may name several roles joined by "+", each with a bit mask
// after "&" ("Fav1&$01+Fav2&$02" for one byte holding four favourite lists, or
// "In use&$80" for a status byte). A role with a mask is a flag: only those
// bits are its own. A favourite role without a mask holds list positions.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "DataItem.h"

namespace tarno::editing {

enum class ChannelRole {
  Number, Name, ServiceId, TransportId, NetworkId, Frequency, InUse, Deleted,
  Fav1, Fav2, Fav3, Fav4, Fav5, Lock, Skip, Hide, Crypt
};
inline constexpr size_t kChannelRoleCount = 17;
inline constexpr int kFavouriteLists = 5;

// The caption a role goes by ("Nr", "Name", "SID", "TSID", "ONID", "MHz", "In use",
// "Del", "Fav1" .. "Fav5", "Lock", "Skip", "Hide", "Crypt").
std::string_view RoleCaption(ChannelRole role);

// Whether a caption or role text names the role: ASCII case and blanks at the ends do not count.
bool NamesRole(std::string_view text, ChannelRole role);

// The role of favourites list 1 .. 5.
ChannelRole FavouriteRole(int list);

// The grid column of each role's field, 0 when the layout has none, and the
// bits the role owns in it (0: no mask given, the field is the role's alone).
class ChannelColumns {
 public:
  int Of(ChannelRole role) const { return columns_[Index(role)]; }
  bool Has(ChannelRole role) const { return Of(role) != 0; }
  uint32_t MaskOf(ChannelRole role) const { return masks_[Index(role)]; }
  // The bits a flag sets: its mask, or bit 0.
  uint32_t FlagBits(ChannelRole role) const { return MaskOf(role) != 0 ? MaskOf(role) : 1u; }
  void Set(ChannelRole role, int column, uint32_t mask = 0) {
    columns_[Index(role)] = column;
    masks_[Index(role)] = mask;
  }

 private:
  static size_t Index(ChannelRole role) { return static_cast<size_t>(role); }
  std::array<int, kChannelRoleCount> columns_{};
  std::array<uint32_t, kChannelRoleCount> masks_{};
};

// A field with a role part answers to the roles it names only; a field without
// one answers to its caption. The first field in layout order wins.
ChannelColumns FindChannelColumns(const std::vector<TDataItem>& items);

}  // namespace tarno::editing
