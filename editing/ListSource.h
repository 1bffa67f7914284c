// Where a channel list's channels come from: cable, satellite, terrestrial
// (air) or analog. A reference list is taken from the list of the same source
// as the loaded one, so the source is read off the file name.
#pragma once

#include <string_view>

namespace tarno::editing {

enum class ListSource { Unknown, Cable, Satellite, Terrestrial, Analog };

// The source of a list by its bare file name ("map-CableD", "map-AirA",
// "dvbs", a provider's map such as "map-AstraHDPlusD"), as the table of
// channel lists (ChannelListNames) gives it; Unknown for other files.
ListSource SourceOfList(std::string_view fileName);

// "cable", "satellite", "terrestrial", "analog" or "unknown", for messages.
std::string_view SourceWord(ListSource source);

}  // namespace tarno::editing
