// Opening an archive from outside the window: named on the command line (the
// desktop's "Open with") or dropped on the window, it is extracted as "Select
// and extract" does and its first channel list is shown at once. The archive
// dialog starts in the last archive's folder, in this run and the next.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <filesystem>
#include <optional>
#include <system_error>

#include "ChannelListNames.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit001.h"
#include "TelevisionArchive.h"
#include "WaitCursor.h"

namespace tarno::window {
namespace {

// Beside the settings, never in the desktop's shared settings store: every
// program folder (and every test's) remembers its own.
constexpr const char* kWindowStateFileName = "TarnoChannelEdit-window.ini";
constexpr const char* kArchiveFolderKey = "Archive/LastFolder";

// The one local archive (.scm, or .zip of the newer sets) of a drag, if that is what it carries.
std::optional<std::string> DraggedArchive(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
  const QUrl url = data->urls().front();
  if (!url.isLocalFile()) return std::nullopt;
  const QString path = url.toLocalFile();
  if (!path.endsWith(QStringLiteral(".scm"), Qt::CaseInsensitive) &&
      !path.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
    return std::nullopt;
  return path.toStdString();
}

bool IsFolder(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

}  // namespace

void TfrmTarnoChannelEdit::OpenArchiveOnStart(const std::string& path) { OpenArchiveAndFirstList(path); }

void TfrmTarnoChannelEdit::OpenArchiveAndFirstList(const std::string& path) {
  const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
  RunCommand([this, &path] {
    if (ExtractChosenArchive(path)) LoadFirstChannelList();
  });
}

// Only the archive's own entries count: the folder may still hold lists of an
// archive extracted there before. The first in the tabs' order is shown:
// digital before analog; cable, air and then satellite.
void TfrmTarnoChannelEdit::LoadFirstChannelList() {
  const std::vector<std::string> entries = editing::EntriesInTabOrder(archive_->EntryNames());
  if (!entries.empty() && editing::ChannelListOf(entries.front())) LoadFile(extractFolder_ + entries.front());
}

void TfrmTarnoChannelEdit::dragEnterEvent(QDragEnterEvent* event) {
  if (DraggedArchive(event->mimeData())) event->acceptProposedAction();
}

void TfrmTarnoChannelEdit::dropEvent(QDropEvent* event) {
  const auto path = DraggedArchive(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  OpenArchiveAndFirstList(*path);
}

// A folder gone since (a stick taken out) sends the dialog back beside the program.
void TfrmTarnoChannelEdit::ReadRememberedArchiveFolder() {
  const QSettings state(QString::fromStdString(programFolder_ + kWindowStateFileName), QSettings::IniFormat);
  const std::string folder = state.value(QString::fromLatin1(kArchiveFolderKey)).toString().toStdString();
  archiveFolder_ = !folder.empty() && IsFolder(folder) ? folder : programFolder_;
  archiveFolderChanged_ = false;
}

void TfrmTarnoChannelEdit::RememberArchiveFolder(const std::string& archivePath) {
  std::error_code ignored;
  const std::string folder = FolderOf(std::filesystem::absolute(archivePath, ignored).string());
  if (folder.empty() || folder == archiveFolder_) return;
  archiveFolder_ = folder;
  archiveFolderChanged_ = true;
}

// Written once at the end, and only when another folder was used.
void TfrmTarnoChannelEdit::SaveRememberedArchiveFolder() const {
  if (!archiveFolderChanged_) return;
  QSettings state(QString::fromStdString(programFolder_ + kWindowStateFileName), QSettings::IniFormat);
  state.setValue(QString::fromLatin1(kArchiveFolderKey), QString::fromStdString(archiveFolder_));
}

}  // namespace tarno::window
