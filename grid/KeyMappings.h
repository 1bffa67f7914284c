// The grid's own shortcuts. A key-down matches a mapping when its key and its
// exact set of Shift, Ctrl and Alt are equal; the first match in table order wins.
#pragma once

#include <Qt>
#include <vector>

namespace tarno::grid {

enum class GridCommand {
  RowInsert,
  RowDelete,
  ColumnInsert,
  ColumnDelete,
  PrintPreview,
  QueryDialog,
  FormuleDialog,
  CellNamesDialog,
  SetHeader,
};
constexpr int kGridCommandCount = static_cast<int>(GridCommand::SetHeader) + 1;

struct KeyMapping {
  GridCommand command;
  int key;  // a Qt::Key
  Qt::KeyboardModifiers modifiers;
};

using KeyMappingTable = std::vector<KeyMapping>;

// RowInsert Shift+Ins, RowDelete Shift+Del, ColumnInsert Ctrl+Shift+Ins,
// ColumnDelete Ctrl+Shift+Del, PrintPreview Ctrl+P, QueryDialog Ctrl+Q,
// FormuleDialog F3, CellNamesDialog Ctrl+N, SetHeader Ctrl+H, in that order.
KeyMappingTable DefaultKeyMappings();

// Only Shift, Ctrl and Alt take part in matching (not the keypad or Meta flags).
const KeyMapping* FindKeyMapping(const KeyMappingTable& table, int key, Qt::KeyboardModifiers modifiers);

}  // namespace tarno::grid
