#include "KeyMappings.h"

namespace tarno::grid {

KeyMappingTable DefaultKeyMappings() {
  constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  return {
      {GridCommand::RowInsert, Qt::Key_Insert, shift},
      {GridCommand::RowDelete, Qt::Key_Delete, shift},
      {GridCommand::ColumnInsert, Qt::Key_Insert, ctrl | shift},
      {GridCommand::ColumnDelete, Qt::Key_Delete, ctrl | shift},
      {GridCommand::PrintPreview, Qt::Key_P, ctrl},
      {GridCommand::QueryDialog, Qt::Key_Q, ctrl},
      {GridCommand::FormuleDialog, Qt::Key_F3, kNone},
      {GridCommand::CellNamesDialog, Qt::Key_N, ctrl},
      {GridCommand::SetHeader, Qt::Key_H, ctrl},
  };
}

const KeyMapping* FindKeyMapping(const KeyMappingTable& table, int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers relevant = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  for (const KeyMapping& mapping : table)
    if (mapping.key == key && mapping.modifiers == relevant) return &mapping;
  return nullptr;
}

}  // namespace tarno::grid
