// "Load", "Save" and "Save as ...": a television file into a fresh grid, and
// the grid back into the file.
#include <QLabel>
#include <QLayout>

#include "ChannelDocument.h"
#include "EditHistory.h"
#include "ExtractionRecord.h"
#include "FlagDisplay.h"
#include "GridFeatures.h"
#include "GridRecords.h"
#include "ListCheck.h"
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

// The list on show stays until the new one has been read; one that cannot be
// read leaves nothing loaded. Every other open list closes with it.
void TfrmTarnoChannelEdit::LoadFile(const std::string& path) {
  const WaitCursor wait;
  auto document = NewDocument(path);
  const LogSink log = [this](const std::string& line) { Log(line); };
  bool read = false;
  try {
    read = document->ReadFile(log);
  } catch (...) {
    CloseLists();
    ShowListTabs();
    throw;
  }
  CloseLists();
  if (read) OpenDocument(std::move(document));
  bool filled = false;
  try {
    filled = read && Document()->FillCells(log);
  } catch (...) {
    CloseLists();  // a grid filled half way is no file to edit
    ShowListTabs();
    throw;
  }
  if (!filled) {
    CloseLists();
    ShowNothingLoaded();
    ShowListTabs();
    return;
  }
  ShowFilledList();
  ShowListTabs();
}

std::unique_ptr<editing::ChannelDocument> TfrmTarnoChannelEdit::NewDocument(const std::string& path) {
  auto document = std::make_unique<editing::ChannelDocument>(iniFileName_, path);
  triedFileName_ = document->FileName();
  document->State() = EditorStateNow();
  document->State().SelectionEndRow = 0;
  document->State().FavouritesView = 0;
  SetCaption(tr("File '%1' loading ...").arg(QString::fromStdString(document->FileName())));
  return document;
}

void TfrmTarnoChannelEdit::ShowFilledList() {
  ShowFlagsAtAGlance();
  ShowListLoaded();
  Grid()->setFocus();
}

void TfrmTarnoChannelEdit::ShowListLoaded() {
  SetLabelText(txtLoadedFile, tr("File '%1' loaded").arg(QString::fromStdString(LoadedFileName())));
  SetCaption(txtLoadedFile->text());
}

// The grid is made over the document's cells before they are filled, so
// that their widths are measured in the grid's font. It takes the place of
// the grid on show.
void TfrmTarnoChannelEdit::OpenDocument(std::unique_ptr<editing::ChannelDocument> document) {
  if (Grid()) Grid()->hide();
  OpenList list;
  list.grid = CreateGrid(document->Cells());
  list.samePath = AbsoluteArchivePath(document->Path());
  list.document = std::move(document);
  lists_.push_back(std::move(list));
  activeList_ = lists_.size() - 1;
}

void TfrmTarnoChannelEdit::CloseNewestList(size_t shownBefore) {
  if (lists_.empty()) return;
  idleEditorState_ = lists_.back().document->State();
  delete lists_.back().grid;
  lists_.pop_back();
  activeList_ = std::min(shownBefore, lists_.size());
  if (Grid()) {
    Grid()->show();
    ShowListLoaded();
  } else {
    ShowNothingLoaded();
  }
}

void TfrmTarnoChannelEdit::CloseLists() {
  for (OpenList& list : lists_) {
    idleEditorState_ = list.document->State();
    delete list.grid;  // before the cells it shows
  }
  lists_.clear();
  activeList_ = 0;
}

editing::ChannelDocument* TfrmTarnoChannelEdit::Document() const {
  return activeList_ < lists_.size() ? lists_[activeList_].document.get() : nullptr;
}

TzebGrid* TfrmTarnoChannelEdit::Grid() const {
  return activeList_ < lists_.size() ? lists_[activeList_].grid : nullptr;
}

TDataObject* TfrmTarnoChannelEdit::DataObject() const {
  editing::ChannelDocument* document = Document();
  return document && document->HasData() ? &document->Data() : nullptr;
}

std::string TfrmTarnoChannelEdit::LoadedFileName() const {
  return Document() ? Document()->FileName() : triedFileName_;
}
std::string TfrmTarnoChannelEdit::LoadedFilePath() const { return Document() ? Document()->Path() : ""; }

const editing::EditorState& TfrmTarnoChannelEdit::EditorStateNow() const {
  return Document() ? Document()->State() : idleEditorState_;
}

void TfrmTarnoChannelEdit::btnSaveClick(bool saveAs) { SaveGrid(saveAs); }

// Save writes the file back where it was loaded from; only "Save as ..."
// puts a file loaded from elsewhere into the extraction folder (its archive).
bool TfrmTarnoChannelEdit::SaveGrid(bool saveAs) {
  editing::ChannelDocument* document = Document();
  if (!document) {
    Log(tr("Nothing loaded"));
    return false;
  }
  if (!ConfirmSavingProblems(*document)) return false;
  const LogSink log = [this](const std::string& line) { Log(line); };
  if (!document->TakeCellsBack(chkOriginalRecord->isChecked(), log)) {
    ExplainDataError(*document);
    return false;
  }
  std::string path = document->Path();
  if (saveAs) {
    const auto chosen = dialogs_->SaveFile({"", "", "", extractFolder_ + document->FileName(), false});
    if (!chosen) return false;
    path = *chosen;
  }
  const WaitCursor wait;
  return document->WriteRecords(path, chkUpdateCrc->isChecked(), log);
}

// Numbers the set would reshuffle or refuse are shown before saving; No goes
// back to the grid at the first problem's row.
bool TfrmTarnoChannelEdit::ConfirmSavingProblems(editing::ChannelDocument& document) {
  constexpr size_t kProblemsShown = 5;
  const std::vector<editing::ListProblem> problems = editing::CheckList(document.Data(), document.Cells());
  if (problems.empty()) return true;
  QStringList lines;
  for (size_t i = 0; i < std::min(problems.size(), kProblemsShown); ++i)
    lines << QString::fromStdString(problems[i].text);
  if (problems.size() > kProblemsShown) lines << QStringLiteral("…");
  const QString question =
      tr("The list has %1 problems:\n%2\nSave anyway?").arg(problems.size()).arg(lines.join(QLatin1Char('\n')));
  if (dialogs_->Ask({question.toStdString(), Captions({tr("Save anyway"), tr("Back to the list")})}) == 0) return true;
  document.Cells().SetRow(problems.front().row);
  FocusGrid();
  return false;
}

// "Error in data" alone does not say what to do: the usual cause is a row or
// column the grid's keys inserted or deleted.
void TfrmTarnoChannelEdit::ExplainDataError(const editing::ChannelDocument& document) {
  if (editing::GridShowsRecords(document.Data(), document.Cells())) return;
  dialogs_->ShowError(tr("Error in data: the grid no longer has one row per record and one column per field. A row "
                         "or column was inserted or deleted with the grid's keys; Ctrl+Z takes it back.")
                          .toStdString());
}

// Flags read as marks, favourites bits as list numbers; the texts stay.
void TfrmTarnoChannelEdit::ShowFlagsAtAGlance() {
  auto flags = std::make_shared<editing::FlagDisplay>(Document()->Data().Items);
  if (flags->Empty()) return;
  Grid()->SetShownText([flags](int col, std::string_view text) { return flags->Shown(col, text); });
}

// A fresh grid for every list, filling the grid panel.
TzebGrid* TfrmTarnoChannelEdit::CreateGrid(grid::CellStore& cells) {
  auto* grid = new TzebGrid(pnlDatabase, &cells);
  grid::InstallGridFeatures(*grid);  // query filter, formulas, cell names, print preview; owned by the grid
  grid->SetTypedTextCheck(
      [this](int col, int row, const std::string& text) { return TypedTextFits(col, row, text); });
  grid->setObjectName(QStringLiteral("Grid"));
  grid->SetAfterRowsDragged([this] { KeepFavouritesViewInOrder(); });
  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid, &QWidget::customContextMenuRequested, this, &TfrmTarnoChannelEdit::ShowGridMenu);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pnlDatabase->layout()->addWidget(grid);
  grid->SetRowCount(2);
  grid->SetColCount(2);
  grid->SetBandsShow(true);
  grid->setFont(QFont(QStringLiteral("Bitstream Vera Sans Mono"), 9));
  grid->show();
  return grid;
}

// A name its field has no room for is refused as it is typed; the log says why.
bool TfrmTarnoChannelEdit::TypedTextFits(int col, int row, const std::string& text) {
  TDataObject* records = DataObject();
  if (!records) return true;
  const std::string refusal = records->CellTextRefusal(&Grid()->Cells(), col, row, text);
  if (!refusal.empty()) Log(refusal);
  return refusal.empty();
}

}  // namespace tarno::window
