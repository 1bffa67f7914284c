// The commands of tarno-cli. Each returns the process exit code; errors of the
// data model pass on to main, which prints them and exits 2.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tarno::cli {

using Words = std::vector<std::string>;

// A failure the command reports itself: one line on stderr, exit 2.
class CommandFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

int ReadWriteTestCommand(const Words& words);
int ExportCommand(const Words& words);
int ImportCommand(const Words& words);
int PtcCableCommand(const Words& words);
int ShowCommand(const Words& words);
int RoundTripCommand(const Words& words);
int EditCommand(const Words& words);
int DetectCommand(const Words& words);
int DemoArchiveCommand(const Words& words);
int ExtractCommand(const Words& words);
int UpdateCommand(const Words& words);
int CsvExportCommand(const Words& words);
int CsvImportCommand(const Words& words);
int ApplyReferenceCommand(const Words& words);
int ExportReferenceCommand(const Words& words);
int DuplicatesCommand(const Words& words);
int DedupeCommand(const Words& words);
int CheckCommand(const Words& words);
// Built only with the widgets (TARNO_CLI_PRINT).
int PrintCommand(const Words& words);

}  // namespace tarno::cli
