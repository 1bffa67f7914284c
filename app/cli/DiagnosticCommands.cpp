// tarno-cli rwtest, export, import and ptccable: the diagnostic commands of the
// window, over the same code.
#include <iostream>
#include <memory>

#include "CliArguments.h"
#include "CliCommands.h"
#include "Diagnostics.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::cli {
namespace {

void PrintLine(const std::string& line) { std::cout << line << '\n'; }

// Creates the data object for a file the way Load does: the layout is chosen by
// the file's bare name.
std::unique_ptr<TDataObject> LoadWithLayout(const std::string& ini, const std::string& file) {
  const std::string name = BareNameOf(file);
  auto data = std::make_unique<TDataObject>(ini, name);
  if (!data->HasLayout()) throw CommandFailure("Processing " + name + " failed (none/invalid INI setting)");
  if (!data->LoadFromFile(file)) throw CommandFailure("Error loading data");
  return data;
}

std::string FolderWithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

int ReadWriteTestCommand(const Words& words) {
  const CliArguments args(words, {"--ini"}, {"--crc"});
  const std::string folder = FolderWithSlash(args.Positional(1)[0]);
  const int failures = RunReadWriteTest(args.Required("--ini"), folder, args.Flag("--crc"), PrintLine);
  return failures == 0 ? 0 : 1;
}

int ExportCommand(const Words& words) {
  const CliArguments args(words, {"--ini"}, {"--crc"});
  const auto& files = args.Positional(2);
  auto data = LoadWithLayout(args.Required("--ini"), files[0]);
  if (!data->ExportToText(files[1], args.Flag("--crc"))) throw CommandFailure("Data export failed");
  PrintLine("Data exported as " + files[1]);
  return 0;
}

int ImportCommand(const Words& words) {
  const CliArguments args(words, {"--ini"}, {});
  const auto& files = args.Positional(3);
  auto data = LoadWithLayout(args.Required("--ini"), files[0]);
  if (!data->ImportFromText(files[1])) throw CommandFailure("Data import failed: " + data->ImportError);
  if (!data->SaveToFile(files[2], false)) throw CommandFailure("Data save failed");
  PrintLine("Data imported from " + files[1]);
  return 0;
}

int PtcCableCommand(const Words& words) {
  const CliArguments args(words, {}, {});
  GeneratePtcCableFile(args.Positional(1)[0], PrintLine);
  return 0;
}

}  // namespace tarno::cli
