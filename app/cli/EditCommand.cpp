// tarno-cli edit: loads a file as Load does, runs the grid commands of the
// command table on it as the window's buttons and keys would, and saves as
// "Save as ..." does.
#include <algorithm>
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"
#include "GridCommandFunctions.h"
#include "HeadlessGrid.h"
#include "SortEngine.h"

namespace tarno::cli {
namespace {

struct EditStep {
  const editing::GridCommandSpec* command;
  editing::CommandInput input;
  std::string word;  // as given, for messages
};

bool ReadInt(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ReadColRow(std::string_view cell, int& col, int& row) {
  const size_t comma = cell.find(',');
  return comma != std::string_view::npos && ReadInt(cell.substr(0, comma), col) && ReadInt(cell.substr(comma + 1), row);
}

// COL,ROW or a range COL,ROW:COL2,ROW2, whose rows are what counts.
void ReadCell(const EditStep& step, std::string_view cell, editing::CommandInput& input) {
  const size_t colon = cell.find(':');
  int endCol = 0;
  const bool read = ReadColRow(cell.substr(0, colon), input.col, input.row) &&
                    (colon == std::string_view::npos || ReadColRow(cell.substr(colon + 1), endCol, input.endRow));
  if (!read)
    throw UsageError("bad edit command '" + step.word + "': expected " + std::string(step.command->step) + "=" +
                     std::string(step.command->argumentName) + " with whole numbers");
}

bool IsChoice(const editing::GridCommandSpec& command, std::string_view value) {
  const std::vector<std::string_view> choices = editing::ChoicesOf(command);
  return std::find(choices.begin(), choices.end(), value) != choices.end();
}

// "step" or "step=VALUE", as the table declares the step's argument.
EditStep ParseStep(const std::string& word) {
  const size_t equals = word.find('=');
  const std::string name = word.substr(0, equals);
  EditStep step{editing::FindCommand(name), {}, word};
  const bool takesValue = step.command && step.command->argument != editing::CommandArgument::None;
  if (!step.command || takesValue != (equals != std::string::npos))
    throw UsageError("unknown edit command '" + word + "'");
  if (!takesValue) return step;
  const std::string value = word.substr(equals + 1);
  if (step.command->argument == editing::CommandArgument::Cell) ReadCell(step, value, step.input);
  else step.input.text = value;
  if (step.command->argument == editing::CommandArgument::Choice && !IsChoice(*step.command, value))
    throw UsageError("bad edit command '" + word + "': expected " + std::string(step.command->step) + "=" +
                     std::string(step.command->argumentName) + " (" + std::string(step.command->choices) + ")");
  return step;
}

std::vector<EditStep> ParseSteps(const std::vector<std::string>& words) {
  std::vector<EditStep> steps;
  for (const std::string& word : words) steps.push_back(ParseStep(word));
  return steps;
}

// A sort the values defeat is shown and the list stays usable, in the window
// as here; any other failure ends the command with the step named.
void RunStep(HeadlessGrid& grid, const EditStep& step) {
  try {
    grid.Document().Run(*step.command, step.input, grid.Sink());
  } catch (const grid::SortConversionError& error) {
    std::cout.flush();
    std::cerr << "tarno-cli: " << error.what() << '\n';
  } catch (const editing::TextRefusedError& error) {
    throw CommandFailure(error.what());
  } catch (const editing::GridCommandError& error) {
    throw CommandFailure(step.word + ": " + error.what());
  }
  if (step.command->printsCurrentCell) std::cout << grid.Cells().Col() << ',' << grid.Cells().Row() << '\n';
}

}  // namespace

int EditCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script", kScriptTimeoutOption}, {"--keep-order", "--crc"});
  const std::vector<std::string>& positional = args.Positional();
  if (positional.size() < 2) throw UsageError("edit needs FILE and OUT before its commands");
  const std::vector<EditStep> steps = ParseSteps({positional.begin() + 2, positional.end()});

  HeadlessGrid grid(true);  // each command's log lines go out as the log pane shows them
  grid.Load(args, positional[0]);
  for (const EditStep& step : steps) RunStep(grid, step);
  grid.Save(positional[1], args.Flag("--keep-order"), args.Flag("--crc"));
  return 0;
}

}  // namespace tarno::cli
