// The main window: the log pane, the grid panel and the button panel; start-up
// and shutdown, the archive, load and save, and the diagnostic commands. It owns
// the working state of a run: the paths derived from the program folder, the
// data object of the loaded file, its grid, the active archive and the script.
#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "EditorState.h"
#include "FileHome.h"
#include "GridCommandTable.h"
#include "ScriptSession.h"
#include "WindowDialogs.h"

class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabBar;
class TzebGrid;

namespace tarno {
class ExtractionFolderLock;
class TDataObject;
class TelevisionArchive;
struct ArchiveWrite;
struct PendingUpdate;
}  // namespace tarno

namespace tarno::editing {
class ChannelDocument;
}  // namespace tarno::editing

namespace tarno::window {

class ScriptRunningWatcher;
class WrappedCheckBox;

struct WindowOptions {
  // The program's folder; ends in '/'. Empty: the folder of the running
  // executable. The settings, the script and "Extracted/" are there, or in
  // userDataFolder as ChooseFileHome decides.
  std::string programFolder;
  // Empty: Qt's dialogs and message boxes.
  std::shared_ptr<WindowDialogs> dialogs;
  // Empty: the user's data folder of the application (~/.local/share/TarnoChannelEdit).
  std::string userDataFolder;
};

class TfrmTarnoChannelEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmTarnoChannelEdit(WindowOptions options = {});
  ~TfrmTarnoChannelEdit() override;  // runs FormDestroy

  // Where the settings, the script, the presets and "Extracted/" are.
  const std::string& ProgramFolder() const { return programFolder_; }
  const std::string& IniFileName() const { return iniFileName_; }
  const std::string& ScriptFileName() const { return scriptFileName_; }
  const std::string& ExtractFolder() const { return extractFolder_; }
  // The list on show; none while nothing is loaded.
  editing::ChannelDocument* Document() const;
  // The list on show's, or the file a Load tried last.
  std::string LoadedFileName() const;
  // Where Save writes: the file as it was loaded, wherever that was.
  std::string LoadedFilePath() const;
  TDataObject* DataObject() const;
  TzebGrid* Grid() const;
  TelevisionArchive* Archive() const { return archive_.get(); }
  int MoveToRow() const { return EditorStateNow().MoveToRow; }
  const std::string& SearchText() const { return EditorStateNow().SearchText; }
  bool HasScript() const { return script_.HasScript(); }
  // The lines of the log pane, first to last.
  QStringList LogLines() const;

  // An archive named on the command line (the desktop's "Open with") or
  // dropped on the window is opened as "Select and extract" opens the one
  // chosen, and its first channel list is shown.
  void OpenArchiveOnStart(const std::string& path);

  // Shows or hides the controls by what is loaded and whether an archive is active.
  void UpdateControlVisibility();

  // A file is loaded and its grid or records changed since it was loaded or last saved.
  bool HasUnsavedEdits() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Exit and the close box: asks first when there are unsaved edits.
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Building the controls (WindowControls.cpp).
  void CreateControls();
  void CreateButtonPanel();
  QPushButton* AddButton(const char* name, const QString& caption, QRect geometry, const QString& hint,
                         bool hintShown);
  void CreateCommandButtons();  // one per grid command of the table that has a button
  QPushButton* CommandButton(std::string_view step) const;
  static QString CommandText(std::string_view text);  // a text of the command table, translated
  QLabel* AddLabel(const char* name, const QString& caption, QRect geometry, const QString& hint, bool bold);
  WrappedCheckBox* AddCheckBox(const char* name, const QString& caption, QRect geometry, bool checked,
                               const QString& hint);
  void ConnectCommands();
  void SetTabOrder();
  void PlaceAreas();
  void FitToScreen();
  void FitButtonPanel();
  void KeepFocusedButtonsInView();
  void FocusGrid();

  // Start and stop.
  void FormCreate();
  void FormDestroy();
  void DerivePaths(const WindowOptions& options);
  void SeedUserFiles();  // an installed program's first start copies the defaults
  void ShowBeforeTheScriptStarts();
  void RegisterFont();
  void RemoveFont();
  void ReleaseScript();

  // The log pane and the status texts.
  void Log(const std::string& line);
  void Log(const QString& line);
  void Log(const char* line) { Log(std::string(line)); }
  void LogText(const std::string& text);  // may hold several lines; scrolls to the end
  void SetCaption(const QString& text);  // the title shows it two blanks in, after the unsaved mark
  void ShowUnsavedMark();                // a leading "*" while there are unsaved edits
  void SetLabelText(QLabel* label, const QString& text);
  void ShowNothingLoaded();

  // Runs a command; an error it raises ends it and appears in a message box.
  void RunCommand(const std::function<void()>& body);
  // A command that changes the grid or its records: one step to undo.
  void RunEditCommand(const std::function<void()>& body);
  // A grid command of the table from its button: asks for its argument, then runs it.
  void RunGridCommand(const editing::GridCommandSpec& command);
  bool AskArgument(const editing::GridCommandSpec& command, editing::CommandInput& input);
  bool AskCommandOptions(const editing::GridCommandSpec& command, editing::CommandInput& input);
  void RunOnActiveList(const editing::GridCommandSpec& command, const editing::CommandInput& input);
  void TakeGridSelection(editing::ChannelDocument& document);
  void KeepFavouritesViewInOrder();
  void ShowGridMenu(const QPoint& position);
  void ShowSearchMissed(const editing::EditorState& state);
  bool ConfirmCommand(const editing::GridCommandSpec& command, editing::ChannelDocument& document);

  // Commands (ArchiveCommands.cpp, LoadSaveCommands.cpp, DiagnosticCommands.cpp).
  void btnExtractClick();
  void btnLoadClick();
  void btnSaveClick(bool saveAs);
  void btnExportClick();
  void btnImportClick();
  void btnReadWriteClick();
  void btnPtcCableClick();
  void btnReloadScriptClick();
  void btnClearClick();
  void btnExitClick();
  void btnWriteArchiveClick();
  void btnRestoreOriginalClick();
  // The archive at path becomes the active one and is extracted, once the
  // loaded list and the archive given up are settled.
  // False when it was not extracted.
  bool ExtractChosenArchive(const std::string& path);
  // Extracts the archive at path, settled or not, in place of the active one.
  bool ExtractAsActiveArchive(const std::string& path);
  // Button captions for a question.
  static std::vector<std::string> Captions(const QStringList& captions);
  bool OpenArchive(const std::string& path);
  bool ArchiveIsActive() const;
  void LockExtractionFolder();
  void CloseLoadedList();
  // Before another archive is extracted: the files saved for the active one go
  // into it (or the user leaves them out); false when the user went back.
  bool GiveUpActiveArchive();
  bool ConfirmOverwritingUnwrittenFiles(const std::string& archivePath);

  // Writing the active archive (ArchiveUpdate.cpp); false when the user went back.
  std::vector<std::string> UnwrittenFilesOfActiveArchive() const;
  bool WriteActiveArchive();
  bool WriteActiveArchiveElsewhere(const PendingUpdate& pending);
  bool UpdateArchiveBeforeClosing();
  void UpdateArchiveAtExit();
  void LogArchiveWrite(const std::string& archivePath, const ArchiveWrite& write);
  // Opening an archive from outside the window (ArchiveOpening.cpp).
  void OpenArchiveAndFirstList(const std::string& path);
  void LoadFirstChannelList();
  void ReadRememberedArchiveFolder();
  void RememberArchiveFolder(const std::string& archivePath);
  void SaveRememberedArchiveFolder() const;
  void UseFittingPreset();  // ArchivePreset.cpp
  bool SaveGrid(bool saveAs);  // true when the file was written
  bool ConfirmSavingProblems(editing::ChannelDocument& document);
  void ExplainDataError(const editing::ChannelDocument& document);
  // Loads the file at path into a fresh grid; the load's lines go to the log.
  void LoadFile(const std::string& path);
  // The open lists: each with its grid over its cells.
  struct OpenList {
    std::unique_ptr<editing::ChannelDocument> document;
    TzebGrid* grid = nullptr;  // a child of pnlDatabase, released before its document
    std::string samePath;      // the document's path, absolute and normal: which tab is its
  };
  void OpenDocument(std::unique_ptr<editing::ChannelDocument> document);
  // A document for the file at path, starting from the editor state on show.
  std::unique_ptr<editing::ChannelDocument> NewDocument(const std::string& path);
  void ShowListLoaded();  // the caption and the label name the list on show
  void ShowFilledList();  // a list read and filled: its flags, its name, the focus in its grid
  // A list that could not be filled goes; the one shown before comes back.
  void CloseNewestList(size_t shownBefore);
  void ShowFlagsAtAGlance();
  void CloseLists();
  const editing::EditorState& EditorStateNow() const;

  // The tabs: one per list of the active archive, then one per list opened
  // from elsewhere (ListTabs.cpp). A tab's list is read when it is first chosen
  // and stays open, with its edits and history, until the lists are closed.
  void CreateListTabs();
  void ShowListTabs();  // rebuilds the tabs and selects the list on show's
  void MarkUnsavedTabs();
  void ChooseListTab(int index);
  bool OpenListOfTab(const std::string& path);
  void ShowList(size_t index);
  void ShowNextTab(int step);
  // The open list of the file at samePath (absolute and normal), if any.
  std::optional<size_t> OpenListAt(const std::string& samePath) const;

  // Unsaved edits (UnsavedEdits.cpp).
  // Asks "Save changes to 'NAME'?" when there are unsaved edits and saves on
  // Yes; false when the command that asked is not to go on.
  bool SaveChangesFirst();
  enum class EditsSettled { NoneMade, Saved, Dropped, Kept };  // Kept: the command is not to go on
  EditsSettled SettleUnsavedEdits();
  std::vector<size_t> ListsWithUnsavedEdits() const;
  bool SaveLists(const std::vector<size_t>& lists);  // each as Save saves it; false when one was not saved
  TzebGrid* CreateGrid(grid::CellStore& cells);
  bool TypedTextFits(int col, int row, const std::string& text);

  // The grid commands and keys (GridCommands.cpp).
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void ShowMoveTarget();
  void ShowHiddenButtons();

  std::shared_ptr<WindowDialogs> dialogs_;
  bool destroyed_ = false;

  // Window state.
  FileHome home_;
  std::string programFolder_;  // home_.userFolder
  std::string iniFileName_;         // the default settings, or the preset that fits the active archive
  std::string defaultIniFileName_;  // the user's settings file beside the program
  std::string scriptFileName_;
  std::string extractFolder_;
  std::unique_ptr<ExtractionFolderLock> folderLock_;  // taken by the first extraction
  std::string declinedArchive_;  // whose saved files the user chose to leave out of it
  std::string archiveFolder_;    // where "Select and extract" starts: the last archive's folder
  bool archiveFolderChanged_ = false;
  QString caption_;  // without the unsaved mark
  std::vector<OpenList> lists_;
  std::string triedFileName_;  // of the last Load, also one that failed
  size_t activeList_ = 0;
  std::unique_ptr<TelevisionArchive> archive_;
  std::unique_ptr<ScriptRunningWatcher> scriptWatcher_;  // outlives every script
  int runningCommands_ = 0;                               // RunCommand's nesting
  ScriptSession script_;  // what tarno::ScriptObject points to
  // The move target and the last search text while nothing is loaded; a list
  // loaded next starts from them, and a list closed leaves its own here.
  editing::EditorState idleEditorState_;
  int fontId_ = -1;

  // The three areas.
  QWidget* pnlDatabase = nullptr;
  QTabBar* tabLists = nullptr;  // above the grid, in pnlDatabase
  QPlainTextEdit* mmoInfo = nullptr;
  QScrollArea* scrButtons = nullptr;  // scrolls the button panel when the window is small
  QWidget* pnlButtons = nullptr;

  // The controls of the button panel.
  QPushButton* btnExtract = nullptr;
  WrappedCheckBox* chkSaveArchive = nullptr;
  QPushButton* btnExit = nullptr;
  QPushButton* btnWriteArchive = nullptr;
  QPushButton* btnRestoreOriginal = nullptr;
  QLabel* txtExtractedFile = nullptr;
  QLabel* txtLoadedFile = nullptr;
  QPushButton* btnLoad = nullptr;
  QPushButton* btnSave = nullptr;
  QPushButton* btnSaveAs = nullptr;
  WrappedCheckBox* chkOriginalRecord = nullptr;
  WrappedCheckBox* chkUpdateCrc = nullptr;
  QPushButton* btnExport = nullptr;
  QPushButton* btnImport = nullptr;
  QLabel* txtF1 = nullptr;
  QLabel* txtF4 = nullptr;
  QPushButton* btnClear = nullptr;
  QPushButton* btnReloadScript = nullptr;
  QPushButton* btnReadWrite = nullptr;
  QPushButton* btnPtcCable = nullptr;
  QLabel* txtFind = nullptr;
  QLabel* txtUndo = nullptr;
  // The buttons of the grid commands, in table order.
  std::vector<std::pair<const editing::GridCommandSpec*, QPushButton*>> commandButtons_;
};

}  // namespace tarno::window
