// Every grid command, declared once: its tarno-cli edit step, its argument,
// the window's button and key, and the function that runs it. The window
// builds its buttons and keys from this table, tarno-cli its edit steps and
// usage text; a test holds README's list to it. A new command is one entry,
// its function (GridCommandFunctions.h) and its tests.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"
#include "EditorState.h"
#include "LogSink.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

class EditHistory;

// What a command takes besides the list: tarno-cli gives it after '=', the
// window asks for it (a text in the search dialog, a file in a file dialog).
enum class CommandArgument {
  None,
  Text,      // step=TEXT
  Cell,      // step=COL,ROW or step=COL,ROW:COL2,ROW2
  OpenFile,  // step=PATH: a file that exists
  SaveFile,  // step=PATH: a file to write
  Choice,    // step=WORD, one of the entry's choices ("1|2|3", "on|off")
};

struct CommandInput {
  std::string text;  // Text and the file arguments
  int col = 0;       // Cell
  int row = 0;
  int endRow = 0;    // Cell given as a range, COL,ROW:COL2,ROW2: its last row
  std::map<std::string, std::string, std::less<>> options = {};  // by CommandOption::name: the words chosen
};

// A further choice a command offers besides its argument, asked in the
// window after the argument with its defaults preselected, so that Enter
// takes them; tarno-cli takes it as an option of its own command.
struct CommandOption {
  std::string_view name{};            // the key in CommandInput::options: "carry"
  std::string_view caption{};         // the window's group title
  std::string_view choices{};         // the words, '|' between them
  std::string_view choiceCaptions{};  // the window's texts of the words, '|' between them
  std::string_view defaults{};        // the words chosen unless the user chooses others, '|' between them
  bool several = false;               // several words at once (joined by ','), else exactly one
};

// What a command works on. data and cells are set whenever a list is loaded;
// the commands of keys pressed with nothing loaded see them empty.
struct CommandContext {
  EditorState& state;
  TDataObject* data;
  grid::CellStore* cells;
  EditHistory* history;
  const std::string& settingsFile;  // the layouts the list was loaded with
  const CommandInput& input;
  const LogSink& log;
};

using CommandFunction = void (*)(CommandContext&);

// A button's place in the window's button panel, in the panel's pixels.
struct ButtonPlace {
  int x = 0, y = 0, width = 0, height = 0;
  bool Exists() const { return width > 0; }
};

// The file dialog the window shows for a file argument.
struct FileQuestion {
  std::string_view title{};
  std::string_view filter{};  // "Caption|mask|Caption|mask"
  std::string_view suffix{};  // appended to the list's name as the proposed file name; save dialogs only
};

struct GridCommandSpec {
  std::string_view step{};  // tarno-cli edit's word: "sort-rows", or "find" of find=TEXT
  CommandArgument argument = CommandArgument::None;
  std::string_view argumentName{};  // the usage text's placeholder: "TEXT", "COL,ROW", "FILE", "N"
  std::string_view choices{};       // Choice: the words it takes, '|' between them
  std::string_view caption{};       // the window's button; empty: none
  std::string_view hint{};
  std::string_view key{};           // "F4", "Ctrl+F", "Ctrl+Shift+Z"; empty: none
  std::string_view otherKey{};      // a second key for the same command
  bool needsSelection = false;    // works on the current cell or the selected rows
  bool undoStep = true;           // one step to undo; false: leaves the list as it is, or walks the history
  CommandFunction run = nullptr;
  // When this says so, the window asks question first (its %1 the current
  // column's caption); tarno-cli runs the command as it is.
  bool (*asksFirst)(const CommandContext&) = nullptr;
  std::string_view question{};

  // How the window presents it.
  std::string_view buttonName{};  // the button's object name
  ButtonPlace button{};
  bool inMenu = false;      // offered in the grid's context menu
  bool hintShown = true;    // as a tool tip
  bool slow = false;        // runs under the hour-glass
  bool needsHeader = false; // offered only for layouts that declare a header
  FileQuestion file{};
  std::span<const CommandOption> options{};  // asked after the argument
  // How tarno-cli presents it: the current cell printed after the step ("COL,ROW").
  bool printsCurrentCell = false;
};

std::span<const GridCommandSpec> GridCommands();

// Where the window's translations of the captions, hints and dialog texts are.
inline constexpr const char* kTranslationContext = "GridCommandTable";

// The words a Choice command takes, in order.
std::vector<std::string_view> ChoicesOf(const GridCommandSpec& command);

// The words of a '|'-separated list, in order.
std::vector<std::string_view> WordsOf(std::string_view list);

// The command of a tarno-cli step name, or none.
const GridCommandSpec* FindCommand(std::string_view step);

// A key as pressed: its name as the toolkit spells it ("F1", "Z") and the
// modifiers held.
struct KeyPress {
  std::string_view name;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// The command a key runs, or none: the entry whose key names the key and
// asks for modifiers all held, the one asking for the most when several do.
// Other modifiers held do not count (Shift+F1 is F1).
const GridCommandSpec* CommandForKey(const KeyPress& key);

// tarno-cli edit's steps as its usage text lists them: "select=COL,ROW
// type=TEXT sort-rows ..." in table order, wrapped before width.
std::string EditStepList(size_t width);

}  // namespace tarno::editing
