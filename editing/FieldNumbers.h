// A number field's cell read and written as its raw value (up to four bytes,
// little-endian), through the field's own conversion, so every field type
// (decimal, hex, binary, script-converted) is read and shown as the grid would.
#pragma once

#include <cstdint>

#include "CellStore.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

class FieldNumbers {
 public:
  explicit FieldNumbers(const TDataObject& data);

  // The value the cell stands for: an unedited cell its record's bytes, an
  // edited one its text converted. Throws ChannelListError for text the field
  // does not take, or a field wider than four bytes.
  uint32_t Read(const grid::CellStore& cells, int col, int row);
  int32_t ReadSigned(const grid::CellStore& cells, int col, int row) { return static_cast<int32_t>(Read(cells, col, row)); }
  // Shows value in the cell as the field converts it; a cell already showing it is left alone.
  void Write(grid::CellStore& cells, int col, int row, uint32_t value);

 private:
  const TDataItem& ItemOf(const grid::CellStore& cells, int col, int row) const;

  const TDataObject& data_;
  TDataObject scratch_;  // one record to convert through
};

}  // namespace tarno::editing
