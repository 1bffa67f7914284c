// A small channel list in a grid: a 2-byte number (FFFF shows empty, 0 shows
// 00000), an 8-character name, a 4-byte number and a hidden 4-character note.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"
#include "TestFiles.h"

namespace tarno::test {

constexpr int kNumberCol = 1;
constexpr int kNameCol = 2;
constexpr int kWideCol = 3;
constexpr int kNoteCol = 4;
constexpr uint16_t kEmptyNumber = 0xFFFF;
constexpr int kRecordSize = 18;

inline const char* kChannelSettings =
    "[chan]\n"
    "HEADER = 2\n"
    "ITEM = Number, 2, 2, #, $FF, 1\n"
    "ITEM = Name, 8, 1, /, $00, 2\n"
    "ITEM = Wide, 4, 4, #, $FF, 3\n"
    "ITEM = Note, 4, 1, /, $00, -4\n";

struct Channel {
  uint16_t number = kEmptyNumber;
  std::string name;  // single-byte code page
  uint32_t wide = 0xFFFFFFFF;
  std::string note;
};

inline TDataByteArray RecordOf(const Channel& channel) {
  TDataByteArray record(kRecordSize, 0);
  record[0] = static_cast<uint8_t>(channel.number & 0xFF);
  record[1] = static_cast<uint8_t>(channel.number >> 8);
  for (size_t i = 0; i < channel.name.size() && i < 8; ++i) record[2 + i] = static_cast<uint8_t>(channel.name[i]);
  for (int i = 0; i < 4; ++i) record[10 + static_cast<size_t>(i)] = static_cast<uint8_t>(channel.wide >> (8 * i));
  for (size_t i = 0; i < channel.note.size() && i < 4; ++i) record[14 + i] = static_cast<uint8_t>(channel.note[i]);
  return record;
}

// The data object and the grid it fills, as the window holds them after Load.
struct ChannelList {
  explicit ChannelList(const std::vector<Channel>& channels) : data(SettingsPath(), "chan") {
    for (const Channel& channel : channels) data.Records.push_back(RecordOf(channel));
    data.FillGrid(&cells);
  }
  static std::string SettingsPath() {
    static const TempDir dir;
    const std::string path = dir.File("TarnoChannelEdit.ini");
    WriteFile(path, kChannelSettings);
    return path;
  }
  std::vector<std::string> Column(int col) const {
    std::vector<std::string> texts;
    for (int r = 1; r < cells.RowCount(); ++r) texts.emplace_back(cells.Text(col, r));
    return texts;
  }
  uint16_t StoredNumber(size_t record) const {
    return static_cast<uint16_t>(data.Records[record][0] | data.Records[record][1] << 8);
  }
  int RecordShownIn(int row) const { return static_cast<int>(static_cast<uint32_t>(cells.Tag(kNumberCol, row)) >> 16); }

  TDataObject data;
  grid::CellStore cells;
};

// Channels with the given numbers (kEmptyNumber: empty) named n1, n2, ...
inline std::vector<Channel> Numbered(const std::vector<uint16_t>& numbers) {
  std::vector<Channel> channels;
  for (size_t i = 0; i < numbers.size(); ++i) {
    Channel channel;
    channel.number = numbers[i];
    channel.name = "n" + std::to_string(i + 1);
    channels.push_back(channel);
  }
  return channels;
}

// Channels with the given names and no numbers.
inline std::vector<Channel> Named(const std::vector<std::string>& names) {
  std::vector<Channel> channels;
  for (const std::string& name : names) {
    Channel channel;
    channel.name = name;
    channels.push_back(channel);
  }
  return channels;
}

using Texts = std::vector<std::string>;

}  // namespace tarno::test
