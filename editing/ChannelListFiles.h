// The channel-list commands with their files, shared by the main window and
// the command-line tool: CSV out and in, a reference list applied, duplicates
// removed. Each logs its line as the log pane shows it; a failure raises an
// error whose message says what is wrong, before anything has changed.
#pragma once

#include <string>

#include "CellStore.h"
#include "LogSink.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {

// Writes the grid as CSV to path; logs "CSV exported as PATH".
void ExportCsvFile(const TDataObject& data, const grid::CellStore& grid, const std::string& path,
                   const LogSink& log);

// Reads the CSV at path into the grid (rows in its order, changed cells);
// logs "CSV imported from PATH: N cells changed, M rows moved".
void ImportCsvFile(const TDataObject& data, grid::CellStore& grid, const std::string& path, const LogSink& log);

// Applies the reference list at path: a CSV when its name ends in ".csv", else
// a channel map loaded as Load loads it (its layout by its bare name, through
// the current script). Logs "Reference list NAME applied: F of C channels
// found, N numbered after them".
void ApplyReferenceFile(const std::string& iniFileName, TDataObject& data, grid::CellStore& grid,
                        const std::string& path, const LogSink& log);

// Clears all but the lowest-numbered channel of each group of duplicates; logs
// "Duplicates removed: N channels cleared" or "No duplicates found".
void RemoveDuplicateChannels(TDataObject& data, grid::CellStore& grid, const LogSink& log);

}  // namespace tarno
