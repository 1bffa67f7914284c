#include "PtcCable.h"

namespace tarno {

std::optional<uint32_t> PtcCableFrequencyTerm(uint8_t group, uint8_t n) {
  switch (group) {
    case 'B': return n < 128 ? n / 4 + 32 : n / 2;
    case 'C': return n < 128 ? n + 128 : (n - 128) * 2;
    case 'D': return n < 128 ? n * 4 + 2 : (n - 128) * 8 + 4;
    default: return std::nullopt;
  }
}

std::string GeneratePtcCableTable() {
  std::string table;
  uint32_t index = 0;
  for (const uint8_t group : {'B', 'C', 'D'}) {
    for (int n = 0; n < kPtcCableEntriesPerGroup; ++n, ++index) {
      char record[kPtcCableRecordSize] = {};
      record[5] = static_cast<char>(group == 'D' ? 0x80 : 0x00);
      record[6] = static_cast<char>(n);
      record[7] = static_cast<char>(group);
      record[8] = static_cast<char>(index & 0xFF);
      record[9] = static_cast<char>((index >> 8) & 0xFF);
      record[11] = static_cast<char>((*PtcCableFrequencyTerm(group, static_cast<uint8_t>(n)) + index) & 0xFF);
      table.append(record, kPtcCableRecordSize);
    }
  }
  return table;
}

}  // namespace tarno
