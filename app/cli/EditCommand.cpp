// tarno-cli edit: loads a file as Load does, runs grid commands on a headless
// grid as the window's buttons and keys would, and saves as "Save as ..." does.
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"
#include "EditHistory.h"
#include "EditorKeys.h"
#include "HeadlessGrid.h"
#include "LoadSave.h"
#include "MoveRow.h"
#include "RecordCommands.h"
#include "Renumbering.h"
#include "SortEngine.h"
#include "SortRows.h"

namespace tarno::cli {
namespace {

enum class StepKind {
  Select, Type, SortRows, Renumber, RowRenumber, SortedRenumber, SetMoveTarget, MoveRow, ClearRow,
  AddRecord, RemoveLastRecord, Find, FindNext, Undo, Redo,
};

struct EditStep {
  StepKind kind;
  std::string word;  // as given, for messages
  std::string text;  // type= and find=
  int col = 0;       // select=
  int row = 0;
};

struct LoadedFile {
  std::unique_ptr<TDataObject>& data;
  grid::CellStore& cells;
  editing::EditorState state;
  editing::EditHistory& history;
};

const std::vector<std::pair<std::string, StepKind>>& PlainSteps() {
  static const std::vector<std::pair<std::string, StepKind>> steps = {
      {"sort-rows", StepKind::SortRows},
      {"renumber", StepKind::Renumber},
      {"row-renumber", StepKind::RowRenumber},
      {"sorted-renumber", StepKind::SortedRenumber},
      {"set-move-target", StepKind::SetMoveTarget},
      {"move-row", StepKind::MoveRow},
      {"clear-row", StepKind::ClearRow},
      {"add-record", StepKind::AddRecord},
      {"remove-last-record", StepKind::RemoveLastRecord},
      {"find-next", StepKind::FindNext},
      {"undo", StepKind::Undo},
      {"redo", StepKind::Redo},
  };
  return steps;
}

bool ReadInt(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

EditStep ParseSelect(const std::string& word, std::string_view cell) {
  EditStep step{StepKind::Select, word, {}, 0, 0};
  const size_t comma = cell.find(',');
  if (comma == std::string_view::npos || !ReadInt(cell.substr(0, comma), step.col) ||
      !ReadInt(cell.substr(comma + 1), step.row))
    throw UsageError("bad edit command '" + word + "': expected select=COL,ROW with whole numbers");
  return step;
}

EditStep ParseStep(const std::string& word) {
  for (const auto& [name, kind] : PlainSteps())
    if (word == name) return EditStep{kind, word, {}, 0, 0};
  const size_t equals = word.find('=');
  const std::string name = word.substr(0, equals);
  const std::string value = equals == std::string::npos ? std::string() : word.substr(equals + 1);
  if (equals != std::string::npos) {
    if (name == "select") return ParseSelect(word, value);
    if (name == "type") return EditStep{StepKind::Type, word, value, 0, 0};
    if (name == "find") return EditStep{StepKind::Find, word, value, 0, 0};
  }
  throw UsageError("unknown edit command '" + word + "'");
}

std::vector<EditStep> ParseSteps(const std::vector<std::string>& words) {
  std::vector<EditStep> steps;
  for (const std::string& word : words) steps.push_back(ParseStep(word));
  return steps;
}

void PrintCurrentCell(const grid::CellStore& cells) { std::cout << cells.Col() << ',' << cells.Row() << '\n'; }

void SelectCell(grid::CellStore& cells, const EditStep& step) {
  if (step.col < 1 || step.col >= cells.ColCount() || step.row < 1 || step.row >= cells.RowCount())
    throw CommandFailure(step.word + ": no such data cell (columns 1 to " + std::to_string(cells.ColCount() - 1) +
                         ", rows 1 to " + std::to_string(cells.RowCount() - 1) + ")");
  cells.SetCol(step.col);
  cells.SetRow(step.row);
}

// The window offers "Add record" and "Remove last record" only for layouts with a header.
void RequireHeader(const TDataObject& data, const EditStep& step) {
  if (!data.HasHeader)
    throw CommandFailure(step.word + ": the layout declares no header, so these records cannot be added or removed");
}

bool PressKey(LoadedFile& file, editing::EditorKey key, bool ctrl, const std::string& dialogText = {}) {
  editing::EditorKeyHooks hooks;
  hooks.askSearchText = [&dialogText] { return dialogText; };
  return editing::FormKeyDown(key, ctrl, {file.state, file.data.get(), &file.cells}, hooks);
}

// The window shows this error in a message box and stays usable; so does the tool.
void SortedRenumberShowingErrors(LoadedFile& file) {
  try {
    editing::SortedRenumber(file.data.get(), &file.cells);
  } catch (const grid::SortConversionError& error) {
    std::cout.flush();
    std::cerr << "tarno-cli: " << error.what() << '\n';
  }
}

// Text the cell's field has no room for ends the command, as the window refuses typing it.
void TypeIntoCell(LoadedFile& file, const EditStep& step) {
  grid::CellStore& cells = file.cells;
  const std::string refusal = file.data->CellTextRefusal(&cells, cells.Col(), cells.Row(), step.text);
  if (!refusal.empty()) throw CommandFailure(refusal);
  cells.SetText(cells.Col(), cells.Row(), step.text);
}

// Each command is one step to undo, as a button or key of the window is.
void RunStep(LoadedFile& file, const EditStep& step) {
  TDataObject* data = file.data.get();
  grid::CellStore& cells = file.cells;
  if (step.kind == StepKind::Undo || step.kind == StepKind::Redo) {
    if (step.kind == StepKind::Undo) file.history.Undo();
    else file.history.Redo();
    return;
  }
  const grid::CellStore::Step undoStep(cells);
  switch (step.kind) {
    case StepKind::Select: SelectCell(cells, step); break;
    case StepKind::Type: TypeIntoCell(file, step); break;
    case StepKind::SortRows: editing::SortRows(&cells); break;
    case StepKind::Renumber: editing::RenumberColumn(data, &cells); break;
    case StepKind::RowRenumber: editing::RowBasedRenumber(data, &cells); break;
    case StepKind::SortedRenumber: SortedRenumberShowingErrors(file); break;
    case StepKind::SetMoveTarget: editing::SetMoveTarget(file.state, &cells); break;
    case StepKind::MoveRow: editing::MoveRowToTarget(file.state, &cells); break;
    case StepKind::ClearRow: editing::ClearCurrentRow(data, &cells); break;
    case StepKind::AddRecord:
      RequireHeader(*data, step);
      editing::AddRecord(data, &cells);
      break;
    case StepKind::RemoveLastRecord:
      RequireHeader(*data, step);
      editing::RemoveLastRecord(data, &cells);
      break;
    case StepKind::Find:
      PressKey(file, editing::EditorKey::F, true, step.text);
      PrintCurrentCell(cells);
      break;
    case StepKind::FindNext:
      PressKey(file, editing::EditorKey::F3, false);
      PrintCurrentCell(cells);
      break;
    case StepKind::Undo:
    case StepKind::Redo: break;
  }
}

}  // namespace

int EditCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script", kScriptTimeoutOption}, {"--keep-order", "--crc"});
  const std::vector<std::string>& positional = args.Positional();
  if (positional.size() < 2) throw UsageError("edit needs FILE and OUT before its commands");
  const std::vector<EditStep> steps = ParseSteps({positional.begin() + 2, positional.end()});

  HeadlessGrid grid(true);  // each command's log lines go out as the log pane shows them
  grid.Load(args, positional[0]);
  editing::EditHistory history(*grid.data, grid.cells);
  LoadedFile file{grid.data, grid.cells, {}, history};
  for (const EditStep& step : steps) RunStep(file, step);
  grid.Save(positional[1], args.Flag("--keep-order"), args.Flag("--crc"));
  return 0;
}

}  // namespace tarno::cli
