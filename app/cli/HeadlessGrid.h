// tarno-cli's one channel list: a document loaded as the window's Load loads
// it, with the script (--script) loaded as the window's start-up does. Used by
// the commands that work on the grid: show, roundtrip, edit, print and the
// channel-list commands.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CellStore.h"
#include "ChannelDocument.h"
#include "CliArguments.h"
#include "CliScriptWatcher.h"
#include "LogSink.h"
#include "ScriptSession.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::cli {

class HeadlessGrid {
 public:
  // echoLog: every log line also goes to standard output as it comes.
  explicit HeadlessGrid(bool echoLog = false) : echoLog_(echoLog) {}

  // Loads the script (a faulty one is reported on standard error and the work
  // goes on without it; one stopped by a signal or --script-timeout ends the
  // command), then the file (layout from --ini) into the grid, its texts
  // measured by measure when given. A failure ends the command with its log line.
  void Load(const CliArguments& args, const std::string& file, const grid::TextMeasure* measure = nullptr);
  // Takes the grid back and saves the records as the window's Save does.
  void Save(const std::string& path, bool keepOriginalOrder, bool regenerateChecksums);
  // Ends the command when the script was stopped or a stop signal came: call
  // before writing any output.
  void ThrowIfStopped() const;

  LogSink Sink();
  const std::vector<std::string>& LogLines() const { return log_; }
  [[noreturn]] void Fail() const;

  editing::ChannelDocument& Document() { return *document_; }
  TDataObject& Data() { return document_->Data(); }
  grid::CellStore& Cells() { return document_->Cells(); }

 private:
  std::unique_ptr<CliScriptWatcher> watcher_;  // outlives the script it watches
  ScriptSession script_;
  std::unique_ptr<editing::ChannelDocument> document_;  // after the script its conversions call
  std::vector<std::string> log_;
  bool echoLog_;
};

}  // namespace tarno::cli
