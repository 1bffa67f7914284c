#include "GridCommandFunctions.h"

#include <algorithm>
#include <optional>

#include "CellNumber.h"
#include "ChannelFlags.h"
#include "ChannelListFiles.h"
#include "Favourites.h"
#include "EditHistory.h"
#include "FindNext.h"
#include "MoveRow.h"
#include "MoveRows.h"
#include "RecordCommands.h"
#include "Renumbering.h"
#include "SortRows.h"
#include "SwapChannels.h"

namespace tarno::editing {
namespace {

// "Add record" and "Remove last record" only exist for layouts with a header.
void RequireHeader(const CommandContext& context) {
  if (context.data && !context.data->HasHeader)
    throw GridCommandError("the layout declares no header, so these records cannot be added or removed");
}

bool IsDataRow(const grid::CellStore& cells, int row) { return row >= 1 && row < cells.RowCount(); }

bool HasList(const CommandContext& context) { return context.data && context.cells; }

// The favourites list a Choice argument names, 1 to 5.
int ListNumber(const CommandContext& context) { return std::stoi(context.input.text); }

bool IsOn(const CommandContext& context) { return context.input.text == "on"; }

void SetFlag(CommandContext& context, ChannelFlag flag) {
  if (HasList(context))
    SetChannelFlag(*context.data, *context.cells, SelectedRows(context.state, *context.cells), flag, IsOn(context));
}

}  // namespace

RowSpan SelectedRows(const EditorState& state, const grid::CellStore& cells) {
  const int current = cells.Row();
  const int end = IsDataRow(cells, state.SelectionEndRow) ? state.SelectionEndRow : current;
  return {std::min(current, end), std::max(current, end)};
}

bool CurrentColumnHoldsTexts(const CommandContext& context) {
  const grid::CellStore* cells = context.cells;
  if (!cells) return false;
  for (int row = 1; row < cells->RowCount(); ++row) {
    const std::string_view text = cells->Text(cells->Col(), row);
    if (text.find_first_not_of(' ') != std::string_view::npos && !WholeNumber(text)) return true;
  }
  return false;
}

void SelectCellCommand(CommandContext& context) {
  grid::CellStore* cells = context.cells;
  if (!cells) return;
  const CommandInput& cell = context.input;
  const bool range = cell.endRow != 0;
  if (cell.col < 1 || cell.col >= cells->ColCount() || !IsDataRow(*cells, cell.row) ||
      (range && !IsDataRow(*cells, cell.endRow)))
    throw GridCommandError("no such data cell (columns 1 to " + std::to_string(cells->ColCount() - 1) +
                           ", rows 1 to " + std::to_string(cells->RowCount() - 1) + ")");
  cells->SetCol(cell.col);
  cells->SetRow(cell.row);
  context.state.SelectionEndRow = range ? cell.endRow : 0;
}

// Text the cell's field has no room for is refused, as the grid refuses typing it.
void TypeTextCommand(CommandContext& context) {
  grid::CellStore* cells = context.cells;
  if (!cells || !context.data) return;
  const std::string& text = context.input.text;
  const std::string refusal = context.data->CellTextRefusal(cells, cells->Col(), cells->Row(), text);
  if (!refusal.empty()) throw TextRefusedError(refusal);
  cells->SetText(cells->Col(), cells->Row(), text);
}

void SortRowsCommand(CommandContext& context) {
  if (context.cells) SortRows(context.cells);
}
void RenumberCommand(CommandContext& context) { RenumberColumn(context.data, context.cells); }
void RowRenumberCommand(CommandContext& context) { RowBasedRenumber(context.data, context.cells); }
void SortedRenumberCommand(CommandContext& context) { SortedRenumber(context.data, context.cells); }
void SetMoveTargetCommand(CommandContext& context) { SetMoveTarget(context.state, context.cells); }
void MoveRowCommand(CommandContext& context) {
  MoveRowToTarget(context.state, context.cells);
  KeepFavouritesViewInOrder(context);
}
void ClearRowCommand(CommandContext& context) { ClearCurrentRow(context.data, context.cells); }

void AddRecordCommand(CommandContext& context) {
  RequireHeader(context);
  AddRecord(context.data, context.cells);
}

void RemoveLastRecordCommand(CommandContext& context) {
  RequireHeader(context);
  RemoveLastRecord(context.data, context.cells);
}

void FindCommand(CommandContext& context) { SearchFromDialog(context.state, context.cells, context.input.text); }
void FindNextCommand(CommandContext& context) {
  if (context.cells && !context.state.SearchText.empty())
    NoteSearchResult(context.state, FindNext(context.state, context.cells));
}

void UndoCommand(CommandContext& context) {
  if (context.history) context.history->Undo();
}
void RedoCommand(CommandContext& context) {
  if (context.history) context.history->Redo();
}

void ExportCsvCommand(CommandContext& context) {
  if (context.data && context.cells) ExportCsvFile(*context.data, *context.cells, context.input.text, context.log);
}
void ImportCsvCommand(CommandContext& context) {
  if (context.data && context.cells) ImportCsvFile(*context.data, *context.cells, context.input.text, context.log);
}
void ApplyReferenceCommand(CommandContext& context) {
  if (!context.data || !context.cells) return;
  const auto option = [&context](std::string_view name) -> std::optional<std::string_view> {
    const auto found = context.input.options.find(name);
    if (found == context.input.options.end()) return std::nullopt;
    return found->second;
  };
  ReferenceOptions options;
  try {
    options = ParseReferenceOptions(option("carry"), option("unmatched"));
  } catch (const std::invalid_argument& wrong) {
    throw GridCommandError(wrong.what());
  }
  ApplyReferenceFile(context.settingsFile, *context.data, *context.cells, context.input.text, options, context.log);
}
void ExportReferenceCommand(CommandContext& context) {
  if (context.data && context.cells)
    ExportReferenceFile(*context.data, *context.cells, context.input.text, context.log);
}
void RemoveDuplicatesCommand(CommandContext& context) {
  if (context.data && context.cells) RemoveDuplicateChannels(*context.data, *context.cells, context.log);
}

}  // namespace tarno::editing

namespace tarno::editing {

void FavouriteAddCommand(CommandContext& context) {
  if (HasList(context))
    AddToFavourites(*context.data, *context.cells, SelectedRows(context.state, *context.cells), ListNumber(context));
}
void FavouriteRemoveCommand(CommandContext& context) {
  if (HasList(context))
    RemoveFromFavourites(*context.data, *context.cells, SelectedRows(context.state, *context.cells),
                         ListNumber(context));
}
void FavouritesByNumberCommand(CommandContext& context) {
  if (HasList(context)) OrderFavouritesByNumber(*context.data, *context.cells, ListNumber(context));
}
void LockCommand(CommandContext& context) { SetFlag(context, ChannelFlag::Lock); }
void SkipCommand(CommandContext& context) { SetFlag(context, ChannelFlag::Skip); }
void HideCommand(CommandContext& context) { SetFlag(context, ChannelFlag::Hide); }
void DeleteCommand(CommandContext& context) { SetFlag(context, ChannelFlag::Delete); }
void SwapCommand(CommandContext& context) {
  if (HasList(context)) SwapChannels(*context.data, *context.cells, SelectedRows(context.state, *context.cells));
}
void MoveRowsCommand(CommandContext& context) {
  if (context.cells) MoveRowsToTarget(context.state, *context.cells, SelectedRows(context.state, *context.cells));
  KeepFavouritesViewInOrder(context);
}

void FavouritesViewCommand(CommandContext& context) {
  if (!HasList(context)) return;
  if (context.input.text == "off") {
    ShowEveryChannel(*context.cells);
    context.state.FavouritesView = 0;
    return;
  }
  ShowEveryChannel(*context.cells);
  ShowFavouritesList(*context.data, *context.cells, ListNumber(context));
  context.state.FavouritesView = ListNumber(context);
}

void KeepFavouritesViewInOrder(CommandContext& context) {
  if (HasList(context) && context.state.FavouritesView != 0)
    NumberFavouritesInRowOrder(*context.data, *context.cells, context.state.FavouritesView);
}

}  // namespace tarno::editing
