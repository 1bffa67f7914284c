// Made-up channel lists in a grid, captioned as the default layouts caption
// their channel maps: a digital list (Nr, Name, SID, TSID, ONID, In use, Del
// and a hidden note), and an analog one whose fields name their roles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"
#include "TestFiles.h"

namespace tarno::test {

inline const char* kChannelListSettings =
    "[digital]\n"
    "ITEM = Nr,      2, 2, #, $00, 1\n"
    "ITEM = Name,    8, 1, /, $00, 2\n"
    "ITEM = SID,     2, 2, #, $00, 3\n"
    "ITEM = TSID,    2, 2, #, $00, 4\n"
    "ITEM = ONID,    2, 2, #, $00, 5\n"
    "ITEM = In use,  1, 1, #, $00, 6\n"
    "ITEM = Del,     1, 1, #, $00, 7\n"
    "ITEM = Note,    4, 1, /, $00, -8\n"
    // Captions of another language; the seventh part names each field's role.
    "[analog]\n"
    "ITEM = Programm, 2, 2, #, $00, 1, Nr\n"
    "ITEM = Sender,   6, 1, /, $00, 2, name\n"
    "ITEM = Frequenz, 4, 4, #, $00, 3, MHz\n"
    "ITEM = Aktiv,    1, 1, #, $00, 4, In use\n"
    "ITEM = Nr,       2, 2, #, $00, 5, Slot\n";

struct TestChannel {
  uint16_t nr = 0;
  std::string name;
  uint16_t sid = 0;  // the frequency of an analog channel
  uint16_t tsid = 0;
  uint16_t onid = 0;
  uint8_t inUse = 1;
  uint8_t deleted = 0;
};

inline void PutWord(TDataByteArray& record, size_t at, uint32_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) record[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
inline void PutText(TDataByteArray& record, size_t at, const std::string& text, size_t size) {
  for (size_t i = 0; i < text.size() && i < size; ++i) record[at + i] = static_cast<uint8_t>(text[i]);
}

inline TDataByteArray DigitalRecord(const TestChannel& channel) {
  TDataByteArray record(22, 0);
  PutWord(record, 0, channel.nr, 2);
  PutText(record, 2, channel.name, 8);
  PutWord(record, 10, channel.sid, 2);
  PutWord(record, 12, channel.tsid, 2);
  PutWord(record, 14, channel.onid, 2);
  record[16] = channel.inUse;
  record[17] = channel.deleted;
  PutText(record, 18, "note", 4);
  return record;
}

inline TDataByteArray AnalogRecord(const TestChannel& channel) {
  TDataByteArray record(15, 0);
  PutWord(record, 0, channel.nr, 2);
  PutText(record, 2, channel.name, 6);
  PutWord(record, 8, channel.sid, 4);
  record[12] = channel.inUse;
  PutWord(record, 13, 999, 2);  // a slot number captioned "Nr" that is no channel number
  return record;
}

// The data object and its filled grid, as the window holds them after Load.
struct LoadedList {
  LoadedList(const std::string& kind, const std::vector<TestChannel>& channels) : data(SettingsPath(), kind) {
    for (const TestChannel& channel : channels)
      data.Records.push_back(kind == "analog" ? AnalogRecord(channel) : DigitalRecord(channel));
    data.FillGrid(&cells);
  }
  static std::string SettingsPath() {
    static const TempDir dir;
    const std::string path = dir.File("TarnoChannelEdit.ini");
    WriteFile(path, kChannelListSettings);
    return path;
  }
  uint16_t StoredNumber(size_t record) const {
    return static_cast<uint16_t>(data.Records[record][0] | data.Records[record][1] << 8);
  }
  std::vector<uint16_t> StoredNumbers() const {
    std::vector<uint16_t> numbers;
    for (size_t r = 0; r < data.Records.size(); ++r) numbers.push_back(StoredNumber(r));
    return numbers;
  }
  std::vector<std::string> Column(int col) const {
    std::vector<std::string> texts;
    for (int r = 1; r < cells.RowCount(); ++r) texts.emplace_back(cells.Text(col, r));
    return texts;
  }

  TDataObject data;
  grid::CellStore cells;
};

}  // namespace tarno::test
