#include "EditorKeys.h"

#include "FindNext.h"
#include "MoveRow.h"
#include "RecordCommands.h"

namespace tarno::editing {

bool FormKeyDown(EditorKey key, bool ctrlHeld, const EditorContext& context, const EditorKeyHooks& hooks) {
  switch (key) {
    case EditorKey::F:
      if (!ctrlHeld || !context.cells) return false;
      return SearchFromDialog(context.state, context.cells, hooks.askSearchText ? hooks.askSearchText() : "");
    case EditorKey::F1:
      ClearCurrentRow(context.data, context.cells);
      return true;
    case EditorKey::F2:
      if (context.cells && hooks.openCellEditor) hooks.openCellEditor();
      return true;
    case EditorKey::F3:
      FindNext(context.state, context.cells);
      return true;
    case EditorKey::F4:
      MoveRowToTarget(context.state, context.cells);
      return true;
    case EditorKey::F12:
      if (hooks.showHiddenButtons) hooks.showHiddenButtons();
      return true;
    case EditorKey::Other:
      return false;
  }
  return false;
}

}  // namespace tarno::editing
