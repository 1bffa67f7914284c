// tarno-cli show and roundtrip: a file through a headless grid, as Load and
// Save take it.
#include <iostream>

#include "CliArguments.h"
#include "CliCommands.h"
#include "HeadlessGrid.h"

namespace tarno::cli {
namespace {

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
  const CliArguments args(words, {"--ini", "--script", kScriptTimeoutOption}, {});
  HeadlessGrid loaded;
  loaded.Load(args, args.Positional(1)[0]);
  for (int r = 0; r < loaded.Cells().RowCount(); ++r) PrintRow(loaded.Cells(), r);
  return 0;
}

int RoundTripCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script", kScriptTimeoutOption}, {"--crc", "--displayed-order"});
  const auto& files = args.Positional(2);
  HeadlessGrid loaded;
  loaded.Load(args, files[0]);
  loaded.Save(files[1], !args.Flag("--displayed-order"), args.Flag("--crc"));
  for (const std::string& line : loaded.LogLines()) std::cout << line << '\n';
  return 0;
}

}  // namespace tarno::cli
