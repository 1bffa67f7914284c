#include "EditorKeys.h"

namespace tarno::editing {
namespace {

KeyPress PressOf(EditorKey key, bool ctrlHeld) {
  switch (key) {
    case EditorKey::F: return {"F", ctrlHeld};
    case EditorKey::F1: return {"F1", ctrlHeld};
    case EditorKey::F2: return {"F2", ctrlHeld};
    case EditorKey::F3: return {"F3", ctrlHeld};
    case EditorKey::F4: return {"F4", ctrlHeld};
    case EditorKey::F12: return {"F12", ctrlHeld};
    case EditorKey::Other: break;
  }
  return {};
}

void RunDirectly(const GridCommandSpec& command, const CommandInput& input, const EditorContext& context) {
  static const std::string kNoSettings;
  static const LogSink kNoLog = [](const std::string&) {};
  CommandContext commandContext{context.state, context.data, context.cells, context.history,
                                kNoSettings,   input,        kNoLog};
  command.run(commandContext);
}

}  // namespace

bool KeyConsumedWithoutList(const GridCommandSpec& command) {
  return command.key.find('+') == std::string_view::npos;
}

bool FormKeyDown(const KeyPress& key, const EditorContext& context, const EditorKeyHooks& hooks) {
  if (key.name == "F2") {
    if (context.cells && hooks.openCellEditor) hooks.openCellEditor();
    return true;
  }
  if (key.name == "F12") {
    if (hooks.showHiddenButtons) hooks.showHiddenButtons();
    return true;
  }
  const GridCommandSpec* command = CommandForKey(key);
  if (!command) return false;
  if (!context.cells) return KeyConsumedWithoutList(*command);
  CommandInput input;
  if (command->argument == CommandArgument::Text && hooks.askSearchText) input.text = hooks.askSearchText();
  if (hooks.run) hooks.run(*command, input);
  else RunDirectly(*command, input, context);
  return true;
}

bool FormKeyDown(EditorKey key, bool ctrlHeld, const EditorContext& context, const EditorKeyHooks& hooks) {
  if (key == EditorKey::Other) return false;
  return FormKeyDown(PressOf(key, ctrlHeld), context, hooks);
}

}  // namespace tarno::editing
