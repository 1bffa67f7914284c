// One field of a record as a layout describes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarno {

using TDataByteArray = std::vector<uint8_t>;

struct TDataItem {
  std::string ScriptName;   // conversion functions ScriptName + "_DataToText" / "_TextToData"
  std::string SpecialName;  // for '!' fields: "CRCPTCCABLE" or "CRCFINETUNE"
  std::string FileName;     // the data file name the entry was read for
  std::string Name;         // caption
  int32_t Offset = 0;
  int32_t Size = 0;
  int32_t ElementSize = 1;
  TDataByteArray DefaultBytes;
  char TypeChar = '#';
  int32_t Column = 0;  // negative: the same column, hidden
  // An optional seventh part of the ITEM line: the caption of a default layout
  // whose meaning the field has ("Nr", "SID" ...), for fields captioned otherwise.
  // Readers that know six parts skip it.
  std::string Role;
  // An optional eighth part, for a field of a channel database: the table and
  // column the field comes from ("SRV.major", see DatabaseLayout.h).
  std::string Source;
};

// Layout limits that follow from the 32-bit cell tag and the 4-byte element buffer.
constexpr int kMaxColumn = 255;
constexpr int kMaxNameLength = 255;
constexpr int kMaxLayoutEntries = 65535;
constexpr int kMaxRecords = 65535;

}  // namespace tarno
