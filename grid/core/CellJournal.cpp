#include "CellJournal.h"

#include <atomic>
#include <utility>

namespace tarno::grid {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

size_t HeapBytes(const std::string& text) { return text.capacity() > sizeof(std::string) ? text.capacity() : 0; }

}  // namespace

uint64_t NewMergeKey() {
  static std::atomic<uint64_t> next{1};
  return next++;
}

// Only the first of consecutive changes of one cell needs keeping: swapping
// restores whatever the store holds at the time.
void CellJournal::RecordCell(int col, int row, std::string_view text, bool edited, int32_t tag) {
  if (!entries_.empty()) {
    const auto* last = std::get_if<CellEntry>(&entries_.back());
    if (last && last->col == col && last->row == row) return;
  }
  entries_.emplace_back(CellEntry{col, row, std::string(text), tag, edited});
}

void CellJournal::RecordMove(int from, int to) { entries_.emplace_back(MoveEntry{from, to}); }

void CellJournal::RecordArrange(int first, const std::vector<int>& sourceRows) {
  entries_.emplace_back(ArrangeEntry{first, sourceRows});
}

void CellJournal::RecordRows(int at, int count, std::vector<CellStore::RowData> rows) {
  entries_.emplace_back(RowsEntry{at, count, std::move(rows)});
}

void CellJournal::RecordColumns(int at, int count, CellStore::DetachedColumns columns) {
  entries_.emplace_back(ColumnsEntry{at, count, std::move(columns)});
}

size_t CellJournal::Bytes() const {
  size_t bytes = entries_.capacity() * sizeof(Entry);
  for (const Entry& entry : entries_) {
    bytes += std::visit(
        Overloaded{
            [](const CellEntry& cell) { return HeapBytes(cell.text); },
            [](const MoveEntry&) { return size_t{0}; },
            [](const ArrangeEntry& arrange) { return arrange.sourceRows.capacity() * sizeof(int); },
            [](const RowsEntry& rows) {
              size_t held = rows.rows.capacity() * sizeof(CellStore::RowData);
              for (const CellStore::RowData& row : rows.rows)
                held += HeapBytes(row.text) + row.cells.capacity() * sizeof(CellStore::Cell);
              return held;
            },
            [](const ColumnsEntry& columns) {
              size_t held = columns.columns.widths.capacity() * sizeof(int) +
                            columns.columns.cells.capacity() * sizeof(CellStore::DetachedColumns::ColumnCell);
              for (const auto& cell : columns.columns.cells) held += HeapBytes(cell.text);
              return held;
            }},
        entry);
  }
  return bytes;
}

void CellJournal::Append(CellJournal&& later) {
  entries_.reserve(entries_.size() + later.entries_.size());
  for (Entry& entry : later.entries_) entries_.push_back(std::move(entry));
  later.entries_.clear();
}

void CellJournal::Undo(CellStore& cells) {
  CellJournal* const attached = cells.undo_.journal;
  cells.undo_.journal = nullptr;
  CellStore::Batch batch(cells);
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) Apply(cells, *entry, false);
  cells.undo_.journal = attached;
}

void CellJournal::Redo(CellStore& cells) {
  CellJournal* const attached = cells.undo_.journal;
  cells.undo_.journal = nullptr;
  CellStore::Batch batch(cells);
  for (Entry& entry : entries_) Apply(cells, entry, true);
  cells.undo_.journal = attached;
}

void CellJournal::Apply(CellStore& cells, Entry& entry, bool forwards) {
  std::visit(Overloaded{[&](CellEntry& cell) { SwapCell(cells, cell); },
                        [&](MoveEntry& move) {
                          if (forwards) cells.MoveRow(move.from, move.to);
                          else cells.MoveRow(move.to, move.from);
                        },
                        [&](ArrangeEntry& arrange) {
                          if (forwards) {
                            cells.ArrangeRows(arrange.first, arrange.sourceRows);
                            return;
                          }
                          // Position p took the row from sourceRows[p]: send it back there.
                          std::vector<int> back(arrange.sourceRows.size());
                          for (size_t p = 0; p < back.size(); ++p)
                            back[static_cast<size_t>(arrange.sourceRows[p] - arrange.first)] =
                                arrange.first + static_cast<int>(p);
                          cells.ArrangeRows(arrange.first, back);
                        },
                        [&](RowsEntry& rows) { ToggleRows(cells, rows); },
                        [&](ColumnsEntry& columns) { ToggleColumns(cells, columns); }},
             entry);
}

void CellJournal::SwapCell(CellStore& cells, CellEntry& entry) {
  if (!cells.Contains(entry.col, entry.row)) return;
  CellEntry now{entry.col, entry.row, std::string(cells.Text(entry.col, entry.row)), cells.Tag(entry.col, entry.row),
                cells.Edited(entry.col, entry.row)};
  cells.ReplaceText(entry.col, entry.row, entry.text);
  CellStore::Cell& stored = cells.At(entry.row).cells[static_cast<size_t>(entry.col)];
  stored.tag = entry.tag;
  stored.edited = entry.edited;
  cells.Notify(CellStore::Change::Cells);
  entry = std::move(now);
}

void CellJournal::ToggleRows(CellStore& cells, RowsEntry& entry) {
  if (entry.rows.empty()) {
    entry.rows = cells.TakeRows(entry.at, entry.count);
  } else {
    cells.PutRows(entry.at, std::move(entry.rows));
    entry.rows.clear();
  }
}

void CellJournal::ToggleColumns(CellStore& cells, ColumnsEntry& entry) {
  if (entry.columns.widths.empty()) {
    entry.columns = cells.TakeColumns(entry.at, entry.count);
  } else {
    cells.PutColumns(entry.at, std::move(entry.columns));
    entry.columns = {};
  }
}

}  // namespace tarno::grid
