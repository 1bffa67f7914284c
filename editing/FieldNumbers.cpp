#include "FieldNumbers.h"

#include "CellTags.h"
#include "ChannelList.h"
#include "Utf.h"

namespace tarno::editing {
namespace {

constexpr int32_t kWidestField = 4;

uint32_t BytesValue(const TDataByteArray& record, const TDataItem& item) {
  uint32_t value = 0;
  for (int32_t b = item.Size - 1; b >= 0; --b) value = value << 8 | record[static_cast<size_t>(item.Offset + b)];
  return value;
}

void PutValue(TDataByteArray& record, const TDataItem& item, uint32_t value) {
  for (int32_t b = 0; b < item.Size; ++b) record[static_cast<size_t>(item.Offset + b)] = static_cast<uint8_t>(value >> (8 * b));
}

}  // namespace

FieldNumbers::FieldNumbers(const TDataObject& data) : data_(data), scratch_(Layout{data.Items, data.HasHeader, data.Header, {}, {}}) {
  scratch_.Records.emplace_back(static_cast<size_t>(data.RecordSize()), 0);
}

const TDataItem& FieldNumbers::ItemOf(const grid::CellStore& cells, int col, int row) const {
  const TDataItem& item = data_.Items.at(static_cast<size_t>(TagEntry(cells.Tag(col, row))));
  if (item.Size > kWidestField) throw ChannelListError("The field " + item.Name + " is no number field");
  return item;
}

uint32_t FieldNumbers::Read(const grid::CellStore& cells, int col, int row) {
  const TDataItem& item = ItemOf(cells, col, row);
  if (!cells.Edited(col, row)) return BytesValue(data_.Records.at(static_cast<size_t>(TagRecord(cells.Tag(col, row)))), item);
  const int entry = TagEntry(cells.Tag(col, row));
  if (!scratch_.TextToData(entry, 0, text::Utf8ToUtf16(cells.Text(col, row))))
    throw ChannelListError("Row " + std::to_string(row) + ": \"" + std::string(cells.Text(col, row)) + "\" is no " +
                           item.Name + " value");
  return BytesValue(scratch_.Records[0], item);
}

void FieldNumbers::Write(grid::CellStore& cells, int col, int row, uint32_t value) {
  const TDataItem& item = ItemOf(cells, col, row);
  PutValue(scratch_.Records[0], item, value);
  std::u16string text;
  scratch_.DataToText(TagEntry(cells.Tag(col, row)), 0, text);
  const std::string shown = text::Utf16ToUtf8(text);
  if (cells.Text(col, row) != shown) cells.SetText(col, row, shown);
}

}  // namespace tarno::editing
