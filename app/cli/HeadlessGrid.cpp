#include "HeadlessGrid.h"

#include <iostream>

#include "CliCommands.h"

namespace tarno::cli {

LogSink HeadlessGrid::Sink() {
  return [this](const std::string& line) {
    log_.push_back(line);
    if (echoLog_) std::cout << line << '\n';
  };
}

// A take-back that a stopped script failed says why.
void HeadlessGrid::Fail() const {
  std::string line = log_.empty() ? "failed" : log_.back();
  if (watcher_ && watcher_->Stopped() && document_ && document_->HasData() &&
      line.find(document_->Data().LastError) == std::string::npos)
    line += ": " + document_->Data().LastError;
  throw CommandFailure(line);
}

void HeadlessGrid::ThrowIfStopped() const {
  if (watcher_ && watcher_->Stopped()) throw CommandFailure(watcher_->StopReason());
}

void HeadlessGrid::Load(const CliArguments& args, const std::string& file, const grid::TextMeasure* measure) {
  const std::string scriptPath = args.Value("--script");
  if (!scriptPath.empty()) {
    watcher_ = std::make_unique<CliScriptWatcher>(args.Value(kScriptTimeoutOption));
    if (!script_.Reload(scriptPath, Sink(), watcher_.get())) {
      if (watcher_->Stopped()) Fail();
      if (!echoLog_) std::cerr << log_.back() << '\n';
    }
  }
  document_ = std::make_unique<editing::ChannelDocument>(args.Required("--ini"), file);
  document_->Cells().SetMeasure(measure);
  if (!document_->Load(Sink())) Fail();
  ThrowIfStopped();
}

void HeadlessGrid::Save(const std::string& path, bool keepOriginalOrder, bool regenerateChecksums) {
  if (!document_->TakeCellsBack(keepOriginalOrder, Sink())) Fail();
  ThrowIfStopped();
  if (!document_->WriteRecords(path, regenerateChecksums, Sink())) Fail();
}

}  // namespace tarno::cli
