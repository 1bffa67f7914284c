#include "ChannelFlags.h"

#include <algorithm>

#include "CellNumber.h"
#include "FieldNumbers.h"

namespace tarno::editing {
namespace {

ChannelRole RoleOf(ChannelFlag flag) {
  switch (flag) {
    case ChannelFlag::Lock: return ChannelRole::Lock;
    case ChannelFlag::Skip: return ChannelRole::Skip;
    case ChannelFlag::Hide: return ChannelRole::Hide;
    case ChannelFlag::Delete: break;
  }
  return ChannelRole::Deleted;
}

// A field and the bits of it a command sets or clears.
struct FlagField {
  int column = 0;
  uint32_t bits = 1;
};

FlagField FieldOf(const ChannelColumns& columns, ChannelRole role) {
  return {RequiredColumn(columns, role), columns.FlagBits(role)};
}

void SetBits(FieldNumbers& numbers, grid::CellStore& cells, int row, const FlagField& field, bool on) {
  const uint32_t value = numbers.Read(cells, field.column, row);
  numbers.Write(cells, field.column, row, on ? value | field.bits : value & ~field.bits);
}

bool BitsSet(FieldNumbers& numbers, const grid::CellStore& cells, int row, const FlagField& field) {
  return (numbers.Read(cells, field.column, row) & field.bits) != 0;
}

// Rows of the span whose channel was deleted: its delete flag set while in use,
// or, without a delete flag, its in-use bits clear while it carries a number.
std::vector<int> DeletedRowsIn(FieldNumbers& numbers, const grid::CellStore& cells, const ChannelColumns& columns,
                               RowSpan rows) {
  std::vector<int> deleted;
  const int numberColumn = columns.Of(ChannelRole::Number);
  const bool hasDeleteFlag = columns.Has(ChannelRole::Deleted);
  for (int row = std::max(rows.first, 1); row <= rows.last && row < cells.RowCount(); ++row) {
    const bool numbered = numberColumn != 0 && IsNumbered(cells, numberColumn, row);
    const bool inUse = columns.Has(ChannelRole::InUse)
                           ? BitsSet(numbers, cells, row, FieldOf(columns, ChannelRole::InUse))
                           : numbered;
    if (hasDeleteFlag ? inUse && BitsSet(numbers, cells, row, FieldOf(columns, ChannelRole::Deleted))
                      : !inUse && numbered)
      deleted.push_back(row);
  }
  return deleted;
}

// The field whose bits mark a deletion: a delete flag, set to delete, or
// without one the in-use bits, cleared to delete.
struct DeletionField {
  FlagField field;
  bool setDeletes = true;
};

DeletionField DeletionFieldOf(const ChannelColumns& columns) {
  if (columns.Has(ChannelRole::Deleted)) return {FieldOf(columns, ChannelRole::Deleted), true};
  if (columns.Has(ChannelRole::InUse)) return {FieldOf(columns, ChannelRole::InUse), false};
  RequiredColumn(columns, ChannelRole::Deleted);  // throws: the list has neither
  return {};
}

void SetDeleted(TDataObject& data, grid::CellStore& cells, const ChannelColumns& columns, RowSpan rows, bool on) {
  const DeletionField deletion = DeletionFieldOf(columns);
  FieldNumbers numbers(data);
  const bool setBits = on == deletion.setDeletes;
  if (on) {
    for (const ListedChannel& channel : SelectedChannels(data, cells, rows))
      SetBits(numbers, cells, channel.row, deletion.field, setBits);
  } else {
    for (const int row : DeletedRowsIn(numbers, cells, columns, rows)) SetBits(numbers, cells, row, deletion.field, setBits);
  }
}

}  // namespace

void SetChannelFlag(TDataObject& data, grid::CellStore& cells, RowSpan rows, ChannelFlag flag, bool on) {
  const ChannelColumns columns = FindChannelColumns(data.Items);
  const grid::CellStore::Step step(cells);
  if (flag == ChannelFlag::Delete) {
    SetDeleted(data, cells, columns, rows, on);
    return;
  }
  const FlagField field = FieldOf(columns, RoleOf(flag));
  FieldNumbers numbers(data);
  for (const ListedChannel& channel : SelectedChannels(data, cells, rows))
    SetBits(numbers, cells, channel.row, field, on);
}

}  // namespace tarno::editing
