// One loaded channel list: the file's data object, the cells of its grid, the
// edit history and what the editor keeps between commands (the move target,
// the search text). The window holds one per open list, tarno-cli one for its
// command; every grid command runs on a document through Run.
#pragma once

#include <memory>
#include <string>

#include "CellStore.h"
#include "EditorState.h"
#include "GridCommandTable.h"
#include "LogSink.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

class EditHistory;

class ChannelDocument {
 public:
  // The file at path, its layout from settingsFile by the file's bare name.
  ChannelDocument(std::string settingsFile, std::string path);
  ~ChannelDocument();
  ChannelDocument(const ChannelDocument&) = delete;
  ChannelDocument& operator=(const ChannelDocument&) = delete;

  // Loading comes in two steps, so that a view can take the cells (and
  // measure their texts) before they are filled. Each returns false after its
  // log lines say why; errors of the settings or the data file pass on.
  bool ReadFile(const LogSink& log);   // the records
  bool FillCells(const LogSink& log);  // the cells from the records; starts the history
  bool Load(const LogSink& log) { return ReadFile(log) && FillCells(log); }
  // Both steps succeeded: there is a list to edit.
  bool IsLoaded() const { return filled_; }

  // Saving, also in two steps with a dialog between them in the window: the
  // cells go back into the records (in the grid's row order unless
  // keepOriginalOrder), then the records are written. Their changes belong
  // to the state saved, for undo; a write marks the edits saved.
  bool TakeCellsBack(bool keepOriginalOrder, const LogSink& log);
  bool WriteRecords(const std::string& path, bool regenerateChecksums, const LogSink& log);
  // Both, to the file the list was loaded from.
  bool Save(bool keepOriginalOrder, bool regenerateChecksums, const LogSink& log);

  // Runs a grid command of the table on this list, as one step to undo when
  // the command is one. Errors pass on; the step keeps what changed before.
  void Run(const GridCommandSpec& command, const CommandInput& input, const LogSink& log);

  // Runs a command function on this list within a step opened elsewhere (a drag's).
  void Apply(CommandFunction function);

  // Asks a question of the command table about this list (see GridCommandSpec::asksFirst).
  bool Check(bool (*question)(const CommandContext&));

  // A change of the cells or records since loading or the last save; undoing
  // back to the state saved leaves nothing to save.
  bool HasUnsavedEdits() const;

  TDataObject& Data() { return *data_; }
  const TDataObject& Data() const { return *data_; }
  bool HasData() const { return data_ != nullptr; }
  grid::CellStore& Cells() { return cells_; }
  const grid::CellStore& Cells() const { return cells_; }
  EditHistory& History() { return *history_; }
  EditorState& State() { return state_; }
  const EditorState& State() const { return state_; }

  const std::string& SettingsFile() const { return settingsFile_; }
  const std::string& Path() const { return path_; }
  const std::string& FileName() const { return fileName_; }  // the bare name: the layout's key
  std::string Folder() const;                                 // ends in '/'

 private:
  void MarkSaved();
  CommandContext ContextFor(const CommandInput& input, const LogSink& log);

  std::string settingsFile_;
  std::string path_;
  std::string fileName_;
  std::unique_ptr<TDataObject> data_;
  grid::CellStore cells_;
  EditorState state_;
  std::unique_ptr<EditHistory> history_;  // goes before the cells and the data object
  uint64_t savedRevision_ = 0;
  bool filled_ = false;
};

}  // namespace tarno::editing
