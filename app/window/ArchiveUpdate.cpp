// Writing the active archive: the files saved for it since its extraction go
// into it while the window is still open, so that a failure can be retried,
// written under another name or left for later, and an archive another
// program rewrote meanwhile is never reverted without a question.
#include "ArchiveBackup.h"
#include "ArchiveWorkflow.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit001.h"
#include "WaitCursor.h"
#include "WrappedCheckBox.h"

namespace tarno::window {
namespace {

enum WriteFailureChoice { kRetry, kWriteElsewhere, kLeaveUnwritten };

}  // namespace

std::vector<std::string> TfrmTarnoChannelEdit::UnwrittenFilesOfActiveArchive() const {
  if (!ArchiveIsActive()) return {};
  try {
    return PendingUpdateOf(archive_->FileName(), extractFolder_).unwritten;
  } catch (const ArchiveError&) {
    return {};  // the folder's record is gone: nothing is known to be saved for it
  }
}

bool TfrmTarnoChannelEdit::WriteActiveArchive() {
  const std::string path = archive_->FileName();
  const QString archive = QString::fromStdString(BareNameOf(path));
  for (;;) {
    PendingUpdate pending;
    try {
      pending = PendingUpdateOf(path, extractFolder_);
    } catch (const ArchiveError& error) {
      Log(std::string(error.what()));  // the folder's record is gone: nothing is known to be saved for it
      return true;
    }
    if (pending.unwritten.empty()) return true;
    if (pending.archiveChanged) {
      const int choice = dialogs_->Ask(
          {tr("The archive '%1' was changed by another program since it was extracted.\nWrite %2 into it as it is "
              "now? Its other entries stay as that program left them.")
               .arg(archive, QString::fromStdString(NamesInWords(pending.unwritten)))
               .toStdString(),
           Captions({tr("Write into it"), tr("Leave it as it is"), tr("Cancel")})});
      if (choice == 1) {
        Log(tr("Archive '%1' left as the other program wrote it").arg(archive));
        return true;
      }
      if (choice != 0) return false;
    }
    std::string failure;
    try {
      const WaitCursor wait;
      LogArchiveWrite(path, WriteUnwrittenFiles(path, extractFolder_, pending, path));
      Log(tr("Archive '%1' updated with %2").arg(archive, QString::fromStdString(NamesInWords(pending.unwritten))));
      return true;
    } catch (const std::exception& error) {
      failure = error.what();
    }
    const int choice = dialogs_->Ask(
        {tr("The archive '%1' could not be written:\n%2\n\nThe saved files stay in '%3'.")
             .arg(archive, QString::fromStdString(failure), QString::fromStdString(extractFolder_))
             .toStdString(),
         Captions({tr("Retry"), tr("Write under another name..."), tr("Leave it unwritten"), tr("Cancel")})});
    if (choice == kRetry) continue;
    if (choice == kWriteElsewhere && WriteActiveArchiveElsewhere(pending)) return true;
    if (choice == kWriteElsewhere) continue;
    if (choice == kLeaveUnwritten) {
      Log(tr("Archive '%1' not written; the saved files stay in '%2'").arg(archive, QString::fromStdString(extractFolder_)));
      return true;
    }
    return false;
  }
}

bool TfrmTarnoChannelEdit::WriteActiveArchiveElsewhere(const PendingUpdate& pending) {
  const auto target = dialogs_->SaveFile({tr("Write the archive under another name").toStdString(),
                                          tr("Television archive files|*.scm;*.zip|All files|*.*").toStdString(), "",
                                          archive_->FileName(), false});
  if (!target) return false;
  try {
    const WaitCursor wait;
    WriteUnwrittenFiles(archive_->FileName(), extractFolder_, pending, *target);
  } catch (const std::exception& error) {
    dialogs_->ShowError(error.what());
    return false;
  }
  Log(tr("Archive written as %1").arg(QString::fromStdString(*target)));
  return true;
}

// Exit and the close box: the update runs before the window goes, and the
// user may stay when it fails.
bool TfrmTarnoChannelEdit::UpdateArchiveBeforeClosing() {
  if (!ArchiveIsActive() || !chkSaveArchive->isChecked()) return true;
  if (!WriteActiveArchive()) return false;
  archive_->Close();  // settled: nothing is left for the end
  return true;
}

// The window went away without a close (the program is ending): written only
// when no question would be needed; otherwise the error says what stays.
void TfrmTarnoChannelEdit::UpdateArchiveAtExit() {
  if (!ArchiveIsActive() || !chkSaveArchive->isChecked()) return;
  const std::string path = archive_->FileName();
  archive_->Close();
  LogArchiveWrite(path, UpdateArchive(path, extractFolder_));
}

void TfrmTarnoChannelEdit::LogArchiveWrite(const std::string& archivePath, const ArchiveWrite& write) {
  if (write.keptOriginal)
    Log(tr("Original kept as %1").arg(QString::fromStdString(BareNameOf(BackupPathOf(archivePath)))));
}

// "Write archive now": the update of the exit, at once, so the stick can be
// taken with the window still open; unsaved edits are settled first as there.
void TfrmTarnoChannelEdit::btnWriteArchiveClick() {
  if (!ArchiveIsActive()) return;  // the button shows only with an active archive
  if (!SaveChangesFirst()) return;
  const QString archive = QString::fromStdString(BareNameOf(archive_->FileName()));
  if (UnwrittenFilesOfActiveArchive().empty()) {
    Log(tr("Archive '%1' already holds every saved file").arg(archive));
    return;
  }
  WriteActiveArchive();
}

}  // namespace tarno::window
