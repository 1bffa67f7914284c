// A main window over a temporary program folder holding a copy of the default
// settings file (and a script when the test writes one), with scripted dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <filesystem>
#include <memory>
#include <ostream>

#include "ScriptedDialogs.h"
#include "TarnoChannelEditUnit001.h"
#include "TestFiles.h"
#include "TzebGrid.h"
#include "WrappedCheckBox.h"

// Readable test messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QList<QString>& lines, std::ostream* out) {
  *out << "{ ";
  for (const QString& line : lines) *out << '"' << line.toStdString() << "\" ";
  *out << "}";
}

namespace tarno::window::test {

inline const char* const kSoundScript =
    "function Initialize(var V: Variant): Boolean;\r\nbegin\r\n  Result := True;\r\nend;\r\n";
inline const char* const kSampleArchive = "channel_list_UE46F7000_1201.scm";
inline constexpr int kCableRecordSize = 320;

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(tarno::test::SourcePath("data/TarnoChannelEdit.ini"), dir.File("TarnoChannelEdit.ini"));
    dialogs = std::make_shared<ScriptedDialogs>();
  }
  void TearDown() override { window.reset(); }

  std::string Folder() const { return dir.Path().string() + "/"; }
  std::string ExtractFolder() const { return Folder() + "Extracted/"; }
  void WriteScript(const std::string& text) { tarno::test::WriteFile(dir.File("TarnoChannelEdit.rops"), text); }
  // The script that comes with the default settings, for the conversions they name.
  void WriteDefaultScript() {
    const std::string shipped = tarno::test::SourcePath("data/TarnoChannelEdit.rops");
    WriteScript(std::filesystem::exists(shipped) ? tarno::test::ReadFile(shipped) : std::string(kSoundScript));
  }

  TfrmTarnoChannelEdit& Start() {
    window = std::make_unique<TfrmTarnoChannelEdit>(WindowOptions{Folder(), dialogs, {}});
    window->show();
    return *window;
  }
  // A copy of the sample archive (the archive commands write it back) and a
  // window started with the default script.
  std::string ArchivePath() const { return dir.File("list.scm"); }
  void StartWithArchiveCopy() {
    WriteDefaultScript();
    std::filesystem::copy_file(std::string(TARNO_SAMPLES_DIR) + "/" + kSampleArchive, ArchivePath());
    // The shared samples are read-only; an archive being updated must not be.
    std::filesystem::permissions(ArchivePath(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    Start();
  }
  // The sample archive's files in the extraction folder, as an extraction leaves them.
  void ExtractSampleFiles() {
    std::filesystem::create_directories(ExtractFolder());
    ASSERT_TRUE(tarno::test::ExtractSample(kSampleArchive, ExtractFolder()));
  }

  template <typename T = QWidget>
  T* Control(const char* name) const {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* name) { Control<QAbstractButton>(name)->click(); }
  bool Shown(const char* name) const { return !Control(name)->isHidden(); }
  QString Text(const char* name) const { return Control<QLabel>(name)->text(); }
  void SetChecked(const char* name, bool checked) { Control<WrappedCheckBox>(name)->setChecked(checked); }

  void Load(const std::string& path) {
    dialogs->Answer(path);
    Click("btnLoad");
  }
  // Loads the extracted cable map; a fatal failure when it did not load.
  void LoadCableMap() {
    Load(ExtractFolder() + "map-CableD");
    ASSERT_NE(window->Grid(), nullptr) << window->LogLines().join(QLatin1Char('\n')).toStdString();
  }
  QString LastLog() const {
    const QStringList lines = window->LogLines();
    return lines.isEmpty() ? QString() : lines.back();
  }
  // The grid column captioned "Name".
  int NameColumn() const {
    const auto& cells = window->Grid()->Cells();
    for (int col = 1; col < cells.ColCount(); ++col)
      if (QString::fromStdString(std::string(cells.Text(col, 0))).trimmed() == "Name") return col;
    std::string headers;
    for (int col = 0; col < cells.ColCount(); ++col) headers += "[" + std::string(cells.Text(col, 0)) + "]";
    ADD_FAILURE() << "no Name column in " << headers;
    return 1;
  }
  std::string CellText(int col, int row) const { return std::string(window->Grid()->Cells().Text(col, row)); }

  tarno::test::TempDir dir;
  std::shared_ptr<ScriptedDialogs> dialogs;
  std::unique_ptr<TfrmTarnoChannelEdit> window;
};

// A window started with the default script over the sample archive's files.
class SampleFilesWindow : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    WriteDefaultScript();
    ExtractSampleFiles();
    Start();
  }
};

}  // namespace tarno::window::test
