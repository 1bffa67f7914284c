#include "FlagDisplay.h"

#include <algorithm>

#include "CellNumber.h"
#include "LayoutReader.h"

namespace tarno::editing {
namespace {

constexpr ChannelRole kFlagRoles[] = {ChannelRole::Lock,  ChannelRole::Skip, ChannelRole::Hide, ChannelRole::Crypt,
                                      ChannelRole::Deleted, ChannelRole::Fav1, ChannelRole::Fav2, ChannelRole::Fav3,
                                      ChannelRole::Fav4,  ChannelRole::Fav5};

bool IsFavourites(ChannelRole role) {
  return role == ChannelRole::Fav1 || role == ChannelRole::Fav2 || role == ChannelRole::Fav3 ||
         role == ChannelRole::Fav4 || role == ChannelRole::Fav5;
}

int ListNumberOf(ChannelRole role) {
  return static_cast<int>(role) - static_cast<int>(ChannelRole::Fav1) + 1;
}

// A blank cell holds 0; a text that is no whole number (hexadecimal, a
// conversion's word) is none.
std::optional<int64_t> ValueOf(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return 0;
  return WholeNumber(text);
}

// A field that has other roles beside its flags (a status byte that also
// says "in use") keeps showing its value.
bool HasOnlyFlagRoles(const TDataItem& item) {
  return std::ranges::all_of(RoleParts(item.Role), [](const RolePart& part) {
    return std::ranges::any_of(kFlagRoles, [&part](ChannelRole role) { return NamesRole(part.name, role); });
  });
}

}  // namespace

FlagDisplay::FlagDisplay(const std::vector<TDataItem>& items) {
  const ChannelColumns found = FindChannelColumns(items);
  for (ChannelRole role : kFlagRoles)
    if (found.Has(role)) columns_[found.Of(role)].push_back({role, found.MaskOf(role)});
  for (const TDataItem& item : items)
    if (!HasOnlyFlagRoles(item)) columns_.erase(item.Column);
}

std::optional<std::string> FlagDisplay::Shown(int col, std::string_view text) const {
  const auto column = columns_.find(col);
  if (column == columns_.end()) return std::nullopt;
  const std::optional<int64_t> value = ValueOf(text);
  if (!value) return std::nullopt;
  const std::vector<Flag>& flags = column->second;
  const Flag& only = flags.front();
  if (flags.size() == 1 && only.mask == 0 && IsFavourites(only.role)) {  // a list of positions
    if (*value < 0) return std::string(kFlagClear);
    return std::nullopt;
  }
  if (flags.size() == 1) {
    const bool set = only.mask == 0 ? *value != 0 : (static_cast<uint64_t>(*value) & only.mask) != 0;
    return std::string(set ? kFlagSet : kFlagClear);
  }
  std::string lists;  // several favourites bits in one field
  for (const Flag& flag : flags) {
    if (!IsFavourites(flag.role) || (static_cast<uint64_t>(*value) & flag.mask) == 0) continue;
    if (!lists.empty()) lists += ' ';
    lists += std::to_string(ListNumberOf(flag.role));
  }
  return lists.empty() ? std::string(kFlagClear) : lists;
}

}  // namespace tarno::editing
