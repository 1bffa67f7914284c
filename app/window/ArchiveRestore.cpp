// "Restore original": the active archive goes back to the copy kept before
// this program first rewrote it, for a list the television refuses. Its files
// are extracted again, so that the next write starts from that original.
#include "ArchiveBackup.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit001.h"
#include "TelevisionArchive.h"
#include "WaitCursor.h"

namespace tarno::window {

void TfrmTarnoChannelEdit::btnRestoreOriginalClick() {
  const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
  if (!ArchiveIsActive()) return;  // the button shows only with an active archive
  const std::string path = archive_->FileName();
  const QString archive = QString::fromStdString(BareNameOf(path));
  const QString backup = QString::fromStdString(BareNameOf(BackupPathOf(path)));
  if (!HasKeptOriginal(path)) {
    dialogs_->ShowError(tr("No original of '%1' is kept: there is no %2 beside it.").arg(archive, backup).toStdString());
    return;
  }
  const int choice = dialogs_->Ask(
      {tr("Restore '%1' from %2?\nWhat was written into it since is lost, and its files are extracted again: "
          "edits not written into it are lost too.")
           .arg(archive, backup)
           .toStdString(),
       Captions({tr("Restore"), tr("Cancel")})});
  if (choice != 0) return;
  {
    const WaitCursor wait;
    RestoreOriginal(path);  // a failure leaves the archive and its files as they were
  }
  Log(tr("Archive '%1' restored from %2").arg(archive, backup));
  ExtractAsActiveArchive(path);
}

}  // namespace tarno::window
