// The channel-list commands of the button panel: "Export CSV…", "Import CSV…",
// "Apply reference list…" and "Remove duplicates". Each changes the grid and
// its records in one call, or, when its file does not fit, nothing at all.
#include <QPushButton>

#include "ChannelListFiles.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"
#include "WaitCursor.h"

namespace tarno::window {
namespace {

const char* const kCsvFilter = QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "CSV files|*.csv|All files|*.*");
const char* const kReferenceFilter =
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Television files|*.*|CSV files|*.csv|All files|*.*");

}  // namespace

void TfrmTarnoChannelEdit::CreateChannelListButtons() {
  btnExportCsv = AddButton("btnExportCsv", tr("Export CSV…"), {505, 106, 116, 25},
                           tr("Save the visible columns as a CSV file for a spreadsheet; column \"#\" is "
                              "the record number."),
                           true);
  btnImportCsv = AddButton("btnImportCsv", tr("Import CSV…"), {505, 131, 116, 25},
                           tr("Take the rows of a CSV file exported before: its row order and the "
                              "columns it has."),
                           true);
  btnApplyReference =
      AddButton("btnApplyReference", tr("Apply reference list…"), {627, 106, 137, 25},
                tr("Number the channels as another channel list of the same kind (or its CSV) numbers "
                   "them; channels it does not have follow its highest number."),
                true);
  btnRemoveDuplicates =
      AddButton("btnRemoveDuplicates", tr("Remove duplicates"), {627, 131, 137, 25},
                tr("Clear every channel of the same service but the one with the lowest number."), true);
}

bool TfrmTarnoChannelEdit::RequireLoadedGrid() {
  if (dataObject_ && grid_) return true;
  Log(tr("Nothing loaded"));
  return false;
}

void TfrmTarnoChannelEdit::btnExportCsvClick() {
  if (!RequireLoadedGrid()) return;
  const auto path =
      dialogs_->SaveFile({tr("Export CSV").toStdString(), tr(kCsvFilter).toStdString(), extractFolder_,
                          extractFolder_ + loadedFileName_ + ".csv", false});
  if (!path) return;
  ExportCsvFile(*dataObject_, grid_->Cells(), *path, [this](const std::string& line) { Log(line); });
}

void TfrmTarnoChannelEdit::btnImportCsvClick() {
  if (!RequireLoadedGrid()) return;
  const auto path =
      dialogs_->OpenFile({tr("Import CSV").toStdString(), tr(kCsvFilter).toStdString(), extractFolder_, "", true});
  if (!path) return;
  const WaitCursor wait;
  ImportCsvFile(*dataObject_, grid_->Cells(), *path, [this](const std::string& line) { Log(line); });
}

void TfrmTarnoChannelEdit::btnApplyReferenceClick() {
  if (!RequireLoadedGrid()) return;
  const auto path = dialogs_->OpenFile({tr("Select the reference list").toStdString(),
                                        tr(kReferenceFilter).toStdString(), extractFolder_, "", true});
  if (!path) return;
  const WaitCursor wait;
  ApplyReferenceFile(iniFileName_, *dataObject_, grid_->Cells(), *path,
                     [this](const std::string& line) { Log(line); });
}

void TfrmTarnoChannelEdit::btnRemoveDuplicatesClick() {
  if (!RequireLoadedGrid()) return;
  const WaitCursor wait;
  RemoveDuplicateChannels(*dataObject_, grid_->Cells(), [this](const std::string& line) { Log(line); });
}

}  // namespace tarno::window
