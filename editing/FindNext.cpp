#include "FindNext.h"

#include <algorithm>
#include <string>
#include <vector>

#include "AsciiText.h"

namespace tarno::editing {
namespace {

// The needle is upper-cased already. On UTF-8 a byte match is a character
// match, so this equals the search over single-byte text.
bool ContainsUpperCased(std::string_view text, std::string_view needle) {
  if (needle.size() > text.size()) return false;
  return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                     [](char a, char b) { return text::UpperAscii(a) == b; }) != text.end();
}

bool Searchable(const grid::CellStore& cells, int col) { return cells.ColWidth(col) != grid::kHiddenColWidth; }

}  // namespace

bool SearchFromDialog(EditorState& state, grid::CellStore* cells, std::string_view dialogText) {
  if (!cells) return false;
  state.SearchText = text::UpperAscii(dialogText);
  state.SearchFromTop = false;
  NoteSearchResult(state, FindNext(state, cells));
  return true;
}

void NoteSearchResult(EditorState& state, bool found) {
  state.LastSearchMissed = !found && !state.SearchText.empty();
  state.SearchFromTop = state.LastSearchMissed && state.WrapSearch;
}

bool FindNext(const EditorState& state, grid::CellStore* cells) {
  if (state.SearchText.empty() || !cells) return false;
  const int lastCol = cells->ColCount() - 1;
  std::vector<int> columns;  // the searched columns, left to right
  for (int col = 1; col <= lastCol; ++col)
    if (Searchable(*cells, col)) columns.push_back(col);
  int firstCol = state.SearchFromTop ? 1 : cells->Col() + 1;
  for (int row = state.SearchFromTop ? 1 : cells->Row(); row < cells->RowCount(); ++row, firstCol = 1) {
    for (auto col = std::lower_bound(columns.begin(), columns.end(), firstCol); col != columns.end(); ++col) {
      if (!ContainsUpperCased(cells->Text(*col, row), state.SearchText)) continue;
      cells->SetCol(*col);
      cells->SetRow(row);
      return true;
    }
  }
  return false;
}

}  // namespace tarno::editing
