// The steps of Load and Save that follow the file dialogs, shared by the main
// window and the command-line tool. Each logs its lines as the log pane shows them.
#pragma once

#include <memory>
#include <string>

#include "CellStore.h"
#include "LogSink.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {

// Creates the data object for the file at path (its layout chosen by the bare
// name) and reads its records. Logs "Loading NAME" first; returns none after
// logging why when there is no layout or nothing could be read. Errors raised
// by the settings file or the data file pass on to the caller.
std::unique_ptr<TDataObject> LoadDataFile(const std::string& iniFileName, const std::string& path,
                                          const LogSink& log);

// Fills the grid from the records; logs "Data loaded", or "Script error: " and
// the failure and returns false.
bool FillLoadedGrid(TDataObject& data, grid::CellStore& grid, const LogSink& log);

// Takes the grid back into the records (in the grid's row order unless
// keepOriginalOrder); logs "Error in data" (with the reason when a text was too
// long for its field) and returns false when a cell fails.
bool TakeGridBack(TDataObject& data, grid::CellStore& grid, bool keepOriginalOrder, const LogSink& log);

// Writes the records; logs "Data saved as PATH" or "Data save failed".
bool SaveRecords(TDataObject& data, const std::string& path, bool regenerateChecksums, const LogSink& log);

}  // namespace tarno
