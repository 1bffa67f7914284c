#include "CellStore.h"

#include <algorithm>
#include <stdexcept>

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
  for (RowData& row : rows_) {
    if (count < colCount_) row.text.resize(row.cells[static_cast<size_t>(count) - 1].end);
    row.cells.resize(static_cast<size_t>(count), Cell{static_cast<uint32_t>(row.text.size()), 0, false});
  }
  colCount_ = count;
  colWidths_.resize(static_cast<size_t>(count), kDefaultColWidth);
  ReactToSizeChange();
}

void CellStore::ReactToSizeChange() {
  ++contentRevision_;  // every caller added or removed rows or columns
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
  ++contentRevision_;
  return true;
}

void CellStore::SetText(int col, int row, std::string_view utf8) {
  if (!Contains(col, row) || !ReplaceText(col, row, utf8)) return;
  At(row).cells[static_cast<size_t>(col)].edited = true;
  Notify(Change::Cells);
}

void CellStore::SetSourceText(int col, int row, std::string_view utf8) {
  if (!Contains(col, row)) return;
  At(row).cells[static_cast<size_t>(col)].edited = false;
  if (ReplaceText(col, row, utf8)) Notify(Change::Cells);
}

bool CellStore::Edited(int col, int row) const {
  return Contains(col, row) && At(row).cells[static_cast<size_t>(col)].edited;
}

void CellStore::SetEdited(int col, int row, bool edited) {
  if (Contains(col, row)) At(row).cells[static_cast<size_t>(col)].edited = edited;
}

int32_t CellStore::Tag(int col, int row) const {
  return Contains(col, row) ? At(row).cells[static_cast<size_t>(col)].tag : 0;
}

void CellStore::SetTag(int col, int row, int32_t tag) {
  if (!Contains(col, row)) return;
  int32_t& stored = At(row).cells[static_cast<size_t>(col)].tag;
  if (stored == tag) return;
  stored = tag;
  ++contentRevision_;
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
  ++contentRevision_;
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
  if (!std::equal(arranged.begin(), arranged.end(), order_.begin() + first)) ++contentRevision_;
  std::copy(arranged.begin(), arranged.end(), order_.begin() + first);
  Notify(Change::Layout);
}

void CellStore::InsertRow(int at) {
  if (at < 0 || at > RowCount()) return;
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
  order_.erase(order_.begin() + at);
  CompactRows();
  ReactToSizeChange();
}

void CellStore::InsertColumn(int at) {
  if (at < 0 || at > colCount_) return;
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
