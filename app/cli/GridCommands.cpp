// tarno-cli show and roundtrip: a file through a headless grid, as Load and
// Save take it.
#include <iostream>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"
#include "LoadSave.h"
#include "ScriptSession.h"

namespace tarno::cli {
namespace {

// Keeps the log lines; the last one says why a step failed.
struct LogLines {
  std::vector<std::string> lines;
  LogSink Sink() {
    return [this](const std::string& line) { lines.push_back(line); };
  }
  [[noreturn]] void FailWithLast() const { throw CommandFailure(lines.empty() ? "failed" : lines.back()); }
};

struct LoadedGrid {
  ScriptSession script;
  std::unique_ptr<TDataObject> data;
  grid::CellStore cells;
};

// Loads the script as the window's start-up does: a faulty script is reported
// and the work goes on without one.
void LoadScript(const CliArguments& args, LoadedGrid& loaded, LogLines& log) {
  const std::string path = args.Value("--script");
  if (path.empty()) return;
  if (!loaded.script.Reload(path, log.Sink())) std::cerr << log.lines.back() << '\n';
}

void LoadIntoGrid(const CliArguments& args, const std::string& file, LoadedGrid& loaded, LogLines& log) {
  LoadScript(args, loaded, log);
  loaded.data = LoadDataFile(args.Required("--ini"), file, log.Sink());
  if (!loaded.data) log.FailWithLast();
  if (!FillLoadedGrid(*loaded.data, loaded.cells, log.Sink())) log.FailWithLast();
}

void PrintRow(const grid::CellStore& cells, int row) {
  std::string line;
  for (int c = 1; c < cells.ColCount(); ++c) {
    if (c > 1) line += '\t';
    line += cells.Text(c, row);
  }
  std::cout << line << '\n';
}

}  // namespace

int ShowCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  LogLines log;
  LoadedGrid loaded;
  LoadIntoGrid(args, args.Positional(1)[0], loaded, log);
  for (int r = 0; r < loaded.cells.RowCount(); ++r) PrintRow(loaded.cells, r);
  return 0;
}

int RoundTripCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {"--crc", "--displayed-order"});
  const auto& files = args.Positional(2);
  LogLines log;
  LoadedGrid loaded;
  LoadIntoGrid(args, files[0], loaded, log);
  if (!TakeGridBack(*loaded.data, loaded.cells, !args.Flag("--displayed-order"), log.Sink())) log.FailWithLast();
  if (!SaveRecords(*loaded.data, files[1], args.Flag("--crc"), log.Sink())) log.FailWithLast();
  for (const std::string& line : log.lines) std::cout << line << '\n';
  return 0;
}

}  // namespace tarno::cli
