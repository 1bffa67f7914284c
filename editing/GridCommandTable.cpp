#include "GridCommandTable.h"

#include <algorithm>
#include <array>

#include "GridCommandFunctions.h"

// Marks the window's texts for its translations: lupdate finds them here, and
// the window looks them up in the context kTranslationContext names.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tarno::editing {
namespace {

constexpr std::string_view kCsvFilter = QT_TRANSLATE_NOOP("GridCommandTable", "CSV files|*.csv|All files|*.*");
constexpr std::string_view kReferenceFilter = QT_TRANSLATE_NOOP("GridCommandTable", "Television files|*.*|CSV files|*.csv|All files|*.*");

constexpr GridCommandSpec Select() {
  GridCommandSpec c;
  c.step = "select";
  c.argument = CommandArgument::Cell;
  c.argumentName = "COL,ROW";
  c.run = SelectCellCommand;
  return c;
}

constexpr GridCommandSpec Type() {
  GridCommandSpec c;
  c.step = "type";
  c.argument = CommandArgument::Text;
  c.argumentName = "TEXT";
  c.needsSelection = true;
  c.run = TypeTextCommand;
  return c;
}

constexpr GridCommandSpec SortRowsEntry() {
  GridCommandSpec c;
  c.step = "sort-rows";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Sort rows");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Sort rows, based on the selected column.");
  c.needsSelection = true;
  c.run = SortRowsCommand;
  c.buttonName = "btnReorder";
  c.button = {390, 56, 109, 25};
  return c;
}

constexpr GridCommandSpec Renumber() {
  GridCommandSpec c;
  c.step = "renumber";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Renumber column");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Renumber the selected column, based on the record number.");
  c.needsSelection = true;
  c.run = RenumberCommand;
  c.buttonName = "btnRenumber";
  c.button = {390, 81, 109, 25};
  return c;
}

constexpr GridCommandSpec RowRenumber() {
  GridCommandSpec c;
  c.step = "row-renumber";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Row based renumber");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Renumber the selected column, based on row order.");
  c.needsSelection = true;
  c.run = RowRenumberCommand;
  c.buttonName = "btnOrderedRenumber";
  c.button = {505, 81, 116, 25};
  c.slow = true;
  return c;
}

constexpr GridCommandSpec SortedRenumberEntry() {
  GridCommandSpec c;
  c.step = "sorted-renumber";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Sorted renumber");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", 
      "Renumber the selected column, based on the current values. The order when values are identical is "
      "undetermined.");
  c.needsSelection = true;
  c.run = SortedRenumberCommand;
  c.buttonName = "btnIncrementalRenumber";
  c.button = {505, 56, 116, 25};
  c.slow = true;
  return c;
}

constexpr GridCommandSpec SetMoveTargetEntry() {
  GridCommandSpec c;
  c.step = "set-move-target";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Set row to move to:");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", 
      "Set the row that another row will be moved to when double-clicked. After moving a row the next row will "
      "be used for the next move.");
  c.needsSelection = true;
  c.undoStep = false;
  c.run = SetMoveTargetCommand;
  c.buttonName = "btnSetMoveRow";
  c.button = {390, 156, 109, 25};
  return c;
}

constexpr GridCommandSpec MoveRow() {
  GridCommandSpec c;
  c.step = "move-row";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Move row");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Move the row.");
  c.key = "F4";
  c.needsSelection = true;
  c.run = MoveRowCommand;
  c.buttonName = "btnMoveRow";
  c.button = {390, 131, 109, 25};
  return c;
}

constexpr GridCommandSpec ClearRow() {
  GridCommandSpec c;
  c.step = "clear-row";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Clear row");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Clear the data of the selected row.");
  c.key = "F1";
  c.needsSelection = true;
  c.run = ClearRowCommand;
  c.buttonName = "btnClearRow";
  c.button = {390, 106, 109, 25};
  return c;
}

constexpr GridCommandSpec AddRecordEntry() {
  GridCommandSpec c;
  c.step = "add-record";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Add record");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Add an empty record.");
  c.run = AddRecordCommand;
  c.buttonName = "btnAddRecord";
  c.button = {627, 56, 109, 25};
  c.needsHeader = true;
  return c;
}

constexpr GridCommandSpec RemoveLastRecordEntry() {
  GridCommandSpec c;
  c.step = "remove-last-record";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Remove last record");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Remove last record.");
  c.run = RemoveLastRecordCommand;
  c.buttonName = "btnDeleteRecord";
  c.button = {627, 81, 109, 25};
  c.needsHeader = true;
  return c;
}

constexpr GridCommandSpec Find() {
  GridCommandSpec c;
  c.step = "find";
  c.argument = CommandArgument::Text;
  c.argumentName = "TEXT";
  c.key = "Ctrl+F";
  c.undoStep = false;
  c.run = FindCommand;
  c.printsCurrentCell = true;
  return c;
}

constexpr GridCommandSpec FindNextEntry() {
  GridCommandSpec c;
  c.step = "find-next";
  c.key = "F3";
  c.undoStep = false;
  c.run = FindNextCommand;
  c.slow = true;
  c.printsCurrentCell = true;
  return c;
}

constexpr GridCommandSpec Undo() {
  GridCommandSpec c;
  c.step = "undo";
  c.key = "Ctrl+Z";
  c.undoStep = false;
  c.run = UndoCommand;
  return c;
}

constexpr GridCommandSpec Redo() {
  GridCommandSpec c;
  c.step = "redo";
  c.key = "Ctrl+Y";
  c.otherKey = "Ctrl+Shift+Z";
  c.undoStep = false;
  c.run = RedoCommand;
  return c;
}

constexpr GridCommandSpec ExportCsv() {
  GridCommandSpec c;
  c.step = "export-csv";
  c.argument = CommandArgument::SaveFile;
  c.argumentName = "FILE";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Export CSV…");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", 
      "Save the visible columns as a CSV file for a spreadsheet; column \"#\" is the record number.");
  c.undoStep = false;
  c.run = ExportCsvCommand;
  c.buttonName = "btnExportCsv";
  c.button = {505, 106, 116, 25};
  c.file = {QT_TRANSLATE_NOOP("GridCommandTable", "Export CSV"), kCsvFilter, ".csv"};
  return c;
}

constexpr GridCommandSpec ImportCsv() {
  GridCommandSpec c;
  c.step = "import-csv";
  c.argument = CommandArgument::OpenFile;
  c.argumentName = "FILE";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Import CSV…");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Take the rows of a CSV file exported before: its row order and the columns it has.");
  c.run = ImportCsvCommand;
  c.buttonName = "btnImportCsv";
  c.button = {505, 131, 116, 25};
  c.slow = true;
  c.file = {QT_TRANSLATE_NOOP("GridCommandTable", "Import CSV"), kCsvFilter, {}};
  return c;
}

constexpr GridCommandSpec ApplyReference() {
  GridCommandSpec c;
  c.step = "apply-reference";
  c.argument = CommandArgument::OpenFile;
  c.argumentName = "FILE";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Apply reference list…");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", 
      "Number the channels as another channel list of the same kind (or its CSV) numbers them; channels it "
      "does not have follow its highest number.");
  c.run = ApplyReferenceCommand;
  c.buttonName = "btnApplyReference";
  c.button = {627, 106, 137, 25};
  c.slow = true;
  c.file = {QT_TRANSLATE_NOOP("GridCommandTable", "Select the reference list"), kReferenceFilter, {}};
  return c;
}

constexpr GridCommandSpec RemoveDuplicates() {
  GridCommandSpec c;
  c.step = "remove-duplicates";
  c.caption = QT_TRANSLATE_NOOP("GridCommandTable", "Remove duplicates");
  c.hint = QT_TRANSLATE_NOOP("GridCommandTable", "Clear every channel of the same service but the one with the lowest number.");
  c.run = RemoveDuplicatesCommand;
  c.buttonName = "btnRemoveDuplicates";
  c.button = {627, 131, 137, 25};
  c.slow = true;
  return c;
}

// The order of tarno-cli's usage text.
constexpr std::array kCommands = {
    Select(),     Type(),          SortRowsEntry(),    Renumber(),         RowRenumber(),
    SortedRenumberEntry(), SetMoveTargetEntry(), MoveRow(), ClearRow(),    AddRecordEntry(),
    RemoveLastRecordEntry(), Find(), FindNextEntry(),  Undo(),             Redo(),
    ExportCsv(),  ImportCsv(),     ApplyReference(),   RemoveDuplicates(),
};

struct KeyText {
  std::string_view name;
  bool ctrl = false, shift = false, alt = false;
  int Modifiers() const { return int(ctrl) + int(shift) + int(alt); }
};

// "Ctrl+Shift+Z" into its parts.
KeyText ParseKey(std::string_view text) {
  KeyText key;
  for (size_t plus = text.find('+'); plus != std::string_view::npos && plus + 1 < text.size();
       plus = text.find('+')) {
    const std::string_view modifier = text.substr(0, plus);
    key.ctrl |= modifier == "Ctrl";
    key.shift |= modifier == "Shift";
    key.alt |= modifier == "Alt";
    text.remove_prefix(plus + 1);
  }
  key.name = text;
  return key;
}

bool Answers(std::string_view keyText, const KeyPress& pressed) {
  if (keyText.empty()) return false;
  const KeyText key = ParseKey(keyText);
  return key.name == pressed.name && (!key.ctrl || pressed.ctrl) && (!key.shift || pressed.shift) &&
         (!key.alt || pressed.alt);
}

}  // namespace

std::span<const GridCommandSpec> GridCommands() { return kCommands; }

const GridCommandSpec* FindCommand(std::string_view step) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [step](const GridCommandSpec& command) { return command.step == step; });
  return found == kCommands.end() ? nullptr : &*found;
}

const GridCommandSpec* CommandForKey(const KeyPress& key) {
  const GridCommandSpec* best = nullptr;
  int bestModifiers = -1;
  for (const GridCommandSpec& command : kCommands)
    for (const std::string_view keyText : {command.key, command.otherKey})
      if (Answers(keyText, key) && ParseKey(keyText).Modifiers() > bestModifiers) {
        best = &command;
        bestModifiers = ParseKey(keyText).Modifiers();
      }
  return best;
}

std::string EditStepList(size_t width) {
  std::string list;
  size_t lineStart = 0;
  for (const GridCommandSpec& command : kCommands) {
    std::string word(command.step);
    if (command.argument != CommandArgument::None) word += "=" + std::string(command.argumentName);
    if (!list.empty()) {
      const bool wraps = list.size() - lineStart + 1 + word.size() > width;
      list += wraps ? '\n' : ' ';
      if (wraps) lineStart = list.size();
    }
    list += word;
  }
  return list;
}

}  // namespace tarno::editing
