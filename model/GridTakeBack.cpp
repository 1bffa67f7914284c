// The grid back into the records. A cell nobody edited still shows what its
// record holds, so its field keeps its bytes instead of being converted back
// from the text: what a conversion does not show (trimmed blanks, bytes behind
// a name's end, anything a script leaves out) survives, and no script runs for
// such a cell.
#include <algorithm>

#include "CellTags.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

// Whether some data cell shows a record other than the one at its row's position.
bool RowsShowOtherRecords(const grid::CellStore& grid) {
  for (int r = 1; r < grid.RowCount(); ++r)
    for (int c = 1; c < grid.ColCount(); ++c)
      if (TagRecord(grid.Tag(c, r)) != r - 1) return true;
  return false;
}

void CopyField(const TDataItem& item, const TDataByteArray& from, TDataByteArray& to) {
  const auto first = from.begin() + item.Offset;
  std::copy(first, first + item.Size, to.begin() + item.Offset);
}

// Each row's cells name their record again by the row's position.
void TagRowsByPosition(grid::CellStore& grid) {
  for (int r = 1; r < grid.RowCount(); ++r)
    for (int c = 1; c < grid.ColCount(); ++c) grid.SetTag(c, r, CellTag(r - 1, TagEntry(grid.Tag(c, r))));
}

// Every edited cell into the record its tag names (or the record at its row's
// position: the same one while no row shows another record).
bool StoreEditedCells(TDataObject& data, grid::CellStore& grid, bool useRowIndex) {
  for (int r = 1; r < grid.RowCount(); ++r)
    for (int c = 1; c < grid.ColCount(); ++c)
      if (grid.Edited(c, r) && !data.CellToData(&grid, c, useRowIndex, r)) return false;
  return true;
}

// Rewrites the records in the grid's row order. Each field first takes the
// bytes of the record its cell came from, read from the records as they were,
// so moved rows carry their whole records (check bytes and fields without text
// included); edited cells are then converted over them. A failure leaves the
// records as they were, since the cells still name the old positions.
bool RebuildInDisplayedOrder(TDataObject& data, grid::CellStore& grid) {
  const std::vector<TDataByteArray> before = data.Records;
  for (int r = 1; r < grid.RowCount(); ++r) {
    TDataByteArray& record = data.Records[static_cast<size_t>(r - 1)];
    for (int c = 1; c < grid.ColCount(); ++c) {
      const int32_t tag = grid.Tag(c, r);
      const size_t source = static_cast<size_t>(TagRecord(tag));
      const size_t entry = static_cast<size_t>(TagEntry(tag));
      if (source < before.size() && entry < data.Items.size())
        CopyField(data.Items[entry], before[source], record);
      if (grid.Edited(c, r) && !data.CellToData(&grid, c, true, r)) {
        data.Records = before;
        return false;
      }
    }
  }
  TagRowsByPosition(grid);
  return true;
}

}  // namespace

bool TDataObject::GridToRecords(grid::CellStore* grid, bool useDisplayedOrder) {
  LastRefusal.clear();
  if (!GridMatches(grid)) return false;
  if (useDisplayedOrder && RowsShowOtherRecords(*grid)) return RebuildInDisplayedOrder(*this, *grid);
  return StoreEditedCells(*this, *grid, useDisplayedOrder);
}

}  // namespace tarno
