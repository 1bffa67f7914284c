// The text search over the channel grid: from the cell after the current one,
// row by row downwards (each row from column 1), skipping columns of width -1,
// without wrapping. Matching is a substring test after upper-casing ASCII
// letters on both sides.
#pragma once

#include <string_view>

#include "CellStore.h"
#include "EditorState.h"

namespace tarno::editing {

// Ctrl+F once the search dialog has closed with dialogText: stores it,
// upper-cased, as the search text (also when empty) and finds next. Without a
// grid nothing happens and false says the key was not consumed.
bool SearchFromDialog(EditorState& state, grid::CellStore* cells, std::string_view dialogText);

// Notes what a search found: a miss is told, and where the state wraps the
// search, the next one starts from the first cell.
void NoteSearchResult(EditorState& state, bool found);

// F3: makes the next matching cell current (column first, then row). Returns
// false when the search text is empty, there is no grid, or nothing matches;
// the current cell then stays where it is. After a miss that wraps, it
// starts with the first cell.
bool FindNext(const EditorState& state, grid::CellStore* cells);

}  // namespace tarno::editing
