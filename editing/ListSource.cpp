#include "ListSource.h"

#include "ChannelListNames.h"

namespace tarno::editing {

ListSource SourceOfList(std::string_view fileName) {
  const ChannelListName* list = ChannelListOf(fileName);
  return list ? list->source : ListSource::Unknown;
}

std::string_view SourceWord(ListSource source) {
  switch (source) {
    case ListSource::Cable: return "cable";
    case ListSource::Satellite: return "satellite";
    case ListSource::Terrestrial: return "terrestrial";
    case ListSource::Analog: return "analog";
    case ListSource::Unknown: break;
  }
  return "unknown";
}

}  // namespace tarno::editing
