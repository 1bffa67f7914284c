// Which record a grid row shows, read from its cells' tags, and whether the
// grid still has one row per record and one column per field.
#pragma once

#include "CellStore.h"
#include "CellTags.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// The record index the tags of the row's cells name.
inline int RecordShownBy(const grid::CellStore& cells, int row) { return TagRecord(cells.Tag(1, row)); }

// The grid as a fill left it in size: every row names a record of its own.
inline bool GridShowsRecords(const TDataObject& data, const grid::CellStore& cells) {
  return static_cast<size_t>(cells.ColCount()) == data.Items.size() + 1 &&
         static_cast<size_t>(cells.RowCount()) == data.Records.size() + 1 && data.HasCompleteColumnMap();
}

}  // namespace tarno::editing
