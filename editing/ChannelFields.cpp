#include "ChannelFields.h"

#include <cstdlib>
#include <limits>
#include <optional>

#include "AsciiText.h"
#include "LayoutReader.h"

namespace tarno::editing {
namespace {

constexpr std::array<std::string_view, kChannelRoleCount> kRoleCaptions = {
    "Nr",   "Name", "SID",  "TSID", "ONID", "MHz",  "In use", "Del",  "Fav1",
    "Fav2", "Fav3", "Fav4", "Fav5", "Lock", "Skip", "Hide",   "Crypt"};

constexpr char kRoleSeparator = '+';
constexpr char kMaskMark = '&';

// The mask a role part gives the role (0 without one), or nothing when the part
// does not name the role or its mask is no number.
std::optional<uint32_t> RoleMask(std::string_view part, ChannelRole role) {
  const size_t mark = part.find(kMaskMark);
  if (!NamesRole(part.substr(0, mark), role)) return std::nullopt;
  if (mark == std::string_view::npos) return 0u;
  const auto mask = ParseLayoutInteger(TrimControls(part.substr(mark + 1)), 1, std::numeric_limits<uint32_t>::max());
  if (!mask) return std::nullopt;
  return static_cast<uint32_t>(*mask);
}

// What the field says of the role: its caption, or each part of its role part.
std::optional<uint32_t> FieldMask(const TDataItem& item, ChannelRole role) {
  if (item.Role.empty()) return NamesRole(item.Name, role) ? std::optional<uint32_t>(0u) : std::nullopt;
  std::string_view rest = item.Role;
  while (true) {
    const size_t separator = rest.find(kRoleSeparator);
    if (const auto mask = RoleMask(rest.substr(0, separator), role)) return mask;
    if (separator == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(separator + 1);
  }
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
