#include "ChannelListFiles.h"

#include <stdexcept>
#include <vector>

#include "AsciiText.h"
#include "CsvExchange.h"
#include "Duplicates.h"
#include "FileSystem.h"
#include "LayoutReader.h"
#include "LoadSave.h"
#include "ReferenceList.h"

namespace tarno {
namespace {

constexpr std::string_view kCsvExtension = ".CSV";

bool IsCsvName(const std::string& path) {
  const std::string name = text::UpperAscii(BareNameOf(path));
  return name.size() > kCsvExtension.size() && name.compare(name.size() - kCsvExtension.size(), std::string::npos,
                                                            kCsvExtension) == 0;
}

// A channel map loaded as Load loads it; its log lines are kept back, the last
// one becomes the error when it does not load.
editing::ChannelList LoadChannelMap(const std::string& iniFileName, const std::string& path) {
  std::vector<std::string> lines;
  const LogSink keep = [&lines](const std::string& line) { lines.push_back(line); };
  const auto fail = [&]() { throw std::runtime_error("Reference list: " + lines.back()); };
  const std::unique_ptr<TDataObject> reference = LoadDataFile(iniFileName, path, keep);
  if (!reference) fail();
  grid::CellStore cells;
  if (!FillLoadedGrid(*reference, cells, keep)) fail();
  return editing::ListGridChannels(*reference, cells);
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
                        const std::string& path, const LogSink& log) {
  const editing::ChannelList reference =
      IsCsvName(path) ? editing::ListCsvChannels(ReadWholeFile(path), data.Items) : LoadChannelMap(iniFileName, path);
  const editing::ReferenceResult result = editing::ApplyReference(data, grid, reference);
  log("Reference list " + BareNameOf(path) + " applied: " + std::to_string(result.found) + " of " +
      std::to_string(result.channels) + " channels found, " + std::to_string(result.numberedAfter) +
      " numbered after them");
}

void RemoveDuplicateChannels(TDataObject& data, grid::CellStore& grid, const LogSink& log) {
  const int cleared = editing::RemoveDuplicates(data, grid);
  log(cleared == 0 ? std::string("No duplicates found")
                   : "Duplicates removed: " + std::to_string(cleared) + " channels cleared");
}

}  // namespace tarno
