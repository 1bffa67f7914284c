#include "ChannelFields.h"

#include <cstdlib>

#include "AsciiText.h"
#include "LayoutReader.h"

namespace tarno::editing {
namespace {

constexpr std::array<std::string_view, kChannelRoleCount> kRoleCaptions = {
    "Nr", "Name", "SID", "TSID", "ONID", "MHz", "In use", "Del"};

constexpr std::array<ChannelRole, kChannelRoleCount> kRoles = {
    ChannelRole::Number,    ChannelRole::Name,      ChannelRole::ServiceId, ChannelRole::TransportId,
    ChannelRole::NetworkId, ChannelRole::Frequency, ChannelRole::InUse,     ChannelRole::Deleted};

}  // namespace

std::string_view RoleCaption(ChannelRole role) { return kRoleCaptions[static_cast<size_t>(role)]; }

bool NamesRole(std::string_view text, ChannelRole role) {
  return text::UpperAscii(TrimControls(text)) == text::UpperAscii(RoleCaption(role));
}

ChannelColumns FindChannelColumns(const std::vector<TDataItem>& items) {
  ChannelColumns columns;
  for (const ChannelRole role : kRoles) {
    for (const TDataItem& item : items) {
      const std::string_view answersTo = item.Role.empty() ? std::string_view(item.Name) : item.Role;
      if (!NamesRole(answersTo, role)) continue;
      columns.Set(role, std::abs(item.Column));
      break;
    }
  }
  return columns;
}

}  // namespace tarno::editing
