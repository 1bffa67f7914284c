// tarno-cli: the editor's data model from the command line.
#include <algorithm>
#include <exception>
#include <iostream>
#include <map>

#include "CliArguments.h"
#include "CliCommands.h"
#ifdef TARNO_CLI_FORMS
#include <QString>
#include <QtGlobal>

#include "ScriptUi.h"
#endif
#include "CliScriptWatcher.h"
#include "GridCommandTable.h"

namespace {

using tarno::cli::Words;

constexpr int kExitFailure = 2;

constexpr size_t kStepListIndent = 40;
constexpr size_t kStepListWidth = 62;

// Each line of text behind the usage text's column of explanations.
std::string Indented(const std::string& text) {
  std::string lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    lines += std::string(kStepListIndent, ' ') + text.substr(start, end - start) + '\n';
    start = end + 1;
  }
  return lines;
}

// The edit steps come from the grid command table.
std::string Usage() {
  return
    "usage: tarno-cli COMMAND ...\n"
    "  rwtest --ini INI DIR [--crc]          read and rewrite the television files in DIR as .OUT copies\n"
    "  export --ini INI FILE DUMP [--crc]    write FILE's records as a text dump\n"
    "  import --ini INI FILE DUMP OUT        read a text dump into FILE's records, save as OUT\n"
    "  ptccable OUT                          write a cable PTC table with every frequency\n"
    "  show --ini INI [--script ROPS] FILE   print FILE as the grid shows it, tab-separated\n"
    "  roundtrip --ini INI [--script ROPS] [--crc] [--displayed-order] FILE OUT\n"
    "                                        load FILE into a grid, take it back and save as OUT\n"
    "  edit --ini INI [--script ROPS] [--keep-order] [--crc] FILE OUT COMMAND...\n"
    "                                        load FILE, run grid commands, save as OUT; commands:\n" +
    Indented(tarno::editing::EditStepList(kStepListWidth)) +
    "  csv-export --ini INI [--script ROPS] FILE OUT.csv\n"
    "                                        write FILE's visible columns as CSV, \"#\" the record number\n"
    "  csv-import --ini INI [--script ROPS] [--crc] FILE IN.csv OUT\n"
    "                                        set FILE's cells from a CSV, records in its row order, save as OUT\n"
    "  apply-reference --ini INI [--script ROPS] [--crc] [--carry numbers,favourites,flags,names]\n"
    "                  [--unmatched after|delete|keep] FILE REFERENCE OUT\n"
    "                                        number FILE's channels as a reference list does (an archive, one\n"
    "                                        of its lists, a CSV or the text form); carry more than numbers;\n"
    "                                        number the channels it lacks after (default), delete or keep them\n"
    "  export-reference --ini INI [--script ROPS] FILE OUT.txt\n"
    "                                        write FILE's channels as a text reference list, NUMBER;NAME;ONID-TSID-SID\n"
    "  duplicates --ini INI [--script ROPS] FILE\n"
    "                                        print the numbers of each group of channels of the same service\n"
    "  dedupe --ini INI [--script ROPS] [--crc] FILE OUT\n"
    "                                        clear all but the lowest-numbered channel of each group, save as OUT\n"
    "  check --ini INI [--script ROPS] FILE  print each problem a set would reshuffle or refuse (duplicate or\n"
    "                                        zero numbers, a favourites position twice); exit 1 when there is any\n"
    "  detect [--layouts DIR] ARCHIVE        name the preset settings file (layouts/*.ini) that fits ARCHIVE\n"
    "  demo-archive [--ini INI] [--script ROPS] OUT\n"
    "                                        write a small made-up television archive (\"1201\" by default)\n"
    "  extract [--overwrite] ARCHIVE DIR     extract every entry of a television archive into DIR\n"
    "                                        (--overwrite: even over files saved but never written into their archive)\n"
    "  update ARCHIVE DIR                    write the files saved in DIR since ARCHIVE was extracted there into it\n"
#ifdef TARNO_CLI_PRINT
    "  print --ini INI [--script ROPS] FILE OUT.pdf [--title TEXT] [--landscape] [--borders]\n"
    "                                        lay FILE's grid out on pages and write them as PDF\n"
#endif
    "With --script, --script-timeout SECONDS stops a script call that runs longer; SIGINT or\n"
    "SIGTERM stop a running script. A stopped script ends the command (exit 2, no output file).\n";
}

const std::map<std::string, int (*)(const Words&)>& Commands() {
  static const std::map<std::string, int (*)(const Words&)> commands = {
      {"rwtest", tarno::cli::ReadWriteTestCommand},
      {"export", tarno::cli::ExportCommand},
      {"import", tarno::cli::ImportCommand},
      {"ptccable", tarno::cli::PtcCableCommand},
      {"show", tarno::cli::ShowCommand},
      {"roundtrip", tarno::cli::RoundTripCommand},
      {"edit", tarno::cli::EditCommand},
      {"detect", tarno::cli::DetectCommand},
      {"demo-archive", tarno::cli::DemoArchiveCommand},
      {"extract", tarno::cli::ExtractCommand},
      {"update", tarno::cli::UpdateCommand},
      {"csv-export", tarno::cli::CsvExportCommand},
      {"csv-import", tarno::cli::CsvImportCommand},
      {"apply-reference", tarno::cli::ApplyReferenceCommand},
      {"export-reference", tarno::cli::ExportReferenceCommand},
      {"duplicates", tarno::cli::DuplicatesCommand},
      {"dedupe", tarno::cli::DedupeCommand},
      {"check", tarno::cli::CheckCommand},
#ifdef TARNO_CLI_PRINT
      {"print", tarno::cli::PrintCommand},
#endif
  };
  return commands;
}

#ifdef TARNO_CLI_FORMS
// Only a fatal message of Qt reaches standard error.
void KeepQtNotesOffStandardError(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}
#endif

int Fail(const std::string& message) {
  std::cout.flush();
  std::cerr << "tarno-cli: " << message << '\n';
  return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  const Words words(argv + 1, argv + argc);
  if (words.empty() || words[0] == "--help" || words[0] == "-h") {
    std::cout << Usage();
    return words.empty() ? kExitFailure : 0;
  }
#ifdef TARNO_CLI_FORMS
  // Scripts may show forms; without a display they go to Qt's offscreen platform.
  tarno::ui::InstallScriptUi();
  // Standard error holds the command's one failure line: Qt's notes about the
  // platform stay out of it.
  qInstallMessageHandler(KeepQtNotesOffStandardError);
#endif
  const auto command = Commands().find(words[0]);
  if (command == Commands().end()) return Fail("unknown command '" + words[0] + "'\n" + Usage());
  try {
    const int exitCode = command->second(Words(words.begin() + 1, words.end()));
    // A stop signal that came while no script call ran still ends the command as a failure.
    if (tarno::cli::StopSignalReceived()) return Fail(tarno::kScriptStoppedByUser);
    return exitCode;
  } catch (const tarno::cli::UsageError& error) {
    return Fail(std::string(error.what()) + "\n" + Usage());
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
}
