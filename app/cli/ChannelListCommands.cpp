// tarno-cli csv-export, csv-import, apply-reference, duplicates and dedupe: the
// window's channel-list commands on a headless grid.
#include <iostream>

#include "ChannelListFiles.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "Duplicates.h"
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

}  // namespace

int CsvExportCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  const auto& files = args.Positional(2);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  ExportCsvFile(*grid.data, grid.cells, files[1], grid.Sink());
  PrintLog(grid);
  return 0;
}

int CsvImportCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {"--crc"});
  const auto& files = args.Positional(3);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  ImportCsvFile(*grid.data, grid.cells, files[1], grid.Sink());
  grid.Save(files[2], false, args.Flag("--crc"));  // the CSV's row order becomes the record order
  PrintLog(grid);
  return 0;
}

int ApplyReferenceCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {"--crc"});
  const auto& files = args.Positional(3);
  HeadlessGrid grid;
  grid.Load(args, files[0]);
  ApplyReferenceFile(args.Required("--ini"), *grid.data, grid.cells, files[1], grid.Sink());
  SaveInPlace(grid, args, files[2]);
  return 0;
}

int DuplicatesCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script"}, {});
  HeadlessGrid grid;
  grid.Load(args, args.Positional(1)[0]);
  for (const auto& group : editing::FindDuplicates(*grid.data, grid.cells)) {
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
  RemoveDuplicateChannels(*grid.data, grid.cells, grid.Sink());
  SaveInPlace(grid, args, files[1]);
  return 0;
}

}  // namespace tarno::cli
