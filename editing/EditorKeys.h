// The main window's function keys, seen before the focused control. Dialogs,
// the cell editor and buttons belong to the window; it passes them in as hooks.
#pragma once

#include <functional>
#include <string>

#include "CellStore.h"
#include "EditorState.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

enum class EditorKey { Other, F, F1, F2, F3, F4, F12 };

struct EditorContext {
  EditorState& state;
  TDataObject* data;       // none while nothing is loaded
  grid::CellStore* cells;  // none while nothing is loaded
};

struct EditorKeyHooks {
  std::function<std::string()> askSearchText;  // shows the search dialog modally, returns its text
  std::function<void()> openCellEditor;        // F2 on the current cell
  std::function<void()> showHiddenButtons;     // F12: "Read/Write test" and "Generate PtcCable"
};

// Runs the key's command. Returns true when the key is consumed: Ctrl+F only
// with a grid, F1 to F4 and F12 always, every other key (F without Ctrl among
// them) never. Modifiers are ignored except Ctrl with F.
bool FormKeyDown(EditorKey key, bool ctrlHeld, const EditorContext& context, const EditorKeyHooks& hooks);

}  // namespace tarno::editing
