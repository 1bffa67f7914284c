// The settings an archive is read with. An archive of another television family
// than the default settings read (a D-series set, for one) is read with the
// preset from "layouts/" beside the program that fits it, for as long as it is
// the active archive; the user's own settings file is never touched.
#include "FileSystem.h"
#include "SettingsPresets.h"
#include "TarnoChannelEditUnit001.h"
#include "TelevisionArchive.h"

namespace tarno::window {

void TfrmTarnoChannelEdit::UseFittingPreset() {
  iniFileName_ = defaultIniFileName_;
  if (!archive_ || archive_->FileName().empty()) return;
  std::string preset;
  try {
    preset = PresetInsteadOfDefault(defaultIniFileName_, programFolder_ + "layouts",
                                    ArchiveEntries(archive_->FileName()));
  } catch (...) {
    return;  // unreadable settings: the loads report it with the default settings
  }
  if (preset.empty()) return;
  iniFileName_ = preset;
  Log(tr("Settings: layouts/%1 (fits this archive)").arg(QString::fromStdString(BareNameOf(preset))));
}

}  // namespace tarno::window
