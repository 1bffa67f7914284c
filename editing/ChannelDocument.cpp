#include "ChannelDocument.h"

#include <optional>

#include "EditHistory.h"
#include "FileSystem.h"
#include "LoadSave.h"

namespace tarno::editing {

ChannelDocument::ChannelDocument(std::string settingsFile, std::string path)
    : settingsFile_(std::move(settingsFile)), path_(std::move(path)), fileName_(BareNameOf(path_)) {}

ChannelDocument::~ChannelDocument() { history_.reset(); }

std::string ChannelDocument::Folder() const { return FolderOf(path_); }

bool ChannelDocument::ReadFile(const LogSink& log) {
  history_.reset();
  filled_ = false;
  data_ = LoadDataFile(settingsFile_, path_, log);
  return data_ != nullptr;
}

bool ChannelDocument::FillCells(const LogSink& log) {
  if (!data_ || !FillLoadedGrid(*data_, cells_, log)) return false;
  history_ = std::make_unique<EditHistory>(*data_, cells_);
  filled_ = true;
  MarkSaved();
  return true;
}

bool ChannelDocument::TakeCellsBack(bool keepOriginalOrder, const LogSink& log) {
  if (!filled_) return false;
  // A favourites list's view puts its channels first: that is no order to save.
  const bool taken = TakeGridBack(*data_, cells_, keepOriginalOrder || state_.FavouritesView != 0, log);
  history_->AbsorbSave();
  return taken;
}

bool ChannelDocument::WriteRecords(const std::string& path, bool regenerateChecksums, const LogSink& log) {
  if (!filled_) return false;
  struct AbsorbAtEnd {
    EditHistory& history;
    ~AbsorbAtEnd() { history.AbsorbSave(); }
  } absorb{*history_};
  if (!SaveRecords(*data_, path, regenerateChecksums, log)) return false;
  MarkSaved();
  return true;
}

bool ChannelDocument::Save(bool keepOriginalOrder, bool regenerateChecksums, const LogSink& log) {
  return TakeCellsBack(keepOriginalOrder, log) && WriteRecords(path_, regenerateChecksums, log);
}

namespace {
const LogSink kNoLog = [](const std::string&) {};
const CommandInput kNoInput;
}  // namespace

bool ChannelDocument::Check(bool (*question)(const CommandContext&)) { return question(ContextFor(kNoInput, kNoLog)); }

void ChannelDocument::Apply(CommandFunction function) {
  CommandContext context = ContextFor(kNoInput, kNoLog);
  function(context);
}

bool ChannelDocument::HasUnsavedEdits() const { return filled_ && cells_.ContentRevision() != savedRevision_; }

void ChannelDocument::MarkSaved() { savedRevision_ = cells_.ContentRevision(); }

CommandContext ChannelDocument::ContextFor(const CommandInput& input, const LogSink& log) {
  return CommandContext{state_,        filled_ ? data_.get() : nullptr, filled_ ? &cells_ : nullptr,
                        history_.get(), settingsFile_,                  input,
                        log};
}

void ChannelDocument::Run(const GridCommandSpec& command, const CommandInput& input, const LogSink& log) {
  CommandContext context = ContextFor(input, log);
  std::optional<grid::CellStore::Step> step;
  if (command.undoStep && filled_) step.emplace(cells_);
  command.run(context);
}

}  // namespace tarno::editing
