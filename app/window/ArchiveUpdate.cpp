// Writing the active archive: the files saved for it since its extraction go
// into it while the window is still open, so that a failure can be retried,
// written under another name or left for later, and an archive another
// program rewrote meanwhile is never reverted without a question.
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
  const std::string archive = "'" + BareNameOf(path) + "'";
  for (;;) {
    PendingUpdate pending;
    try {
      pending = PendingUpdateOf(path, extractFolder_);
    } catch (const ArchiveError& error) {
      Log(error.what());  // the folder's record is gone: nothing is known to be saved for it
      return true;
    }
    if (pending.unwritten.empty()) return true;
    if (pending.archiveChanged) {
      const int choice = dialogs_->Ask(
          {"The archive " + archive + " was changed by another program since it was extracted.\nWrite " +
               NamesInWords(pending.unwritten) + " into it as it is now? Its other entries stay as that program left them.",
           {"Write into it", "Leave it as it is", "Cancel"}});
      if (choice == 1) {
        Log("Archive " + archive + " left as the other program wrote it");
        return true;
      }
      if (choice != 0) return false;
    }
    std::string failure;
    try {
      const WaitCursor wait;
      WriteUnwrittenFiles(path, extractFolder_, pending, path);
      Log("Archive " + archive + " updated with " + NamesInWords(pending.unwritten));
      return true;
    } catch (const std::exception& error) {
      failure = error.what();
    }
    const int choice = dialogs_->Ask({"The archive " + archive + " could not be written:\n" + failure +
                                          "\n\nThe saved files stay in '" + extractFolder_ + "'.",
                                      {"Retry", "Write under another name...", "Leave it unwritten", "Cancel"}});
    if (choice == kRetry) continue;
    if (choice == kWriteElsewhere && WriteActiveArchiveElsewhere(pending)) return true;
    if (choice == kWriteElsewhere) continue;
    if (choice == kLeaveUnwritten) {
      Log("Archive " + archive + " not written; the saved files stay in '" + extractFolder_ + "'");
      return true;
    }
    return false;
  }
}

bool TfrmTarnoChannelEdit::WriteActiveArchiveElsewhere(const PendingUpdate& pending) {
  const auto target = dialogs_->SaveFile({"Write the archive under another name",
                                          "Television archive files|*.scm|All files|*.*", "", archive_->FileName(),
                                          false});
  if (!target) return false;
  try {
    const WaitCursor wait;
    WriteUnwrittenFiles(archive_->FileName(), extractFolder_, pending, *target);
  } catch (const std::exception& error) {
    dialogs_->ShowError(error.what());
    return false;
  }
  Log("Archive written as " + *target);
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
  UpdateArchive(path, extractFolder_);
}

}  // namespace tarno::window
