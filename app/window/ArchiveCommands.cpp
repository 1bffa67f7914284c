// "Select and extract": the chosen television archive becomes the active one
// and all its entries land in the extraction folder.
#include <QLabel>

#include "ArchiveWorkflow.h"
#include "FileSystem.h"
#include "TarnoChannelEditUnit001.h"
#include "WaitCursor.h"

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
  // The extraction overwrites the loaded file's folder: edits the user chose
  // to save go into the active archive first (as at exit, when so chosen),
  // or the extraction would overwrite them at once.
  const bool edited = HasUnsavedEdits();
  if (!SaveChangesFirst()) return;
  if (edited && !HasUnsavedEdits()) UpdateArchiveAtExit();
  ForgetHistory();
  // Otherwise the previous archive is given up without being updated.
  archive_ = std::make_unique<TelevisionArchive>();
  ActivateArchive(dialogs_->OpenFile({tr("Select television archive file").toStdString(),
                                      tr("Television archive files|*.scm|All files|*.*").toStdString(),
                                      programFolder_, "", true}));
}

void TfrmTarnoChannelEdit::OpenArchiveOnStart(const std::string& path) {
  const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
  RunCommand([this, &path] {
    archive_ = std::make_unique<TelevisionArchive>();
    ActivateArchive(path);
  });
}

void TfrmTarnoChannelEdit::ActivateArchive(const std::optional<std::string>& path) {
  if (!path) {
    SetCaption(tr(kNoArchiveCaption));
    SetLabelText(txtExtractedFile, tr("No active archive"));
  } else {
    OpenArchive(*path);
  }
  Log(Trimmed(windowTitle().toStdString()));
  UseFittingPreset();
}

// Opens and extracts the archive. Every error is caught here and leaves no
// archive active; files extracted before it stay. Its message is not shown.
bool TfrmTarnoChannelEdit::OpenArchive(const std::string& path) {
  try {
    SetCaption(QString::fromStdString(ExtractArchive(*archive_, path, extractFolder_)));
    SetLabelText(txtExtractedFile,
                 tr("Archive '%1' active").arg(QString::fromStdString(BareNameOf(archive_->FileName()))));
    return true;
  } catch (...) {
    SetCaption(tr(kNoArchiveCaption));
    archive_->Close();
    SetLabelText(txtExtractedFile, tr("No active archive"));
    return false;
  }
}

}  // namespace tarno::window
