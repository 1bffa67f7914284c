// What the main window keeps between grid commands: the move target with its
// button caption, and the last search text. Lives as long as the window;
// loading another file leaves it as it is.
#pragma once

#include <string>

namespace tarno::editing {

struct EditorState {
  EditorState();

  int MoveToRow = 1;           // the row the next "Move row" moves to
  std::string MoveRowCaption;  // the caption of the "Set row to move to:" button
  std::string SearchText;      // upper-cased (ASCII letters only); empty: F3 does nothing
  // The selected rows run from the current row to this one (either way);
  // 0: the current row alone. Loading a list clears it.
  int SelectionEndRow = 0;
  // The window's search: after a search that found nothing it says so, and
  // the next one starts from the first cell (tarno-cli keeps stopping there).
  bool WrapSearch = false;
  bool SearchFromTop = false;  // set by a miss when WrapSearch
  bool LastSearchMissed = false;
  // The favourites list on show alone (1 .. 5), 0: every channel. Moving rows
  // there numbers the list anew in row order.
  int FavouritesView = 0;
};


// The three captions of the move-target button.
std::string StartCaption(int moveToRow);      // "Move to row: %d", at start
std::string AfterSetCaption(int moveToRow);   // "Set row to row: %d", after "Set row to move to:"
std::string AfterMoveCaption(int moveToRow);  // "Set row move to: %d", after "Move row"

}  // namespace tarno::editing
