// The debugging commands: the text dump out and in, the read/write test over
// the extraction folder and the synthetic cable PTC table.
#include "Diagnostics.h"
#include "TarnoChannelEditUnit001.h"
#include "TarnoChannelEditUnit002.h"
#include "TzebGrid.h"
#include "WrappedCheckBox.h"

namespace tarno::window {

void TfrmTarnoChannelEdit::btnExportClick() {
  TDataObject* dataObject = DataObject();
  if (!dataObject) {
    Log(tr("Nothing loaded"));
    return;
  }
  const auto path = dialogs_->SaveFile({"", "", "", extractFolder_ + LoadedFileName(), false});
  if (!path) return;
  // The records as they are: cell texts not yet saved are not in the dump.
  Log(dataObject->ExportToText(*path, chkUpdateCrc->isChecked()) ? "Data exported as " + *path
                                                                   : std::string("Data export failed"));
}

void TfrmTarnoChannelEdit::btnImportClick() {
  TDataObject* dataObject = DataObject();
  if (!dataObject) {
    Log(tr("Nothing loaded"));
    return;
  }
  const auto path = dialogs_->OpenFile({"", "", "", extractFolder_ + LoadedFileName(), false});
  if (!path) return;
  if (!dataObject->ImportFromText(*path)) {
    Log("Data import failed: " + dataObject->ImportError);
    return;
  }
  dataObject->FillGrid(&Grid()->Cells());
  Grid()->Cells().NoteContentChange();  // an import counts as an edit even when it brought the same records
  Log("Data imported from " + *path);
}

void TfrmTarnoChannelEdit::btnReadWriteClick() {
  RunReadWriteTest(iniFileName_, extractFolder_, chkUpdateCrc->isChecked(),
                   [this](const std::string& line) { Log(line); });
}

void TfrmTarnoChannelEdit::btnPtcCableClick() {
  const auto path = dialogs_->SaveFile({"", "", "", "", false});
  if (!path) return;
  GeneratePtcCableFile(*path, [this](const std::string& line) { Log(line); });
}

}  // namespace tarno::window
