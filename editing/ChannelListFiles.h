// The channel-list commands with their files, shared by the main window and
// the command-line tool: CSV out and in, a reference list applied and
// exported, duplicates removed. Each logs its line as the log pane shows it; a failure raises an
// error whose message says what is wrong, before anything has changed.
#pragma once

#include <string>

#include "CellStore.h"
#include "LogSink.h"
#include "ReferenceList.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {

// Writes the grid as CSV to path; logs "CSV exported as PATH".
void ExportCsvFile(const TDataObject& data, const grid::CellStore& grid, const std::string& path,
                   const LogSink& log);

// Reads the CSV at path into the grid (rows in its order, changed cells);
// logs "CSV imported from PATH: N cells changed, M rows moved".
void ImportCsvFile(const TDataObject& data, grid::CellStore& grid, const std::string& path, const LogSink& log);

// Applies the reference list at path (an archive, one of its lists, a CSV
// when its name ends in ".csv", the text form when it ends in ".txt"; see
// ReferenceFiles.h). Logs where the list came from when it is an archive's or
// was read with other settings, then "Reference list NAME applied: F of C
// channels found, N numbered after them" (or "deleted", "kept as they were"),
// "Found by service identity: I, by name: M, not found: N" and what else was
// carried.
void ApplyReferenceFile(const std::string& iniFileName, TDataObject& data, grid::CellStore& grid,
                        const std::string& path, const editing::ReferenceOptions& options, const LogSink& log);

// Writes the grid's channels as the text form of a reference list; logs
// "Reference list exported as PATH: N channels".
void ExportReferenceFile(const TDataObject& data, const grid::CellStore& grid, const std::string& path,
                         const LogSink& log);

// Clears all but the lowest-numbered channel of each group of duplicates; logs
// "Duplicates removed: N channels cleared" or "No duplicates found".
void RemoveDuplicateChannels(TDataObject& data, grid::CellStore& grid, const LogSink& log);

}  // namespace tarno
