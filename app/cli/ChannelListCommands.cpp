// tarno-cli csv-export, csv-import, apply-reference, export-reference,
// duplicates and dedupe: the window's channel-list commands on a headless grid.
#include <algorithm>
#include <iostream>

#include "CliArguments.h"
#include "CliCommands.h"
#include "Duplicates.h"
#include "ListCheck.h"
#include "HeadlessGrid.h"

namespace tarno::cli {
namespace {

void PrintLog(const HeadlessGrid& grid) {
  for (const std::string& line : grid.LogLines()) std::cout << line << '\n';
}

// Records are saved where they are (only numbers or cleared rows changed).
void SaveInPlace(HeadlessGrid& grid, const CliArguments& args, const std::string& out) {
  grid.Save(out, true, args.Flag("--crc"));
  PrintLog(grid);
}

// The grid command of that step, as tarno-cli edit runs it.
void RunTableCommand(HeadlessGrid& grid, std::string_view step, const editing::CommandInput& input = {}) {
  grid.Document().Run(*editing::FindCommand(step), input, grid.Sink());
}

void RunTableCommand(HeadlessGrid& grid, std::string_view step, const std::string& file) {
  RunTableCommand(grid, step, editing::CommandInput{file});
}

// The command's further choices from their options (--carry, --unmatched);
// words it does not know are a usage error.
editing::CommandInput WithOptions(const editing::GridCommandSpec& command, const CliArguments& args,
                                  const std::string& file) {
  editing::CommandInput input{file};
  for (const editing::CommandOption& option : command.options) {
    const std::string value = args.Value("--" + std::string(option.name));
    if (value.empty()) continue;
    const std::vector<std::string_view> known = editing::WordsOf(option.choices);
    for (size_t start = 0; start <= value.size();) {
      const size_t end = std::min(value.find_first_of(",+", start), value.size());
      const std::string_view word = std::string_view(value).substr(start, end - start);
      if (std::find(known.begin(), known.end(), word) == known.end() || (!option.several && end != value.size()))
        throw UsageError("--" + std::string(option.name) + " takes " +
                         (option.several ? "one or more of " : "one of ") + std::string(option.choices) +
                         ", not '" + value + "'");
      start = end + 1;
    }
    input.options[std::string(option.name)] = value;
  }
  return input;
}

// FILE OUT: the list at FILE written by the table's step into OUT.
int ExportWith(const Words& words, std::string_view step) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  const auto& files = args.Positional(2);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  RunTableCommand(grid, step, files[1]);
  PrintLog(grid);
  return 0;
}

}  // namespace

int CsvExportCommand(const Words& words) { return ExportWith(words, "export-csv"); }

int CsvImportCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {"--crc"});
  const auto& files = args.Positional(3);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  RunTableCommand(grid, "import-csv", files[1]);
  grid.Save(files[2], false, args.Flag("--crc"));  // the CSV's row order becomes the record order
  PrintLog(grid);
  return 0;
}

int ApplyReferenceCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script", "--carry", "--unmatched"}, {"--crc"});
  const auto& files = args.Positional(3);
  const editing::GridCommandSpec& command = *editing::FindCommand("apply-reference");
  const editing::CommandInput input = WithOptions(command, args, files[1]);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  RunTableCommand(grid, "apply-reference", input);
  SaveInPlace(grid, args, files[2]);
  return 0;
}

int ExportReferenceCommand(const Words& words) { return ExportWith(words, "export-reference"); }

int DuplicatesCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  HeadlessGrid grid;
  grid.Load(args, args.Positional(1)[0]);
  for (const auto& group : editing::FindDuplicates(grid.Data(), grid.Cells())) {
    std::string line;
    for (const editing::ListedChannel& channel : group)
      line += (line.empty() ? "" : " ") + std::to_string(channel.number);
    std::cout << line << '\n';
  }
  return 0;
}

int DedupeCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {"--crc"});
  const auto& files = args.Positional(2);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  RunTableCommand(grid, "remove-duplicates");
  SaveInPlace(grid, args, files[1]);
  return 0;
}

}  // namespace tarno::cli

namespace tarno::cli {

// One line per problem a set would reshuffle or refuse; exit 1 when there is any.
int CheckCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  HeadlessGrid grid;
  grid.Load(args, args.Positional(1)[0]);
  const std::vector<editing::ListProblem> problems = editing::CheckList(grid.Data(), grid.Cells());
  for (const editing::ListProblem& problem : problems) std::cout << problem.text << '\n';
  return problems.empty() ? 0 : 1;
}

}  // namespace tarno::cli
