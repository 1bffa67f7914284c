// What a television archive's entries are, in words: "map-CableD" is the
// digital cable list, "dvbs" the satellite list of a newer set. The tabs of the
// window name an archive's lists by these words; the order of the table is the
// order the tabs show them in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ListSource.h"

namespace tarno::editing {

// The words are in English; they are marked for translation in context
// kListNamesContext.
inline constexpr const char* kListNamesContext = "ChannelListNames";

struct ChannelListName {
  std::string_view entry;  // the archive entry's name, as the set spells it
  std::string_view words;  // "Cable digital"
  ListSource source;  // Unknown: no list a reference is taken from
};

// The channel list an entry name is (ASCII case aside); none for other files.
const ChannelListName* ChannelListOf(std::string_view entryName);

// Entry names in the order their tabs are shown: channel lists in the table's
// order, then the other files in the order given.
std::vector<std::string> EntriesInTabOrder(const std::vector<std::string>& entryNames);

}  // namespace tarno::editing
