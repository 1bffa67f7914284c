// The settings an archive is read with. An archive of another television family
// than the default settings read (a D-series set, for one) is read with the
// preset from "layouts/" beside the program that fits it, for as long as it is
// the active archive; the user's own settings file is never touched. Entries
// no section of those settings reads are named: their bytes stay as they are.
#include "FileSystem.h"
#include "SettingsPresets.h"
#include "TarnoChannelEditUnit001.h"
#include "TelevisionArchive.h"

namespace tarno::window {

void TfrmTarnoChannelEdit::UseFittingPreset() {
  iniFileName_ = defaultIniFileName_;
  if (!archive_ || archive_->FileName().empty()) return;
  std::vector<std::string> unread;
  try {
    const std::vector<ArchiveEntry> entries = ArchiveEntries(archive_->FileName());
    const std::string preset = PresetInsteadOfDefault(defaultIniFileName_, programFolder_ + "layouts", entries);
    if (!preset.empty()) iniFileName_ = preset;
    unread = UnreadEntries(iniFileName_, entries);
  } catch (...) {
    return;  // unreadable settings: the loads report it with the default settings
  }
  if (iniFileName_ != defaultIniFileName_)
    Log(tr("Settings: layouts/%1 (fits this archive)").arg(QString::fromStdString(BareNameOf(iniFileName_))));
  for (const std::string& name : unread)
    Log(tr("No layout for %1: its bytes are kept").arg(QString::fromStdString(name)));
}

}  // namespace tarno::window
