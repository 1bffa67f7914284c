#include "TarnoChannelEditUnit001.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextCursor>

#include "ArchiveWorkflow.h"
#include "ChannelDocument.h"
#include "ExtractionFolderLock.h"
#include "EditHistory.h"
#include "MessageBoxHook.h"
#include "QtWindowDialogs.h"
#include "ScriptObject.h"
#include "ScriptSession.h"
#include "ScriptUi.h"
#include "ScriptRunningDialog.h"
#include "TarnoChannelEditUnit002.h"
#include "TelevisionArchive.h"
#include "TzebGrid.h"
#include "WaitCursor.h"
#include "WrappedCheckBox.h"

namespace tarno::window {
namespace {

std::string ExecutableFolder() { return QCoreApplication::applicationDirPath().toStdString() + "/"; }

std::string UserDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/";
}

std::shared_ptr<WindowDialogs> QtDialogsFor(QWidget* window) {
  auto dialogs = std::make_shared<QtWindowDialogs>();
  dialogs->SetParent(window);
  return dialogs;
}

}  // namespace

TfrmTarnoChannelEdit::TfrmTarnoChannelEdit(WindowOptions options)
    : dialogs_(options.dialogs ? options.dialogs : QtDialogsFor(this)),
      scriptWatcher_(std::make_unique<ScriptRunningWatcher>(this)) {
  CreateControls();
  ConnectCommands();
  SetMessageBoxHook([this](const std::string& text, const std::string& caption, int mode) {
    return dialogs_->MessageBox(text, caption, mode);
  });
  // Scripts may make forms; a handler error outside any script call is logged.
  ui::InstallScriptUi();
  ui::SetEventErrorReporter([this](const std::string& text) { Log(text); });
  // The window sees key presses before its controls do.
  qApp->installEventFilter(this);
  DerivePaths(options);
  FormCreate();
}

TfrmTarnoChannelEdit::~TfrmTarnoChannelEdit() {
  qApp->removeEventFilter(this);
  FormDestroy();
  ui::SetEventErrorReporter(nullptr);
  SetMessageBoxHook({});
}

void TfrmTarnoChannelEdit::DerivePaths(const WindowOptions& options) {
  home_ = ChooseFileHome(options.programFolder.empty() ? ExecutableFolder() : options.programFolder,
                         options.userDataFolder.empty() ? UserDataFolder() : options.userDataFolder);
  programFolder_ = home_.userFolder;
  iniFileName_ = defaultIniFileName_ = programFolder_ + kSettingsFileName;
  scriptFileName_ = programFolder_ + kScriptFileName;
  extractFolder_ = programFolder_ + "Extracted/";
}

void TfrmTarnoChannelEdit::SeedUserFiles() {
  if (!home_.SeparateFromShipped()) return;
  SeedUserFolder(home_);
  Log(tr("Settings and script: %1").arg(QString::fromStdString(programFolder_)));
}

void TfrmTarnoChannelEdit::FormCreate() {
  SetCaption(tr("Tarno Channel Editor for Samsung TV's V1.01"));
  RegisterFont();
  Log(tr("Log started"));
  SeedUserFiles();
  ReadRememberedArchiveFolder();
  CloseLists();
  archive_.reset();
  idleEditorState_ = editing::EditorState();
  ShowMoveTarget();
  UpdateControlVisibility();
  mmoInfo->setFont(QFont(QStringLiteral("Bitstream Vera Sans Mono"), 10));
  ShowBeforeTheScriptStarts();
  RunCommand([this] { btnReloadScriptClick(); });
}

// Runs once, however the window went away: nothing is asked here (Exit and
// the close box asked about unsaved edits and wrote the archive before), and
// an archive still active is updated when so chosen.
void TfrmTarnoChannelEdit::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  RunCommand([this] { UpdateArchiveAtExit(); });
  SaveRememberedArchiveFolder();
  CloseLists();
  archive_.reset();
  folderLock_.reset();
  ReleaseScript();
  RemoveFont();
}

// The window is up and painted before the script's "Initialize" runs: a
// script that takes long then runs under the window, which the "Script
// running" window stands over and which keeps repainting meanwhile.
void TfrmTarnoChannelEdit::ShowBeforeTheScriptStarts() {
  show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmTarnoChannelEdit::RegisterFont() {
  fontId_ = QFontDatabase::addApplicationFont(QString::fromStdString(home_.shippedFolder + "VeraMono.ttf"));
}

void TfrmTarnoChannelEdit::RemoveFont() {
  if (fontId_ >= 0) QFontDatabase::removeApplicationFont(fontId_);
  fontId_ = -1;
}

void TfrmTarnoChannelEdit::ReleaseScript() { script_.Release(); }

// A script that no longer compiles could not take the edited grid back: the
// edits are saved first, or dropped, and then the file is shown again through
// the new script.
void TfrmTarnoChannelEdit::btnReloadScriptClick() {
  const EditsSettled edits = SettleUnsavedEdits();
  if (edits == EditsSettled::Kept) return;
  for (OpenList& list : lists_) list.document->History().Clear();  // conversions may differ from here on
  script_.Reload(scriptFileName_, [this](const std::string& text) { LogText(text); }, scriptWatcher_.get());
  if (edits == EditsSettled::Dropped) {
    const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
    LoadFile(LoadedFilePath());
  }
}

void TfrmTarnoChannelEdit::btnClearClick() { mmoInfo->clear(); }

void TfrmTarnoChannelEdit::btnExitClick() { close(); }

void TfrmTarnoChannelEdit::UpdateControlVisibility() {
  const TDataObject* records = DataObject();
  const bool loaded = records && records->HasLayout() && Grid();
  for (QWidget* control : std::initializer_list<QWidget*>{chkOriginalRecord, chkUpdateCrc, btnSave, btnSaveAs, txtF1,
                                                          txtF4, txtFind, txtUndo, btnExport, btnImport})
    control->setVisible(loaded);
  const bool withHeader = loaded && records->HasHeader;
  for (const auto& [command, button] : commandButtons_) button->setVisible(command->needsHeader ? withHeader : loaded);
  for (QWidget* control : std::initializer_list<QWidget*>{chkSaveArchive, btnWriteArchive, btnRestoreOriginal})
    control->setVisible(ArchiveIsActive());
  for (QWidget* control : {static_cast<QWidget*>(txtExtractedFile), static_cast<QWidget*>(btnLoad),
                           static_cast<QWidget*>(btnExit), static_cast<QWidget*>(btnReloadScript)})
    control->setVisible(true);
}

void TfrmTarnoChannelEdit::Log(const std::string& line) { Log(QString::fromStdString(line)); }
void TfrmTarnoChannelEdit::Log(const QString& line) { mmoInfo->appendPlainText(line); }

void TfrmTarnoChannelEdit::LogText(const std::string& text) {
  QString lines = QString::fromStdString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (lines.endsWith(QLatin1Char('\n'))) lines.chop(1);
  mmoInfo->appendPlainText(lines);
  mmoInfo->moveCursor(QTextCursor::End);
  mmoInfo->ensureCursorVisible();
}

QStringList TfrmTarnoChannelEdit::LogLines() const {
  const QString text = mmoInfo->toPlainText();
  if (text.isEmpty()) return {};
  return text.split(QLatin1Char('\n'));
}

void TfrmTarnoChannelEdit::SetCaption(const QString& text) {
  caption_ = text;
  ShowUnsavedMark();
}

// Static texts size themselves to their text.
void TfrmTarnoChannelEdit::SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

void TfrmTarnoChannelEdit::ShowNothingLoaded() {
  SetLabelText(txtLoadedFile, tr("No file loaded"));
  SetCaption(tr("No file loaded"));
}

void TfrmTarnoChannelEdit::RunCommand(const std::function<void()>& body) {
  // A stop of a script handler that ran between commands is no stop of this one.
  if (runningCommands_++ == 0) scriptWatcher_->ForgetStop();
  try {
    body();
  } catch (const std::exception& error) {
    dialogs_->ShowError(error.what());
  } catch (...) {
    dialogs_->ShowError(tr("Unknown error").toStdString());
  }
  // A script stopped by the user stays stopped until the outermost command ends.
  if (--runningCommands_ == 0) scriptWatcher_->ForgetStop();
  ShowUnsavedMark();
}

bool TfrmTarnoChannelEdit::eventFilter(QObject* watched, QEvent* event) {
  const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  if (!isKey || !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this)
    return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    bool consumed = false;
    RunCommand([&] { consumed = FormKeyDown(key->key(), key->modifiers()); });
    if (consumed) return true;
  } else {
    ShowUnsavedMark();  // typing into the grid changed it after the press was handled
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarno::window
