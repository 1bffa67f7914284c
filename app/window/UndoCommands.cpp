// Undo and redo of the grid commands and of typing, for the loaded file:
// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z, wherever the focus is in the window.
#include <QKeyEvent>
#include <optional>

#include "EditHistory.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"

namespace tarno::window {

void TfrmTarnoChannelEdit::StartHistory() {
  history_.reset();
  if (dataObject_ && grid_) history_ = std::make_unique<editing::EditHistory>(*dataObject_, grid_->Cells());
}

void TfrmTarnoChannelEdit::ForgetHistory() {
  if (history_) history_->Clear();
}

void TfrmTarnoChannelEdit::RunEditCommand(const std::function<void()>& body) {
  RunCommand([&] {
    std::optional<grid::CellStore::Step> step;
    if (grid_) step.emplace(grid_->Cells());
    body();
  });
}

// Consumed whenever a file is loaded, also with nothing left to undo, so that
// the cell editor never undoes on its own behind the history's back.
bool TfrmTarnoChannelEdit::UndoRedoKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held = modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  const bool undo = key == Qt::Key_Z && held == Qt::ControlModifier;
  const bool redo = (key == Qt::Key_Y && held == Qt::ControlModifier) ||
                    (key == Qt::Key_Z && held == (Qt::ControlModifier | Qt::ShiftModifier));
  if (!(undo || redo) || !history_) return false;
  RunCommand([&] {
    if (undo) history_->Undo();
    else history_->Redo();
  });
  return true;
}

}  // namespace tarno::window
