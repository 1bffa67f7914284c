#include "ChannelListNames.h"

#include <algorithm>
#include <array>

#include "AsciiText.h"

// Marks the words for translation without Qt: lupdate reads the marks.
#define QT_TRANSLATE_NOOP(context, text) text

namespace tarno::editing {
namespace {

// Digital lists before analog ones; the provider lists after the satellite
// list they belong to.
constexpr std::array kListNames = {
    ChannelListName{"map-CableD", QT_TRANSLATE_NOOP("ChannelListNames", "Cable digital"), ListSource::Cable},
    ChannelListName{"dvbc", QT_TRANSLATE_NOOP("ChannelListNames", "Cable digital"), ListSource::Cable},
    ChannelListName{"map-CablePrime_D", QT_TRANSLATE_NOOP("ChannelListNames", "Cable Prime"), ListSource::Cable},
    ChannelListName{"map-AirD", QT_TRANSLATE_NOOP("ChannelListNames", "Air digital"), ListSource::Terrestrial},
    ChannelListName{"dvbt", QT_TRANSLATE_NOOP("ChannelListNames", "Air digital"), ListSource::Terrestrial},
    ChannelListName{"map-AirCableMixedD", QT_TRANSLATE_NOOP("ChannelListNames", "Air and cable digital"),
                    ListSource::Cable},
    ChannelListName{"map-SateD", QT_TRANSLATE_NOOP("ChannelListNames", "Satellite"), ListSource::Satellite},
    ChannelListName{"dvbs", QT_TRANSLATE_NOOP("ChannelListNames", "Satellite"), ListSource::Satellite},
    ChannelListName{"map-AstraHDPlusD", QT_TRANSLATE_NOOP("ChannelListNames", "Astra HD+"), ListSource::Satellite},
    ChannelListName{"map-CyfraPlusD", QT_TRANSLATE_NOOP("ChannelListNames", "Cyfra+"), ListSource::Satellite},
    ChannelListName{"map-FreesatD", QT_TRANSLATE_NOOP("ChannelListNames", "Freesat"), ListSource::Satellite},
    ChannelListName{"map-TivusatD", QT_TRANSLATE_NOOP("ChannelListNames", "Tivùsat"), ListSource::Satellite},
    ChannelListName{"map-CanalDigitalSatD", QT_TRANSLATE_NOOP("ChannelListNames", "Canal Digital"),
                    ListSource::Satellite},
    ChannelListName{"map-DigitalPlusD", QT_TRANSLATE_NOOP("ChannelListNames", "Digital+"), ListSource::Satellite},
    ChannelListName{"ipsrv", QT_TRANSLATE_NOOP("ChannelListNames", "Internet"), ListSource::Unknown},
    ChannelListName{"map-AirA", QT_TRANSLATE_NOOP("ChannelListNames", "Air analog"), ListSource::Analog},
    ChannelListName{"map-CableA", QT_TRANSLATE_NOOP("ChannelListNames", "Cable analog"), ListSource::Analog},
    ChannelListName{"dvb_analog", QT_TRANSLATE_NOOP("ChannelListNames", "Analog"), ListSource::Analog},
    ChannelListName{"map-AirCableMixedA", QT_TRANSLATE_NOOP("ChannelListNames", "Air and cable analog"),
                    ListSource::Analog},
};

size_t TabRank(const std::string& entryName) {
  const ChannelListName* list = ChannelListOf(entryName);
  return list ? static_cast<size_t>(list - kListNames.data()) : kListNames.size();
}

}  // namespace

const ChannelListName* ChannelListOf(std::string_view entryName) {
  const auto* found = std::find_if(kListNames.begin(), kListNames.end(), [entryName](const ChannelListName& list) {
    return text::EqualIgnoringAsciiCase(list.entry, entryName);
  });
  return found != kListNames.end() ? found : nullptr;
}

std::vector<std::string> EntriesInTabOrder(const std::vector<std::string>& entryNames) {
  std::vector<std::string> ordered = entryNames;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const std::string& a, const std::string& b) { return TabRank(a) < TabRank(b); });
  return ordered;
}

}  // namespace tarno::editing
