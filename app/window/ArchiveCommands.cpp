// "Select and extract": the chosen television archive becomes the active one
// and all its entries land in the extraction folder. Before the folder's files
// are replaced, nothing saved for the archive given up is lost: it is written
// into that archive, or the user chooses to leave it out.
#include <QLabel>

#include "ArchiveWorkflow.h"
#include "EditHistory.h"
#include "ExtractionFolderLock.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit001.h"
#include "TarnoChannelEditUnit002.h"
#include "TelevisionArchive.h"
#include "WaitCursor.h"
#include "WrappedCheckBox.h"

namespace tarno::window {
namespace {

const char* const kNoArchiveCaption =
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "No archived television file opened");

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void TfrmTarnoChannelEdit::btnExtractClick() {
  const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
  const auto path = dialogs_->OpenFile({tr("Select television archive file").toStdString(),
                                        tr("Television archive files|*.scm;*.zip|All files|*.*").toStdString(),
                                        archiveFolder_, "", true});
  if (path) {
    ExtractChosenArchive(*path);
  } else if (!ArchiveIsActive()) {  // a cancelled dialog changes nothing
    SetCaption(tr(kNoArchiveCaption));
    SetLabelText(txtExtractedFile, tr("No active archive"));
    Log(Trimmed(caption_.toStdString()));
  }
}

bool TfrmTarnoChannelEdit::ExtractChosenArchive(const std::string& path) {
  if (!SaveChangesFirst()) return false;
  LockExtractionFolder();
  if (!GiveUpActiveArchive() || !ConfirmOverwritingUnwrittenFiles(path)) return false;
  return ExtractAsActiveArchive(path);
}

// The loaded list belongs to the archive given up.
bool TfrmTarnoChannelEdit::ExtractAsActiveArchive(const std::string& path) {
  CloseLoadedList();
  archive_ = std::make_unique<TelevisionArchive>();
  const bool opened = OpenArchive(path);
  ShowListTabs();
  Log(Trimmed(caption_.toStdString()));
  UseFittingPreset();
  return opened;
}

// Opens and extracts the archive. Every error is caught here and leaves no
// archive active; files extracted before it stay. Its message is not shown.
bool TfrmTarnoChannelEdit::OpenArchive(const std::string& path) {
  try {
    SetCaption(QString::fromStdString(ExtractArchive(*archive_, path, extractFolder_)));
    SetLabelText(txtExtractedFile,
                 tr("Archive '%1' active").arg(QString::fromStdString(BareNameOf(archive_->FileName()))));
    declinedArchive_.clear();
    RememberArchiveFolder(path);
    return true;
  } catch (...) {
    SetCaption(tr(kNoArchiveCaption));
    archive_->Close();
    SetLabelText(txtExtractedFile, tr("No active archive"));
    return false;
  }
}

bool TfrmTarnoChannelEdit::ArchiveIsActive() const { return archive_ && !archive_->FileName().empty(); }

// The folder is this editor's from its first extraction until it ends: a
// second editor extracting there is refused (the error ends the command).
void TfrmTarnoChannelEdit::LockExtractionFolder() {
  if (!folderLock_) folderLock_ = std::make_unique<ExtractionFolderLock>(extractFolder_);
}

void TfrmTarnoChannelEdit::CloseLoadedList() {
  if (lists_.empty()) return;
  CloseLists();
  ShowNothingLoaded();
}

std::vector<std::string> TfrmTarnoChannelEdit::Captions(const QStringList& captions) {
  std::vector<std::string> texts;
  for (const QString& caption : captions) texts.push_back(caption.toStdString());
  return texts;
}

bool TfrmTarnoChannelEdit::GiveUpActiveArchive() {
  if (!ArchiveIsActive()) return true;
  const std::vector<std::string> unwritten = UnwrittenFilesOfActiveArchive();
  if (unwritten.empty()) return true;
  if (chkSaveArchive->isChecked()) return WriteActiveArchive();
  const std::string archive = BareNameOf(archive_->FileName());
  const int choice = dialogs_->Ask({tr("Files saved for '%1' are not in it yet: %2.\nWrite them into the archive "
                                       "before leaving it?")
                                        .arg(QString::fromStdString(archive),
                                             QString::fromStdString(NamesInWords(unwritten)))
                                        .toStdString(),
                                    Captions({tr("Write into archive"), tr("Leave them out"), tr("Cancel")})});
  if (choice == 0) return WriteActiveArchive();
  if (choice != 1) return false;
  declinedArchive_ = AbsoluteArchivePath(archive_->FileName());
  Log(tr("Archive '%1' left without the files saved for it").arg(QString::fromStdString(archive)));
  return true;
}

// Saved files of an earlier extraction (this run's or another's) that never
// reached their archive are overwritten only when the user says so.
bool TfrmTarnoChannelEdit::ConfirmOverwritingUnwrittenFiles(const std::string& path) {
  const UnwrittenOverwrite overwrite = UnwrittenFilesOverwrittenBy(extractFolder_, path);
  if (overwrite.files.empty() || overwrite.archivePath == declinedArchive_) return true;
  const int choice =
      dialogs_->Ask({tr("'%1' holds %2, saved for '%3' but never written into it.\nExtracting '%4' overwrites them.")
                         .arg(QString::fromStdString(extractFolder_), QString::fromStdString(NamesInWords(overwrite.files)),
                              QString::fromStdString(BareNameOf(overwrite.archivePath)),
                              QString::fromStdString(BareNameOf(path)))
                         .toStdString(),
                     Captions({tr("Extract anyway"), tr("Cancel")})});
  return choice == 0;
}

}  // namespace tarno::window
