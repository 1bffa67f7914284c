#include "DemoArchive.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <utility>
#include <vector>

#include "ScriptSession.h"
#include "TarnoChannelEditUnit002.h"
#include "TelevisionArchive.h"
#include "Utf.h"

namespace tarno {
namespace {

// A record as typed into the grid: field captions and the texts of their cells.
using Record = std::vector<std::pair<std::string, std::string>>;

struct DemoFile {
  std::string name;
  std::vector<Record> records;
  size_t slots = 0;     // records in the file, those behind the given ones empty; 0: as many as given
  uint32_t header = 0;  // the header word, where the layout has one
};

// Channel maps always have this many slots; unused ones are all zero.
constexpr size_t kChannelSlots = 1000;
constexpr uint32_t kDatabaseVersion = 160;
constexpr int kFavouriteLists = 5;

std::string Text(int64_t number) { return std::to_string(number); }

// Fav1 to Fav5: position in one list (list 0: in none), -1 (not in the list) in the others.
void AddFavourites(Record& record, int list, int position) {
  for (int i = 1; i <= kFavouriteLists; ++i) record.emplace_back("Fav" + Text(i), i == list ? Text(position) : "-1");
}

DemoFile AnalogMap() {
  struct Channel {
    int number;
    const char* name;  // 5 characters, blank padded
    const char* mhz;
  };
  const Channel channels[] = {{1, "DEMO1", "175.25"}, {2, "DEMO2", "183.25"}, {3, "TEST ", "503.25"}};
  DemoFile file{"map-AirA", {}, kChannelSlots};
  for (const Channel& c : channels) {
    Record record = {{"Valid", "1"}, {"In use", "1"},       {"x3", "00 00 06"}, {"Tuned", "1"},
                     {"Nr", Text(c.number)}, {"Slot", Text(c.number)}, {"Name", c.name}, {"MHz", c.mhz}};
    AddFavourites(record, 1, c.number);
    file.records.push_back(std::move(record));
  }
  return file;
}

DemoFile CableMap() {
  struct Channel {
    int number;
    int serviceId;
    int serviceType;  // 1 TV, 2 radio, 25 HD
    const char* name;
    const char* shortName;
    int channel;  // PTC channel
    int provider;
    bool encrypted;
  };
  const Channel channels[] = {
      {1, 10301, 25, "Demo Eins HD", "Demo1", 3, 0, false},
      {2, 10302, 25, "Beispiel Zwei HD", "Bsp2", 3, 0, false},
      {3, 10401, 1, "Kanal Probe", "", 4, 1, false},
      {4, 10402, 1, "Testbild 24 ", "", 4, 1, true},
      {5, 10403, 2, "Radio Muster", "", 4, 1, false},
      {6, 10501, 1, "Nachrichten Demo", "", 5, 0, false},
  };
  constexpr int kRadioVideoPid = 0xFFFF;
  constexpr int kNetwork = 61441;
  DemoFile file{"map-CableD", {}, kChannelSlots};
  for (const Channel& c : channels) {
    Record record = {{"Nr", Text(c.number)},
                     {"VPID", Text(c.serviceType == 2 ? kRadioVideoPid : 0x100 + c.number)},
                     {"PCR", Text(0x100 + c.number)},
                     {"SID", Text(c.serviceId)},
                     {"In use", "1"},
                     {"Src", "1"},     // cable
                     {"Signal", "4"},
                     {"Mod", "2"},     // QAM256
                     {"BW", "1"},      // 8 MHz
                     {"Type", Text(c.serviceType)},
                     {"Crypt", c.encrypted ? "1" : "0"},
                     {"kSym/s", "6900"},
                     {"ONID", Text(kNetwork)},
                     {"NID", Text(kNetwork)},
                     {"Prov", Text(c.provider)},
                     {"Ch", Text(c.channel)},
                     {"TSID", Text(1000 + c.channel)},
                     {"Name", c.name},
                     {"Short", c.shortName}};
    AddFavourites(record, c.number <= 2 ? 2 : 0, c.number);
    file.records.push_back(std::move(record));
  }
  return file;
}

DemoFile SatelliteMap() {
  struct Channel {
    int number;
    int serviceId;
    int transponder;
    const char* name;
  };
  const Channel channels[] = {
      {1, 28001, 1, "Orbit Demo"}, {2, 28002, 1, "Sternwarte TV"}, {3, 28101, 2, "Probe Sat HD"}, {4, 28102, 3, "Muster Radio"}};
  DemoFile file{"map-SateD", {}, kChannelSlots};
  for (const Channel& c : channels) {
    Record record = {{"Nr", Text(c.number)},         {"VPID", Text(0x200 + c.number)},
                     {"PCR", Text(0x200 + c.number)}, {"In use", "1"},
                     {"Src", "3"},                   {"Type", "1"},
                     {"SID", Text(c.serviceId)},     {"TP", Text(c.transponder)},
                     {"Sat", c.transponder == 3 ? "2" : "1"},
                     {"TSID", Text(1000 + c.transponder)},
                     {"ONID", "1"},                  {"Name", c.name},
                     {"Prov", "2"}};
    AddFavourites(record, 0, 0);
    file.records.push_back(std::move(record));
  }
  return file;
}

DemoFile Satellites() {
  DemoFile file{"SatDataBase.dat", {}, 0, kDatabaseVersion};
  file.records = {{{"Mark", "U"}, {"Sat", "1"}, {"Name", "Demosat 19.2E"}, {"East", "1"}, {"Pos", "192"}},
                  {{"Mark", "U"}, {"Sat", "2"}, {"Name", "Probesat 13.0E"}, {"East", "1"}, {"Pos", "130"}}};
  return file;
}

DemoFile Transponders() {
  struct Transponder {
    int number, satellite;
    int64_t khz, symbolRate;
    int polarity;
  };
  DemoFile file{"TransponderDataBase.dat", {}, 0, kDatabaseVersion};
  for (const Transponder& t : {Transponder{1, 1, 11494000, 22000000, 0}, Transponder{2, 1, 11836000, 27500000, 0},
                               Transponder{3, 2, 12188000, 27500000, 1}})
    file.records.push_back({{"Mark", "U"}, {"TP", Text(t.number)}, {"Sat", Text(t.satellite)}, {"kHz", Text(t.khz)},
                            {"Sym/s", Text(t.symbolRate)}, {"Pol", Text(t.polarity)}, {"Mod", "FFFFFFFF"},
                            {"FEC", "3"}});
  return file;
}

DemoFile Providers() {
  return {"ServiceProviders",
          {{{"Src", "1"}, {"Prov", "0"}, {"Chans", "3"}, {"Name", "Demokabel"}},
           {{"Src", "1"}, {"Prov", "1"}, {"Chans", "3"}, {"Name", "Probenetz"}},
           {{"Src", "3"}, {"Prov", "2"}, {"Chans", "4"}, {"Name", "Sternwarte"}}}};
}

DemoFile RadioMap() {
  constexpr int kStations = 30;
  DemoFile file{"RadioMap", {}};
  for (int i = 0; i < kStations; ++i) file.records.push_back({{"kHz", "87500"}, {"Index", Text(i)}});
  return file;
}

// The check is the whole-MHz part of the frequency plus the channel number.
DemoFile CablePtc() {
  DemoFile file{"PTCCABLE", {}};
  for (int channel = 3; channel <= 5; ++channel) {
    const int mhz = 346 + 8 * channel;
    std::ostringstream check;
    check << std::hex << std::uppercase << ((mhz + channel) & 0xFF);
    file.records.push_back({{"MHz", Text(mhz)}, {"Ch", Text(channel)}, {"Check", check.str()}});
  }
  return file;
}

// The check is the sum of the low bytes of Offset ($FE), Quality (87 = $57) and One.
DemoFile FineTune() {
  return {"FineTune_Digital",
          {{{"Src", "1"}, {"Ch", "3"}, {"Offset", "-2"}, {"Quality", "87"}, {"One", "1"}, {"Check", "56"}}}};
}

DemoFile NetworkList() {
  return {"TSIDList",
          {{{"Src", "1"}, {"NID", "61441"}, {"Version", "3"}}, {{"Src", "3"}, {"NID", "1"}, {"Version", "3"}}},
          0,
          2};
}

// The region code "UED" as the header word, then the model name a character a record.
DemoFile CloneInfo() {
  DemoFile file{"CloneInfo", {}, 0, 0x00444555};
  for (const char c : std::string("UE40DEMO1")) file.records.push_back({{"Char", std::string(1, c)}});
  return file;
}

std::vector<DemoFile> DemoFiles() {
  return {AnalogMap(),
          CableMap(),
          SatelliteMap(),
          CablePtc(),
          FineTune(),
          Satellites(),
          Transponders(),
          DemoFile{"UserTransponderDataBase.dat", {}, 0, kDatabaseVersion},
          Providers(),
          RadioMap(),
          NetworkList(),
          CloneInfo(),
          DemoFile{"map-ChKey", {{{"Key", "0012536D"}}}}};
}

int FieldIndex(const TDataObject& data, const std::string& file, const std::string& caption) {
  for (size_t i = 0; i < data.Items.size(); ++i)
    if (data.Items[i].Name == caption) return static_cast<int>(i);
  throw DemoArchiveError("The layout of " + file + " has no field " + caption);
}

// The file's bytes: its records typed in field by field, check fields computed.
std::string FileBytes(const std::string& settingsFile, const DemoFile& file) {
  TDataObject data(settingsFile, file.name);
  if (!data.HasLayout()) throw DemoArchiveError("The settings have no layout for " + file.name);
  data.Header = file.header;
  data.Records.assign(std::max(file.slots, file.records.size()),
                      TDataByteArray(static_cast<size_t>(data.RecordSize()), 0));
  for (size_t r = 0; r < file.records.size(); ++r) {
    for (const auto& [caption, text] : file.records[r]) {
      if (data.TextToData(FieldIndex(data, file.name, caption), static_cast<int>(r), text::Utf8ToUtf16(text)))
        continue;
      const std::string why = !data.LastRefusal.empty() ? data.LastRefusal : data.LastError;
      throw DemoArchiveError(file.name + " " + caption + " does not take '" + text + "'" + (why.empty() ? "" : ": " + why));
    }
  }
  std::ostringstream bytes;
  if (!data.SaveToStream(bytes, true)) throw DemoArchiveError("The records of " + file.name + " do not save");
  return bytes.str();
}

}  // namespace

size_t WriteDemoArchive(const std::string& settingsFile, const std::string& scriptFile,
                        const std::string& archivePath) {
  std::string scriptError;
  ScriptSession script;
  if (!script.Reload(scriptFile, [&](const std::string& line) { scriptError = line; }))
    throw DemoArchiveError("The script " + scriptFile + " does not load: " + scriptError);
  const std::vector<DemoFile> files = DemoFiles();
  TelevisionArchive archive;
  archive.Create(archivePath);
  for (const DemoFile& file : files) archive.AddEntry(file.name, FileBytes(settingsFile, file));
  archive.SaveTo(archivePath);
  return files.size();
}

}  // namespace tarno
