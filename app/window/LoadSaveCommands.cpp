// "Load", "Save" and "Save as ...": a television file into a fresh grid, and
// the grid back into the file.
#include <QLabel>
#include <QLayout>

#include "EditHistory.h"
#include "FileSystem.h"
#include "GridFeatures.h"
#include "LoadSave.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"
#include "WaitCursor.h"
#include "WrappedCheckBox.h"

namespace tarno::window {

// The dialog comes first: cancelling it leaves the loaded file as it was.
void TfrmTarnoChannelEdit::btnLoadClick() {
  const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
  const auto path = dialogs_->OpenFile({tr("Select database or setting file to edit").toStdString(),
                                        tr("Television files|*.*|Database files|*.dat|All files|*.*").toStdString(),
                                        extractFolder_, "", true});
  if (!path || !SaveChangesFirst()) return;
  LoadFile(*path);
}

void TfrmTarnoChannelEdit::LoadFile(const std::string& path) {
  history_.reset();
  dataObject_.reset();  // the grid stays on display until a new one replaces it
  const WaitCursor wait;
  loadedFileName_ = BareNameOf(path);
  loadedFilePath_ = path;
  SetCaption(tr("File '%1' loading ...").arg(QString::fromStdString(loadedFileName_)));
  const LogSink log = [this](const std::string& line) { Log(line); };
  dataObject_ = LoadDataFile(iniFileName_, path, log);
  if (!dataObject_) {
    ShowNothingLoaded();
    ReleaseGrid();
    return;
  }
  try {
    CreateGrid();
    if (!FillLoadedGrid(*dataObject_, grid_->Cells(), log)) {
      ShowNothingLoaded();
      ReleaseGrid();
      dataObject_.reset();
      return;
    }
  } catch (...) {
    // A grid filled half way is no file to edit.
    ReleaseGrid();
    dataObject_.reset();
    throw;
  }
  SetLabelText(txtLoadedFile, tr("File '%1' loaded").arg(QString::fromStdString(loadedFileName_)));
  SetCaption(txtLoadedFile->text());
  MarkEditsSaved();
  StartHistory();
  grid_->setFocus();
}

void TfrmTarnoChannelEdit::btnSaveClick(bool saveAs) { SaveGrid(saveAs); }

bool TfrmTarnoChannelEdit::SaveGrid(bool saveAs) {
  if (!dataObject_ || !grid_) {
    Log(tr("Nothing loaded"));
    return false;
  }
  const LogSink log = [this](const std::string& line) { Log(line); };
  // What taking back and saving change in the cells and records belongs to the state saved.
  const ScopeExit absorb([this] {
    if (history_) history_->AbsorbSave();
  });
  if (!TakeGridBack(*dataObject_, grid_->Cells(), chkOriginalRecord->isChecked(), log)) return false;
  // Save writes the file back where it was loaded from; only "Save as ..."
  // puts a file loaded from elsewhere into the extraction folder (its archive).
  std::string path = loadedFilePath_;
  if (saveAs) {
    const auto chosen = dialogs_->SaveFile({"", "", "", extractFolder_ + loadedFileName_, false});
    if (!chosen) return false;
    path = *chosen;
  }
  const WaitCursor wait;
  if (!SaveRecords(*dataObject_, path, chkUpdateCrc->isChecked(), log)) return false;
  MarkEditsSaved();
  return true;
}

// A fresh grid for every load, filling the grid panel.
void TfrmTarnoChannelEdit::CreateGrid() {
  ReleaseGrid();
  grid_ = new TzebGrid(pnlDatabase);
  grid::InstallGridFeatures(*grid_);  // query filter, formulas, cell names, print preview; owned by the grid
  grid_->SetTypedTextCheck(
      [this](int col, int row, const std::string& text) { return TypedTextFits(col, row, text); });
  grid_->setObjectName(QStringLiteral("Grid"));
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pnlDatabase->layout()->addWidget(grid_);
  grid_->SetRowCount(2);
  grid_->SetColCount(2);
  grid_->SetBandsShow(true);
  grid_->setFont(QFont(QStringLiteral("Bitstream Vera Sans Mono"), 9));
  grid_->show();
}

// A name its field has no room for is refused as it is typed; the log says why.
bool TfrmTarnoChannelEdit::TypedTextFits(int col, int row, const std::string& text) {
  if (!dataObject_) return true;
  const std::string refusal = dataObject_->CellTextRefusal(&grid_->Cells(), col, row, text);
  if (!refusal.empty()) Log(refusal);
  return refusal.empty();
}

void TfrmTarnoChannelEdit::ReleaseGrid() {
  history_.reset();
  delete grid_;
  grid_ = nullptr;
}

}  // namespace tarno::window
