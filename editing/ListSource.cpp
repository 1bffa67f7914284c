#include "ListSource.h"

#include <array>

#include "AsciiText.h"

namespace tarno::editing {
namespace {

struct SourceName {
  std::string_view name;  // the bare file name, in capitals
  ListSource source;
};

// The channel lists of the .scm archives and the databases of the newer sets'
// .zip archives. Provider maps are satellite lists (Cable Prime excepted,
// which a cable provider sends).
constexpr std::array<SourceName, 18> kSources = {{
    {"MAP-CABLED", ListSource::Cable},
    {"MAP-AIRD", ListSource::Terrestrial},
    {"MAP-SATED", ListSource::Satellite},
    {"MAP-AIRA", ListSource::Analog},
    {"MAP-CABLEA", ListSource::Analog},
    {"MAP-AIRCABLEMIXEDA", ListSource::Analog},
    {"MAP-AIRCABLEMIXEDD", ListSource::Cable},
    {"MAP-ASTRAHDPLUSD", ListSource::Satellite},
    {"MAP-CYFRAPLUSD", ListSource::Satellite},
    {"MAP-FREESATD", ListSource::Satellite},
    {"MAP-TIVUSATD", ListSource::Satellite},
    {"MAP-CANALDIGITALSATD", ListSource::Satellite},
    {"MAP-DIGITALPLUSD", ListSource::Satellite},
    {"MAP-CABLEPRIME_D", ListSource::Cable},
    {"DVBC", ListSource::Cable},
    {"DVBS", ListSource::Satellite},
    {"DVBT", ListSource::Terrestrial},
    {"DVB_ANALOG", ListSource::Analog},
}};

}  // namespace

ListSource SourceOfList(std::string_view fileName) {
  const std::string name = text::UpperAscii(fileName);
  for (const SourceName& known : kSources)
    if (name == known.name) return known.source;
  return ListSource::Unknown;
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
