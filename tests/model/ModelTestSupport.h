// Builds data objects from settings text written to a temporary file.
#pragma once

#include <string>

#include "TarnoChannelEditUnit002.h"
#include "TestFiles.h"

namespace tarno::test {

inline TDataObject ObjectFor(const std::string& settings, const std::string& fileName) {
  TempDir dir;
  WriteFile(dir.File("TarnoChannelEdit.ini"), settings);
  return TDataObject(dir.File("TarnoChannelEdit.ini"), fileName);
}

// The worked example: a 4-byte header and a 26-byte record.
inline const char* kListDatSettings =
    "[list.dat] ; any case matches\r\n"
    "HEADER = $81\r\n"
    "ITEM = Number, 2, 2, , , 1\r\n"
    "ITEM = Title, 20, 1, /, $00, 2\r\n"
    "ITEM = Flags, 2, 1, $Flag-Bits, , -4\r\n"
    "ITEM = Check, 2, 2, ^, , 3\r\n"
    "[OTHER.DAT]\r\n"
    "ITEM = Other, 4, 4, , , 1\r\n";

// A data object over settings for the file "F" holding the given records.
inline TDataObject WithRecords(const std::string& settings, std::vector<TDataByteArray> records) {
  TDataObject data = ObjectFor(settings, "F");
  data.Records = std::move(records);
  return data;
}

inline TDataByteArray Bytes(std::initializer_list<int> values) {
  TDataByteArray bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

}  // namespace tarno::test
