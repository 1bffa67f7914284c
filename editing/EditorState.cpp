#include "EditorState.h"

namespace tarno::editing {

EditorState::EditorState() : MoveRowCaption(StartCaption(MoveToRow)) {}

std::string StartCaption(int moveToRow) { return "Move to row: " + std::to_string(moveToRow); }
std::string AfterSetCaption(int moveToRow) { return "Set row to row: " + std::to_string(moveToRow); }
std::string AfterMoveCaption(int moveToRow) { return "Set row move to: " + std::to_string(moveToRow); }

}  // namespace tarno::editing
