// The main window's keys, seen before the focused control: the keys of the
// grid command table, and F2 and F12, which belong to the window. Dialogs,
// the cell editor and buttons are the window's; it passes them in as hooks.
#pragma once

#include <functional>
#include <string>

#include "CellStore.h"
#include "EditorState.h"
#include "GridCommandTable.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

class EditHistory;

enum class EditorKey { Other, F, F1, F2, F3, F4, F12 };

struct EditorContext {
  EditorState& state;
  TDataObject* data;       // none while nothing is loaded
  grid::CellStore* cells;  // none while nothing is loaded
  EditHistory* history = nullptr;
};

struct EditorKeyHooks {
  std::function<std::string()> askSearchText;  // shows the search dialog modally, returns its text
  std::function<void()> openCellEditor;        // F2 on the current cell
  std::function<void()> showHiddenButtons;     // F12: "Read/Write test" and "Generate PtcCable"
  // Runs a command of a key; unset, the key runs it on the context directly.
  std::function<void(const GridCommandSpec&, const CommandInput&)> run;
};

// Whether a command's key is taken while no list is loaded, doing nothing:
// the function keys are; keys held with Ctrl go on to the focused control.
bool KeyConsumedWithoutList(const GridCommandSpec& command);

// Runs the key's command. Returns true when the key is consumed: a key of the
// table while a list is loaded; without one, the function keys (F1, F3, F4)
// and F2 and F12. Every other key (F without Ctrl among them) goes on.
// Modifiers a key does not ask for do not count: Shift+F1 is F1.
bool FormKeyDown(const KeyPress& key, const EditorContext& context, const EditorKeyHooks& hooks);
// The same for the keys the tests press: Ctrl held or not.
bool FormKeyDown(EditorKey key, bool ctrlHeld, const EditorContext& context, const EditorKeyHooks& hooks);

}  // namespace tarno::editing
