// Shared by the tests of the default settings and script.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "SampleFamilies.h"

namespace tarno::test {

inline const std::string kDefaultSettings = SourcePath("data/TarnoChannelEdit.ini");
inline const std::string kDefaultScript = SourcePath("data/TarnoChannelEdit.rops");

inline const char* const kUtf16EngineFault =
    "our script engine cannot build or read UTF-16 text yet: assigning an integer Variant to a WideChar "
    "raises Type Mismatch and indexing a WideString raises Out Of Range (the reference engine does both)";

// Whether our engine runs the default script's name conversion; the reference
// engine does, so a false answer is a fault of our engine.
inline bool EngineBuildsUtf16Text() {
  static const bool works = [] {
    const auto result = RunProgram("pscript-run", {"convert", kDefaultScript, "NameBE_DataToText", "38", "58", "0",
                                                   "0", "2", "47", ""});
    return result.exitCode == 0 && result.out.find("NameBE_DataToText -> True") != std::string::npos;
  }();
  return works;
}

// A name field within its record, and the conversion of its units (analog
// names: the units behind the byte count, which end at a zero unit as NameBE's do).
struct NameField {
  size_t offset;
  size_t size;
  const char* conversion;  // NameBE and NameLE end at a zero unit, FillNameBE may fill the field
};

// An entry with UTF-16 names: where the names lie in each record.
struct NamedEntry {
  const char* name;
  size_t header;
  size_t record;
  bool checked;  // last byte is the record's sum
  std::vector<NameField> names;
  size_t lengthAt = 0;  // a 16-bit byte count of the (one) name, when not 0
};

// Those of a family's archives, the satellite map with the family's record size.
inline std::vector<NamedEntry> NamedEntries(const std::string& family) {
  return {
      {"map-AirA", 0, 64, true, {{20, 12, "NameBE"}}},
      {"map-CableA", 0, 64, true, {{20, 12, "NameBE"}}},
      {"map-AirD", 0, 320, true, {{64, 200, "NameBE"}, {264, 18, "FillNameBE"}}},
      {"map-CableD", 0, 320, true, {{64, 200, "NameBE"}, {264, 18, "FillNameBE"}}},
      {"map-SateD", 0, SizesOf(family).satellite, true, {{36, 100, "FillNameBE"}}},
      {"map-AstraHDPlusD", 0, 212, true, {{48, 100, "FillNameBE"}}},
      {"SatDataBase.dat", 4, 145, false, {{9, 128, "NameLE"}}},
      {"ServiceProviders", 0, 108, false, {{8, 100, "CountedName"}}, 6},
  };
}

// The record as storing its shown names would write it: every name field keeps
// its units up to the first zero unit (or its byte count), and everything behind
// becomes zero.
inline std::string StaleNameBytesZeroed(std::string record, const NamedEntry& entry) {
  for (const auto& [offset, size, conversion] : entry.names) {
    size_t limit = offset + size;
    if (entry.lengthAt != 0) {
      const size_t count = static_cast<unsigned char>(record[entry.lengthAt]) |
                           static_cast<size_t>(static_cast<unsigned char>(record[entry.lengthAt + 1])) << 8;
      limit = std::min(limit, offset + count);
    }
    size_t end = offset;
    while (end + 1 < limit && (record[end] != '\0' || record[end + 1] != '\0')) end += 2;
    for (size_t i = end; i < offset + size; ++i) record[i] = '\0';
  }
  return record;
}

}  // namespace tarno::test
