#include "HeadlessGrid.h"

#include <iostream>

#include "CliCommands.h"
#include "LoadSave.h"

namespace tarno::cli {

LogSink HeadlessGrid::Sink() {
  return [this](const std::string& line) {
    log_.push_back(line);
    if (echoLog_) std::cout << line << '\n';
  };
}

void HeadlessGrid::Fail() const { throw CommandFailure(log_.empty() ? "failed" : log_.back()); }

void HeadlessGrid::Load(const CliArguments& args, const std::string& file) {
  const std::string scriptPath = args.Value("--script");
  if (!scriptPath.empty() && !script_.Reload(scriptPath, Sink()) && !echoLog_) std::cerr << log_.back() << '\n';
  data = LoadDataFile(args.Required("--ini"), file, Sink());
  if (!data || !FillLoadedGrid(*data, cells, Sink())) Fail();
}

void HeadlessGrid::Save(const std::string& path, bool keepOriginalOrder, bool regenerateChecksums) {
  if (!TakeGridBack(*data, cells, keepOriginalOrder, Sink())) Fail();
  if (!SaveRecords(*data, path, regenerateChecksums, Sink())) Fail();
}

}  // namespace tarno::cli
