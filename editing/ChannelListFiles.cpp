#include "ChannelListFiles.h"

#include <algorithm>

#include "CsvExchange.h"
#include "Duplicates.h"
#include "FileSystem.h"
#include "ReferenceFiles.h"
#include "ReferenceText.h"

namespace tarno {
namespace {

std::string UnmatchedClause(editing::Unmatched unmatched) {
  switch (unmatched) {
    case editing::Unmatched::Delete: return " deleted";
    case editing::Unmatched::Keep: return " kept as they were";
    case editing::Unmatched::NumberAfter: break;
  }
  return " numbered after them";
}

// What else was carried, when anything else was asked for.
std::string CarriedLine(const editing::ReferenceCarry& carry, const editing::ReferenceResult& result) {
  std::string line;
  const auto add = [&line](const std::string& part) { line += (line.empty() ? "Carried: " : ", ") + part; };
  if (carry.favourites) add(std::to_string(result.favouriteLists) + " favourites lists");
  if (carry.flags) add("lock, skip and hide of " + std::to_string(result.flagsChanged) + " channels changed");
  if (carry.names) add(std::to_string(result.namesChanged) + " names changed");
  return line;
}

}  // namespace

void ExportCsvFile(const TDataObject& data, const grid::CellStore& grid, const std::string& path,
                   const LogSink& log) {
  WriteFileAtomically(path, editing::ExportCsv(data, grid));
  log("CSV exported as " + path);
}

void ImportCsvFile(const TDataObject& data, grid::CellStore& grid, const std::string& path, const LogSink& log) {
  const editing::CsvImportResult result = editing::ImportCsv(data, grid, ReadWholeFile(path));
  log("CSV imported from " + path + ": " + std::to_string(result.changedCells) + " cells changed, " +
      std::to_string(result.movedRows) + " rows moved");
}

void ApplyReferenceFile(const std::string& iniFileName, TDataObject& data, grid::CellStore& grid,
                        const std::string& path, const editing::ReferenceOptions& options, const LogSink& log) {
  const editing::ReferenceTarget target{iniFileName, data.Items.empty() ? "" : BareNameOf(data.Items.front().FileName),
                                        data.Items};
  const editing::ReadReference read = editing::ReadReferenceFile(path, target);
  const editing::ReferenceResult result = editing::ApplyReference(data, grid, read.reference, options);
  if (read.description != BareNameOf(path)) log("Reference list taken from " + read.description);
  log("Reference list " + BareNameOf(path) + " applied: " + std::to_string(result.Found()) + " of " +
      std::to_string(result.channels) + " channels found, " + std::to_string(result.unmatched) +
      UnmatchedClause(options.unmatched));
  log("Found by service identity: " + std::to_string(result.byIdentity) + ", by name: " +
      std::to_string(result.byName) +
      (options.carry.names ? ", by frequency: " + std::to_string(result.byFrequency) : std::string()) +
      ", not found: " + std::to_string(result.unmatched));
  const std::string carried = CarriedLine(options.carry, result);
  if (!carried.empty()) log(carried);
}

void ExportReferenceFile(const TDataObject& data, const grid::CellStore& grid, const std::string& path,
                         const LogSink& log) {
  const std::string text = editing::ReferenceTextOf(data, grid);
  WriteFileAtomically(path, text);
  const auto lines = std::count(text.begin(), text.end(), '\n') - 1;  // the comment line does not count
  log("Reference list exported as " + path + ": " + std::to_string(lines) + " channels");
}

void RemoveDuplicateChannels(TDataObject& data, grid::CellStore& grid, const LogSink& log) {
  const int cleared = editing::RemoveDuplicates(data, grid);
  log(cleared == 0 ? std::string("No duplicates found")
                   : "Duplicates removed: " + std::to_string(cleared) + " channels cleared");
}

}  // namespace tarno
