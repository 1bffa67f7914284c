#include "LoadSave.h"

#include "FileSystem.h"

namespace tarno {

std::unique_ptr<TDataObject> LoadDataFile(const std::string& iniFileName, const std::string& path,
                                          const LogSink& log) {
  const std::string name = BareNameOf(path);
  log("Loading " + name);
  auto data = std::make_unique<TDataObject>(iniFileName, name);
  if (!data->HasLayout()) {
    log("Processing " + name + " failed (none/invalid INI setting)");
    return nullptr;
  }
  if (!data->LoadFromFile(path)) {
    log("Error loading data");
    return nullptr;
  }
  return data;
}

bool FillLoadedGrid(TDataObject& data, grid::CellStore& grid, const LogSink& log) {
  data.FillGrid(&grid);
  if (!data.LastError.empty()) {
    log("Script error: " + data.LastError);
    return false;
  }
  log("Data loaded");
  return true;
}

bool TakeGridBack(TDataObject& data, grid::CellStore& grid, bool keepOriginalOrder, const LogSink& log) {
  if (data.GridToRecords(&grid, !keepOriginalOrder)) return true;
  log(data.LastRefusal.empty() ? std::string("Error in data") : "Error in data: " + data.LastRefusal);
  return false;
}

bool SaveRecords(TDataObject& data, const std::string& path, bool regenerateChecksums, const LogSink& log) {
  const bool saved = data.SaveToFile(path, regenerateChecksums);
  log(saved ? "Data saved as " + path : std::string("Data save failed"));
  return saved;
}

}  // namespace tarno
