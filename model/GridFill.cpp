// Records to grid cells and back. Every data cell carries a tag naming its record
// (upper 16 bits) and layout entry (lower 16 bits), so cells find their field
// wherever rows are moved.
#include <algorithm>
#include <cstdlib>

#include "AnsiText.h"
#include "CellTags.h"
#include "TarnoChannelEditUnit002.h"
#include "Utf.h"

namespace tarno {
namespace {

constexpr int kUnmappedColumn = 9999;
constexpr int kWidthPadding = 16;
constexpr int kRowHeightPadding = 4;

}  // namespace

std::vector<int> TDataObject::ColumnMap() const {
  const size_t count = Items.size();
  std::vector<int> map(count + 1, kUnmappedColumn);
  for (size_t i = 0; i < count; ++i) {
    const size_t column = static_cast<size_t>(std::abs(Items[i].Column));
    if (column <= count) map[column] = static_cast<int>(i);
  }
  return map;
}

static bool IsComplete(const std::vector<int>& columnMap) {
  return std::find(columnMap.begin() + 1, columnMap.end(), kUnmappedColumn) == columnMap.end();
}

bool TDataObject::HasCompleteColumnMap() const { return IsComplete(ColumnMap()); }

bool TDataObject::GridMatches(const grid::CellStore* grid) const {
  return grid && static_cast<size_t>(grid->ColCount()) == Items.size() + 1 &&
         static_cast<size_t>(grid->RowCount()) == Records.size() + 1 && HasCompleteColumnMap();
}

void TDataObject::FillGrid(grid::CellStore* grid) {
  if (!grid) return;
  if (Records.size() > static_cast<size_t>(kMaxRecords))
    throw GridLimitError("The file holds " + std::to_string(Records.size()) + " records; the grid shows at most " +
                         std::to_string(kMaxRecords));
  const grid::TextMeasure& measure = grid->Measure();
  grid::CellStore::Batch batch(*grid);
  grid->SetRowCount(static_cast<int>(Records.size()) + 1);
  grid->SetColCount(static_cast<int>(Items.size()) + 1);
  const std::vector<int> map = ColumnMap();
  if (!IsComplete(map)) return;

  const int columns = static_cast<int>(Items.size());
  std::vector<int> widths(static_cast<size_t>(columns) + 1, 0);
  int captionHeight = 0;
  for (int c = 1; c <= columns; ++c) {
    const std::string caption = " " + Items[static_cast<size_t>(map[static_cast<size_t>(c)])].Name;
    widths[static_cast<size_t>(c)] = measure.TextWidth(caption, true);
    captionHeight = std::max(captionHeight, measure.TextHeight(true));
    grid->SetText(c, 0, caption);
  }
  for (int r = 1; r < grid->RowCount(); ++r) {
    for (int c = 1; c <= columns; ++c) {
      grid->SetTag(c, r, CellTag(r - 1, map[static_cast<size_t>(c)]));
      if (!CellFromData(grid, c, false, r)) return;
      int& width = widths[static_cast<size_t>(c)];
      width = std::max(width, measure.TextWidth(grid->Text(c, r), false));
    }
  }
  for (int r = 0; r < grid->RowCount(); ++r) {
    const std::string number = std::to_string(r);
    grid->SetText(0, r, number);
    widths[0] = std::max(widths[0], measure.TextWidth(number, false));
  }
  grid->SetDefaultRowHeight(captionHeight + kRowHeightPadding);
  grid->SetColWidth(0, widths[0] + kWidthPadding);
  for (int c = 1; c <= columns; ++c) {
    const bool hidden = Items[static_cast<size_t>(map[static_cast<size_t>(c)])].Column < 0;
    grid->SetColWidth(c, hidden ? grid::kHiddenColWidth : widths[static_cast<size_t>(c)] + kWidthPadding);
  }
}

bool TDataObject::CellFromData(grid::CellStore* grid, int column, bool useRowIndex, int row) {
  LastError.clear();
  if (!grid) return false;
  const int32_t tag = grid->Tag(column, row);
  thread_local std::u16string text;
  thread_local std::string utf8;
  DataToText(TagEntry(tag), useRowIndex ? row - 1 : TagRecord(tag), text);
  text::Utf16ToUtf8(text, utf8);
  grid->SetSourceText(column, row, utf8);
  return LastError.empty();
}

bool TDataObject::CellToData(grid::CellStore* grid, int column, bool useRowIndex, int row) {
  if (!grid) return false;
  const int32_t tag = grid->Tag(column, row);
  thread_local std::u16string text;
  text::Utf8ToUtf16(grid->Text(column, row), text);
  return TextToData(TagEntry(tag), useRowIndex ? row - 1 : TagRecord(tag), text);
}

std::string TDataObject::CellTextRefusal(const grid::CellStore* grid, int column, int row, const std::string& text) {
  if (!GridMatches(grid)) return {};
  const int32_t tag = grid->Tag(column, row);
  return TextRefusal(TagEntry(tag), TagRecord(tag), text::Utf8ToUtf16(text));
}

bool TDataObject::ClearRow(grid::CellStore* grid, int row) {
  if (!GridMatches(grid)) return false;
  for (int c = 1; c < grid->ColCount(); ++c) {
    const int32_t tag = grid->Tag(c, row);
    if (!SetDefault(TagEntry(tag), TagRecord(tag))) return false;
    std::u16string text;
    DataToText(TagEntry(tag), TagRecord(tag), text);
    grid->SetSourceText(c, row, text::Utf16ToUtf8(text));
  }
  return true;
}

bool TDataObject::AddRecord(grid::CellStore* grid) {
  if (!GridMatches(grid) || Records.size() >= static_cast<size_t>(kMaxRecords)) return false;
  Records.emplace_back(static_cast<size_t>(RecordSize()), 0);
  for (size_t e = 0; e < Items.size(); ++e) SetDefault(static_cast<int>(e), static_cast<int>(Records.size() - 1));
  grid->SetRowCount(grid->RowCount() + 1);
  FillGrid(grid);
  return true;
}

bool TDataObject::DeleteLastRecord(grid::CellStore* grid) {
  if (!GridMatches(grid) || Records.empty()) return false;
  Records.pop_back();
  grid->SetRowCount(grid->RowCount() - 1);
  FillGrid(grid);
  return true;
}

}  // namespace tarno
