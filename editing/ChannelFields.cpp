#include "ChannelFields.h"

#include <cstdlib>
#include <optional>

#include "AsciiText.h"
#include "LayoutReader.h"

namespace tarno::editing {
namespace {

constexpr std::array<std::string_view, kChannelRoleCount> kRoleCaptions = {
    "Nr",   "Name", "SID",  "TSID", "ONID", "MHz",  "In use", "Del",  "Fav1",
    "Fav2", "Fav3", "Fav4", "Fav5", "Lock", "Skip", "Hide",   "Crypt"};

// What the field says of the role: its caption, or each part of its role part;
// the mask the role owns (0: the whole field).
std::optional<uint32_t> FieldMask(const TDataItem& item, ChannelRole role) {
  if (item.Role.empty()) return NamesRole(item.Name, role) ? std::optional<uint32_t>(0u) : std::nullopt;
  for (const RolePart& part : RoleParts(item.Role))
    if (NamesRole(part.name, role)) return part.mask;
  return std::nullopt;
}

}  // namespace

std::string_view RoleCaption(ChannelRole role) { return kRoleCaptions[static_cast<size_t>(role)]; }

bool NamesRole(std::string_view text, ChannelRole role) {
  return text::UpperAscii(TrimControls(text)) == text::UpperAscii(RoleCaption(role));
}

ChannelRole FavouriteRole(int list) {
  return static_cast<ChannelRole>(static_cast<int>(ChannelRole::Fav1) + list - 1);
}

ChannelColumns FindChannelColumns(const std::vector<TDataItem>& items) {
  ChannelColumns columns;
  for (size_t r = 0; r < kChannelRoleCount; ++r) {
    const auto role = static_cast<ChannelRole>(r);
    for (const TDataItem& item : items) {
      const std::optional<uint32_t> mask = FieldMask(item, role);
      if (!mask) continue;
      columns.Set(role, std::abs(item.Column), *mask);
      break;
    }
  }
  return columns;
}

}  // namespace tarno::editing
