#include "GridCommandTable.h"

#include <algorithm>

#include "GridCommandFunctions.h"

// Marks the window's texts for its translations: lupdate finds them here, and
// the window looks them up in the context kTranslationContext names.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tarno::editing {
namespace {

constexpr std::string_view kCsvFilter = QT_TRANSLATE_NOOP("GridCommandTable", "CSV files|*.csv|All files|*.*");
constexpr std::string_view kReferenceFilter =
    QT_TRANSLATE_NOOP("GridCommandTable", "Television files and archives|*.*|CSV files|*.csv|Reference lists|*.txt|All files|*.*");

// The words of the Choice arguments, as the window's menu shows them.
[[maybe_unused]] constexpr std::string_view kChoiceWords[] = {QT_TRANSLATE_NOOP("GridCommandTable", "on"),
                                                              QT_TRANSLATE_NOOP("GridCommandTable", "off")};

constexpr std::string_view kReferenceTextFilter =
    QT_TRANSLATE_NOOP("GridCommandTable", "Reference lists|*.txt|All files|*.*");

// What "Apply reference list…" carries over and what becomes of the channels
// the reference lacks.
constexpr CommandOption kReferenceOptions[] = {
    {.name = "carry",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Carry over"),
     .choices = "numbers|favourites|flags|names",
     .choiceCaptions = QT_TRANSLATE_NOOP("GridCommandTable",
                                         "Numbers|Favourites 1–5 and their order|Lock, skip and hide|Analog names"),
     .defaults = "numbers",
     .several = true},
    {.name = "unmatched",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Channels the reference list lacks"),
     .choices = "after|delete|keep",
     .choiceCaptions = QT_TRANSLATE_NOOP("GridCommandTable",
                                         "Number them after the highest number|Delete them|Leave them as they are"),
     .defaults = "after"},
};

constexpr std::string_view kTextColumnQuestion = QT_TRANSLATE_NOOP(
    "GridCommandTable",
    "Column '%1' holds texts, not only numbers: renumbering replaces each of them by a number. Renumber it "
    "anyway?");

// Every grid command, in the order of tarno-cli's usage text.
constexpr GridCommandSpec kCommands[] = {
    {.step = "select",
     .argument = CommandArgument::Cell,
     .argumentName = "COL,ROW[:COL2,ROW2]",
     .run = SelectCellCommand},
    {.step = "type",
     .argument = CommandArgument::Text,
     .argumentName = "TEXT",
     .needsSelection = true,
     .run = TypeTextCommand},
    {.step = "sort-rows",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Sort rows"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Sort rows, based on the selected column."),
     .needsSelection = true,
     .run = SortRowsCommand,
     .buttonName = "btnReorder",
     .button = {390, 56, 109, 25}},
    {.step = "renumber",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Renumber column"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Renumber the selected column, based on the record number."),
     .needsSelection = true,
     .run = RenumberCommand,
     .asksFirst = CurrentColumnHoldsTexts,
     .question = kTextColumnQuestion,
     .buttonName = "btnRenumber",
     .button = {390, 81, 109, 25}},
    {.step = "row-renumber",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Row based renumber"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Renumber the selected column, based on row order."),
     .needsSelection = true,
     .run = RowRenumberCommand,
     .asksFirst = CurrentColumnHoldsTexts,
     .question = kTextColumnQuestion,
     .buttonName = "btnOrderedRenumber",
     .button = {505, 81, 116, 25},
     .slow = true},
    {.step = "sorted-renumber",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Sorted renumber"),
     .hint = QT_TRANSLATE_NOOP(
         "GridCommandTable",
         "Renumber the selected column, based on the current values. The order when values are identical is "
         "undetermined."),
     .needsSelection = true,
     .run = SortedRenumberCommand,
     .asksFirst = CurrentColumnHoldsTexts,
     .question = kTextColumnQuestion,
     .buttonName = "btnIncrementalRenumber",
     .button = {505, 56, 116, 25},
     .slow = true},
    {.step = "set-move-target",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Set row to move to:"),
     .hint = QT_TRANSLATE_NOOP(
         "GridCommandTable",
         "Set the row that another row will be moved to when double-clicked. After moving a row the next row will "
         "be used for the next move."),
     .needsSelection = true,
     .undoStep = false,
     .run = SetMoveTargetCommand,
     .buttonName = "btnSetMoveRow",
     .button = {390, 156, 109, 25}},
    {.step = "move-row",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Move row"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Move the row."),
     .key = "F4",
     .needsSelection = true,
     .run = MoveRowCommand,
     .buttonName = "btnMoveRow",
     .button = {390, 131, 109, 25}},
    {.step = "clear-row",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Clear row"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Clear the data of the selected row."),
     .key = "F1",
     .needsSelection = true,
     .run = ClearRowCommand,
     .buttonName = "btnClearRow",
     .button = {390, 106, 109, 25}},
    {.step = "add-record",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Add record"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Add an empty record."),
     .run = AddRecordCommand,
     .buttonName = "btnAddRecord",
     .button = {627, 56, 109, 25},
     .needsHeader = true},
    {.step = "remove-last-record",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Remove last record"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Remove last record."),
     .run = RemoveLastRecordCommand,
     .buttonName = "btnDeleteRecord",
     .button = {627, 81, 109, 25},
     .needsHeader = true},
    {.step = "find",
     .argument = CommandArgument::Text,
     .argumentName = "TEXT",
     .key = "Ctrl+F",
     .undoStep = false,
     .run = FindCommand,
     .printsCurrentCell = true},
    {.step = "find-next",
     .key = "F3",
     .undoStep = false,
     .run = FindNextCommand,
     .slow = true,
     .printsCurrentCell = true},
    {.step = "undo", .key = "Ctrl+Z", .undoStep = false, .run = UndoCommand},
    {.step = "redo", .key = "Ctrl+Y", .otherKey = "Ctrl+Shift+Z", .undoStep = false, .run = RedoCommand},
    {.step = "export-csv",
     .argument = CommandArgument::SaveFile,
     .argumentName = "FILE",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Export CSV…"),
     .hint = QT_TRANSLATE_NOOP(
         "GridCommandTable",
         "Save the visible columns as a CSV file for a spreadsheet; column \"#\" is the record number."),
     .undoStep = false,
     .run = ExportCsvCommand,
     .buttonName = "btnExportCsv",
     .button = {505, 106, 116, 25},
     .file = {QT_TRANSLATE_NOOP("GridCommandTable", "Export CSV"), kCsvFilter, ".csv"}},
    {.step = "import-csv",
     .argument = CommandArgument::OpenFile,
     .argumentName = "FILE",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Import CSV…"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable",
                               "Take the rows of a CSV file exported before: its row order and the columns it has."),
     .run = ImportCsvCommand,
     .buttonName = "btnImportCsv",
     .button = {505, 131, 116, 25},
     .slow = true,
     .file = {QT_TRANSLATE_NOOP("GridCommandTable", "Import CSV"), kCsvFilter, {}}},
    {.step = "apply-reference",
     .argument = CommandArgument::OpenFile,
     .argumentName = "FILE",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Apply reference list…"),
     .hint = QT_TRANSLATE_NOOP(
         "GridCommandTable",
         "Number the channels as another channel list numbers them (an archive, one of its lists, a CSV or a "
         "text reference list), and take over its favourites, lock, skip and hide or analog names if you like."),
     .run = ApplyReferenceCommand,
     .buttonName = "btnApplyReference",
     .button = {627, 106, 137, 25},
     .slow = true,
     .file = {QT_TRANSLATE_NOOP("GridCommandTable", "Select the reference list"), kReferenceFilter, {}},
     .options = kReferenceOptions},
    {.step = "export-reference",
     .argument = CommandArgument::SaveFile,
     .argumentName = "FILE",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Export reference list…"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable",
                               "Save the channels as a text reference list, one a line: NUMBER;NAME;ONID-TSID-SID."),
     .undoStep = false,
     .run = ExportReferenceCommand,
     .buttonName = "btnExportReference",
     .button = {627, 156, 137, 25},
     .file = {QT_TRANSLATE_NOOP("GridCommandTable", "Export reference list"), kReferenceTextFilter, ".txt"}},
    {.step = "remove-duplicates",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Remove duplicates"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable",
                               "Clear every channel of the same service but the one with the lowest number."),
     .run = RemoveDuplicatesCommand,
     .buttonName = "btnRemoveDuplicates",
     .button = {627, 131, 137, 25},
     .slow = true},
    {.step = "favourite-add",
     .argument = CommandArgument::Choice,
     .argumentName = "N",
     .choices = "1|2|3|4|5",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Add to favourites"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable",
                               "Add the selected channels to a favourites list, behind the channels it has."),
     .needsSelection = true,
     .run = FavouriteAddCommand,
     .inMenu = true},
    {.step = "favourite-remove",
     .argument = CommandArgument::Choice,
     .argumentName = "N",
     .choices = "1|2|3|4|5",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Remove from favourites"),
     .hint = QT_TRANSLATE_NOOP(
         "GridCommandTable", "Take the selected channels out of a favourites list; the channels behind them move up."),
     .needsSelection = true,
     .run = FavouriteRemoveCommand,
     .inMenu = true},
    {.step = "favourites-by-number",
     .argument = CommandArgument::Choice,
     .argumentName = "N",
     .choices = "1|2|3|4|5",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Order favourites by number"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Order a favourites list by channel number."),
     .run = FavouritesByNumberCommand,
     .inMenu = true},
    {.step = "favourites-view",
     .argument = CommandArgument::Choice,
     .argumentName = "N|off",
     .choices = "1|2|3|4|5|off",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Show favourites list"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable",
                               "Show only the channels of a favourites list, in its order: moving rows there reorders "
                               "the list, the channel numbers stay. Off shows every channel again."),
     .run = FavouritesViewCommand,
     .inMenu = true},
    {.step = "lock",
     .argument = CommandArgument::Choice,
     .argumentName = "on|off",
     .choices = "on|off",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Lock"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Lock (on) or unlock (off) the selected channels."),
     .needsSelection = true,
     .run = LockCommand,
     .inMenu = true},
    {.step = "skip",
     .argument = CommandArgument::Choice,
     .argumentName = "on|off",
     .choices = "on|off",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Skip"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable",
                               "Let the channel keys skip (on) the selected channels, or stop skipping them (off)."),
     .needsSelection = true,
     .run = SkipCommand,
     .inMenu = true},
    {.step = "hide",
     .argument = CommandArgument::Choice,
     .argumentName = "on|off",
     .choices = "on|off",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Hide"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Hide (on) or show (off) the selected channels."),
     .needsSelection = true,
     .run = HideCommand,
     .inMenu = true},
    {.step = "delete",
     .argument = CommandArgument::Choice,
     .argumentName = "on|off",
     .choices = "on|off",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Delete"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Delete (on) the selected channels, or take them back (off)."),
     .needsSelection = true,
     .run = DeleteCommand,
     .inMenu = true},
    {.step = "swap",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Swap channels"),
     .hint =
         QT_TRANSLATE_NOOP("GridCommandTable", "The first and the last selected channel exchange places and numbers."),
     .needsSelection = true,
     .run = SwapCommand,
     .inMenu = true},
    {.step = "move-rows",
     .caption = QT_TRANSLATE_NOOP("GridCommandTable", "Move selected rows"),
     .hint = QT_TRANSLATE_NOOP("GridCommandTable", "Move the selected rows, in their order, to the row to move to."),
     .key = "Shift+F4",
     .needsSelection = true,
     .run = MoveRowsCommand,
     .inMenu = true},
};

struct KeyText {
  std::string_view name;
  bool ctrl = false, shift = false, alt = false;
  int Modifiers() const { return int(ctrl) + int(shift) + int(alt); }
};

// "Ctrl+Shift+Z" into its parts.
KeyText ParseKey(std::string_view text) {
  KeyText key;
  for (size_t plus = text.find('+'); plus != std::string_view::npos && plus + 1 < text.size(); plus = text.find('+')) {
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
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [step](const GridCommandSpec& command) { return command.step == step; });
  return found == std::end(kCommands) ? nullptr : &*found;
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

std::vector<std::string_view> ChoicesOf(const GridCommandSpec& command) { return WordsOf(command.choices); }

std::vector<std::string_view> WordsOf(std::string_view list) {
  std::vector<std::string_view> words;
  for (std::string_view rest = list; !rest.empty();) {
    const size_t bar = rest.find('|');
    words.push_back(rest.substr(0, bar));
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  }
  return words;
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
