// The functions behind the entries of the grid command table, one per command.
// Each works on the context's list; a command that cannot run raises
// GridCommandError with the line to show.
#pragma once

#include <stdexcept>

#include "ChannelSelection.h"
#include "GridCommandTable.h"

namespace tarno::editing {

class GridCommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Text typed into a cell whose field has no room for it; the message names the field.
class TextRefusedError : public GridCommandError {
 public:
  using GridCommandError::GridCommandError;
};

// The rows the commands on a selection work on: from the current row to the
// selection's other end, within the grid's data rows.
RowSpan SelectedRows(const EditorState& state, const grid::CellStore& cells);

// The current column holds texts that are no numbers (names): renumbering
// would replace them.
bool CurrentColumnHoldsTexts(const CommandContext& context);

void SelectCellCommand(CommandContext& context);
void TypeTextCommand(CommandContext& context);
void SortRowsCommand(CommandContext& context);
void RenumberCommand(CommandContext& context);
void RowRenumberCommand(CommandContext& context);
void SortedRenumberCommand(CommandContext& context);
void SetMoveTargetCommand(CommandContext& context);
void MoveRowCommand(CommandContext& context);
void ClearRowCommand(CommandContext& context);
void AddRecordCommand(CommandContext& context);
void RemoveLastRecordCommand(CommandContext& context);
void FindCommand(CommandContext& context);
void FindNextCommand(CommandContext& context);
void UndoCommand(CommandContext& context);
void RedoCommand(CommandContext& context);
void ExportCsvCommand(CommandContext& context);
void ImportCsvCommand(CommandContext& context);
void ApplyReferenceCommand(CommandContext& context);
void ExportReferenceCommand(CommandContext& context);
void RemoveDuplicatesCommand(CommandContext& context);
void FavouriteAddCommand(CommandContext& context);
void FavouriteRemoveCommand(CommandContext& context);
void FavouritesByNumberCommand(CommandContext& context);
void LockCommand(CommandContext& context);
void SkipCommand(CommandContext& context);
void HideCommand(CommandContext& context);
void DeleteCommand(CommandContext& context);
void SwapCommand(CommandContext& context);
void MoveRowsCommand(CommandContext& context);
void FavouritesViewCommand(CommandContext& context);
// In a favourites list's view, its positions follow the rows as they stand.
void KeepFavouritesViewInOrder(CommandContext& context);

}  // namespace tarno::editing
