#include "CellStore.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "CellJournal.h"

namespace tarno::grid {

CellStore::CellStore() {
  colCount_ = 2;
  colWidths_.assign(2, kDefaultColWidth);
  savedWidths_ = colWidths_;
  for (int r = 0; r < 2; ++r) {
    rows_.push_back(EmptyRow());
    order_.push_back(static_cast<uint32_t>(r));
  }
}

CellStore::Batch::~Batch() {
  if (--store_.batchDepth_ > 0) return;
  if (store_.pendingLayout_) store_.Notify(Change::Layout);
  else if (store_.pendingCells_) store_.Notify(Change::Cells);
  store_.pendingLayout_ = store_.pendingCells_ = false;
}

void CellStore::Notify(Change change) {
  if (batchDepth_ > 0) {
    (change == Change::Layout ? pendingLayout_ : pendingCells_) = true;
    return;
  }
  if (listener_) listener_(change);
}

CellStore::RowData CellStore::EmptyRow() const {
  RowData row;
  row.cells.resize(static_cast<size_t>(colCount_));
  return row;
}

// Rebuilds the storage in display order, dropping rows no longer displayed.
void CellStore::CompactRows() {
  std::vector<RowData> compact;
  compact.reserve(order_.size());
  for (uint32_t& slot : order_) {
    compact.push_back(std::move(rows_[slot]));
    slot = static_cast<uint32_t>(compact.size() - 1);
  }
  rows_ = std::move(compact);
}

void CellStore::SetRowCount(int count) {
  count = std::max(count, 1);
  if (count == RowCount()) return;
  if (undo_.journal) {
    const int change = std::abs(count - RowCount());
    undo_.journal->RecordRows(std::min(count, RowCount()), change,
                         count < RowCount() ? CopyRows(count, change) : std::vector<RowData>());
  }
  if (count < RowCount()) {
    order_.resize(static_cast<size_t>(count));
    CompactRows();
  } else {
    rows_.reserve(static_cast<size_t>(count));
    order_.reserve(static_cast<size_t>(count));
    while (RowCount() < count) {
      rows_.push_back(EmptyRow());
      order_.push_back(static_cast<uint32_t>(rows_.size() - 1));
    }
  }
  ReactToSizeChange();
}

void CellStore::SetColCount(int count) {
  count = std::max(count, 1);
  if (count == colCount_) return;
  if (undo_.journal) {
    const int change = std::abs(count - colCount_);
    undo_.journal->RecordColumns(std::min(count, colCount_), change,
                            count < colCount_ ? CopyColumns(count, change) : DetachedColumns());
  }
  for (RowData& row : rows_) {
    if (count < colCount_) row.text.resize(row.cells[static_cast<size_t>(count) - 1].end);
    row.cells.resize(static_cast<size_t>(count), Cell{static_cast<uint32_t>(row.text.size()), 0, false});
  }
  colCount_ = count;
  colWidths_.resize(static_cast<size_t>(count), kDefaultColWidth);
  ReactToSizeChange();
}

void CellStore::ReactToSizeChange() {
  Touch();  // every caller added or removed rows or columns
  TakeSavedWidths();
  const int emptyHeight = std::max(defaultRowHeight_, measure_->TextHeight(false) + 1);
  for (int r = 1; r < RowCount(); ++r) {
    RowData& row = At(r);
    row.height = row.text.empty() ? emptyHeight : FittedRowHeight(r);
  }
  ClampCurrentCell();
  Notify(Change::Layout);  // one notice for every row fitted
}

std::string_view CellStore::Text(int col, int row) const {
  if (!Contains(col, row)) return {};
  const RowData& data = At(row);
  const uint32_t start = col == 0 ? 0 : data.cells[static_cast<size_t>(col) - 1].end;
  return std::string_view(data.text).substr(start, data.cells[static_cast<size_t>(col)].end - start);
}

// Replaces the text of an existing cell; false when it was already that text.
bool CellStore::ReplaceText(int col, int row, std::string_view utf8) {
  RowData& data = At(row);
  const uint32_t start = col == 0 ? 0 : data.cells[static_cast<size_t>(col) - 1].end;
  const uint32_t oldLength = data.cells[static_cast<size_t>(col)].end - start;
  if (oldLength == utf8.size() && data.text.compare(start, oldLength, utf8) == 0) return false;
  data.text.replace(start, oldLength, utf8);
  const int64_t delta = static_cast<int64_t>(utf8.size()) - oldLength;
  for (size_t c = static_cast<size_t>(col); c < data.cells.size(); ++c)
    data.cells[c].end = static_cast<uint32_t>(data.cells[c].end + delta);
  Touch();
  return true;
}

void CellStore::JournalCell(int col, int row) {
  if (undo_.journal) undo_.journal->RecordCell(col, row, Text(col, row), Edited(col, row), Tag(col, row));
}

void CellStore::SetText(int col, int row, std::string_view utf8) {
  if (!Contains(col, row) || Text(col, row) == utf8) return;
  JournalCell(col, row);
  ReplaceText(col, row, utf8);
  At(row).cells[static_cast<size_t>(col)].edited = true;
  Notify(Change::Cells);
}

void CellStore::SetSourceText(int col, int row, std::string_view utf8) {
  if (!Contains(col, row)) return;
  const bool sameText = Text(col, row) == utf8;
  if (sameText && !Edited(col, row)) return;
  JournalCell(col, row);
  At(row).cells[static_cast<size_t>(col)].edited = false;
  if (!sameText && ReplaceText(col, row, utf8)) Notify(Change::Cells);
}

bool CellStore::Edited(int col, int row) const {
  return Contains(col, row) && At(row).cells[static_cast<size_t>(col)].edited;
}

void CellStore::SetEdited(int col, int row, bool edited) {
  if (!Contains(col, row) || Edited(col, row) == edited) return;
  JournalCell(col, row);
  At(row).cells[static_cast<size_t>(col)].edited = edited;
}

int32_t CellStore::Tag(int col, int row) const {
  return Contains(col, row) ? At(row).cells[static_cast<size_t>(col)].tag : 0;
}

void CellStore::SetTag(int col, int row, int32_t tag) {
  if (!Contains(col, row)) return;
  int32_t& stored = At(row).cells[static_cast<size_t>(col)].tag;
  if (stored == tag) return;
  JournalCell(col, row);
  stored = tag;
  Touch();
}

int CellStore::ColWidth(int col) const {
  return col >= 0 && col < colCount_ ? colWidths_[static_cast<size_t>(col)] : 0;
}

void CellStore::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<size_t>(col)] = width;
  Notify(Change::Layout);
}

void CellStore::SetDefaultRowHeight(int height) {
  defaultRowHeight_ = height;
  for (RowData& row : rows_) row.height = -1;
  Notify(Change::Layout);
}

int CellStore::RowHeight(int row) const {
  if (row < 0 || row >= RowCount()) return 0;
  const int height = At(row).height;
  return height < 0 ? defaultRowHeight_ : height;
}

void CellStore::SetRowHeight(int row, int height) {
  if (row < 0 || row >= RowCount()) return;
  At(row).height = height;
  Notify(Change::Layout);
}

int CellStore::FittedRowHeight(int row) const {
  int height = defaultRowHeight_;
  for (int c = 0; c < colCount_; ++c) {
    const std::string_view text = Text(c, row);
    const int textHeight = text.empty() ? measure_->TextHeight(false) : measure_->WrappedHeight(text, ColWidth(c));
    height = std::max(height, textHeight + 1);
  }
  return height;
}

void CellStore::ClampCurrentCell() {
  col_ = std::clamp(col_, 1, std::max(1, colCount_ - 1));
  row_ = std::clamp(row_, 1, std::max(1, RowCount() - 1));
}

void CellStore::SetCol(int col) {
  col_ = col;
  ClampCurrentCell();
  Notify(Change::Cells);
}

void CellStore::SetRow(int row) {
  row_ = row;
  ClampCurrentCell();
  Notify(Change::Cells);
}

void CellStore::MoveRow(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) return;
  if (undo_.journal) undo_.journal->RecordMove(from, to);
  const auto first = order_.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else {
    std::rotate(first + to, first + from, first + from + 1);
  }
  // The current cell stays with the row it was on.
  if (row_ == from) row_ = to;
  else if (from < to && row_ > from && row_ <= to) --row_;
  else if (from > to && row_ >= to && row_ < from) ++row_;
  Touch();
  Notify(Change::Layout);
}

void CellStore::ArrangeRows(int first, const std::vector<int>& sourceRows) {
  const int count = static_cast<int>(sourceRows.size());
  if (first < 0 || first + count > RowCount()) throw std::out_of_range("ArrangeRows: range outside the grid");
  std::vector<uint32_t> arranged(sourceRows.size());
  std::vector<bool> seen(sourceRows.size(), false);
  for (int p = 0; p < count; ++p) {
    const int source = sourceRows[static_cast<size_t>(p)] - first;
    if (source < 0 || source >= count || seen[static_cast<size_t>(source)])
      throw std::invalid_argument("ArrangeRows: not a reordering of the range");
    seen[static_cast<size_t>(source)] = true;
    arranged[static_cast<size_t>(p)] = order_[static_cast<size_t>(first + source)];
  }
  if (!std::equal(arranged.begin(), arranged.end(), order_.begin() + first)) {
    if (undo_.journal) undo_.journal->RecordArrange(first, sourceRows);
    Touch();
  }
  std::copy(arranged.begin(), arranged.end(), order_.begin() + first);
  Notify(Change::Layout);
}

void CellStore::InsertRow(int at) {
  if (at < 0 || at > RowCount()) return;
  if (undo_.journal) undo_.journal->RecordRows(at, 1, {});
  RowData row = EmptyRow();
  for (Cell& cell : row.cells) cell.edited = true;
  if (at < RowCount())
    for (int c = 0; c < colCount_; ++c) row.cells[static_cast<size_t>(c)].tag = Tag(c, at);
  rows_.push_back(std::move(row));
  order_.insert(order_.begin() + at, static_cast<uint32_t>(rows_.size() - 1));
  ReactToSizeChange();
}

void CellStore::DeleteRow(int at) {
  if (at < 0 || at >= RowCount() || RowCount() <= 1) return;
  if (undo_.journal) undo_.journal->RecordRows(at, 1, CopyRows(at, 1));
  order_.erase(order_.begin() + at);
  CompactRows();
  ReactToSizeChange();
}

void CellStore::InsertColumn(int at) {
  if (at < 0 || at > colCount_) return;
  if (undo_.journal) undo_.journal->RecordColumns(at, 1, {});
  for (RowData& row : rows_) {
    const uint32_t start = at == 0 ? 0 : row.cells[static_cast<size_t>(at) - 1].end;
    row.cells.insert(row.cells.begin() + at, Cell{start, 0, true});
  }
  ++colCount_;
  colWidths_.insert(colWidths_.begin() + at, kDefaultColWidth);
  ReactToSizeChange();
}

void CellStore::DeleteColumn(int at) {
  if (at < 0 || at >= colCount_ || colCount_ <= 1) return;
  if (undo_.journal) undo_.journal->RecordColumns(at, 1, CopyColumns(at, 1));
  for (RowData& row : rows_) {
    const uint32_t start = at == 0 ? 0 : row.cells[static_cast<size_t>(at) - 1].end;
    const uint32_t length = row.cells[static_cast<size_t>(at)].end - start;
    row.text.erase(start, length);
    row.cells.erase(row.cells.begin() + at);
    for (size_t c = static_cast<size_t>(at); c < row.cells.size(); ++c) row.cells[c].end -= length;
  }
  --colCount_;
  colWidths_.erase(colWidths_.begin() + at);
  ReactToSizeChange();
}

CellStore::Step::Step(CellStore& store, uint64_t mergeKey) : recorder_(store.undo_.recorder) {
  if (recorder_) recorder_->BeginStep(mergeKey);
}

CellStore::Step::~Step() {
  if (recorder_) recorder_->EndStep();
}

bool CellStore::RevertStep(uint64_t mergeKey) { return undo_.recorder && undo_.recorder->RevertStep(mergeKey); }

std::vector<CellStore::RowData> CellStore::CopyRows(int at, int count) const {
  std::vector<RowData> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int r = at; r < at + count; ++r) rows.push_back(At(r));
  return rows;
}

std::vector<CellStore::RowData> CellStore::TakeRows(int at, int count) {
  std::vector<RowData> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int r = at; r < at + count; ++r) rows.push_back(std::move(At(r)));
  order_.erase(order_.begin() + at, order_.begin() + at + count);
  CompactRows();
  ReactToSizeChange();
  return rows;
}

void CellStore::PutRows(int at, std::vector<RowData> rows) {
  std::vector<uint32_t> slots;
  slots.reserve(rows.size());
  for (RowData& row : rows) {
    rows_.push_back(std::move(row));
    slots.push_back(static_cast<uint32_t>(rows_.size() - 1));
  }
  order_.insert(order_.begin() + at, slots.begin(), slots.end());
  ReactToSizeChange();
}

CellStore::DetachedColumns CellStore::CopyColumns(int at, int count) const {
  DetachedColumns columns;
  columns.widths.assign(colWidths_.begin() + at, colWidths_.begin() + at + count);
  columns.cells.reserve(static_cast<size_t>(RowCount()) * static_cast<size_t>(count));
  for (int r = 0; r < RowCount(); ++r)
    for (int c = at; c < at + count; ++c) columns.cells.push_back({std::string(Text(c, r)), Tag(c, r), Edited(c, r)});
  return columns;
}

CellStore::DetachedColumns CellStore::TakeColumns(int at, int count) {
  DetachedColumns columns = CopyColumns(at, count);
  for (RowData& row : rows_) {
    const uint32_t start = at == 0 ? 0 : row.cells[static_cast<size_t>(at) - 1].end;
    const uint32_t length = row.cells[static_cast<size_t>(at + count) - 1].end - start;
    row.text.erase(start, length);
    row.cells.erase(row.cells.begin() + at, row.cells.begin() + at + count);
    for (size_t c = static_cast<size_t>(at); c < row.cells.size(); ++c) row.cells[c].end -= length;
  }
  colCount_ -= count;
  colWidths_.erase(colWidths_.begin() + at, colWidths_.begin() + at + count);
  ReactToSizeChange();
  return columns;
}

void CellStore::PutColumns(int at, DetachedColumns columns) {
  const size_t count = columns.widths.size();
  for (int r = 0; r < RowCount(); ++r) {
    RowData& row = At(r);
    uint32_t end = at == 0 ? 0 : row.cells[static_cast<size_t>(at) - 1].end;
    std::string inserted;
    std::vector<Cell> cells;
    for (size_t k = 0; k < count; ++k) {
      DetachedColumns::ColumnCell& cell = columns.cells[static_cast<size_t>(r) * count + k];
      inserted += cell.text;
      end += static_cast<uint32_t>(cell.text.size());
      cells.push_back(Cell{end, cell.tag, cell.edited});
    }
    const uint32_t start = at == 0 ? 0 : row.cells[static_cast<size_t>(at) - 1].end;
    row.text.insert(start, inserted);
    for (size_t c = static_cast<size_t>(at); c < row.cells.size(); ++c)
      row.cells[c].end += static_cast<uint32_t>(inserted.size());
    row.cells.insert(row.cells.begin() + at, cells.begin(), cells.end());
  }
  colCount_ += static_cast<int>(count);
  colWidths_.insert(colWidths_.begin() + at, columns.widths.begin(), columns.widths.end());
  ReactToSizeChange();
}

void CellStore::TakeSavedWidths() {
  savedWidths_.resize(static_cast<size_t>(colCount_), kDefaultColWidth);
  for (int c = 0; c < colCount_; ++c)
    if (colWidths_[static_cast<size_t>(c)] != 0) savedWidths_[static_cast<size_t>(c)] = colWidths_[static_cast<size_t>(c)];
}

void CellStore::RestoreSavedWidths() {
  for (int c = 1; c < colCount_ && c < static_cast<int>(savedWidths_.size()); ++c)
    colWidths_[static_cast<size_t>(c)] = savedWidths_[static_cast<size_t>(c)];
  Notify(Change::Layout);
}

}  // namespace tarno::grid
