// Photographs the main window with a real cable channel map loaded: a copy of
// a sample archive is extracted and "map-CableD" loaded through the window's
// own commands. Usage: window_screenshot shot.png
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "ScriptedDialogs.h"
#include "TarnoChannelEditUnit001.h"
#include "TestFiles.h"

namespace {

const char* const kScript = "function Initialize(var V: Variant): Boolean;\r\nbegin\r\n  Result := True;\r\nend;\r\n";

void PrepareProgramFolder(const tarno::test::TempDir& folder) {
  for (const char* name : {"TarnoChannelEdit.ini", "VeraMono.ttf"})
    std::filesystem::copy_file(std::string(TARNO_BIN_DIR) + "/" + name, folder.File(name));
  const std::string shipped = std::string(TARNO_BIN_DIR) + "/TarnoChannelEdit.rops";
  if (std::filesystem::exists(shipped))
    std::filesystem::copy_file(shipped, folder.File("TarnoChannelEdit.rops"));
  else
    tarno::test::WriteFile(folder.File("TarnoChannelEdit.rops"), kScript);
  std::filesystem::copy_file(std::string(TARNO_SAMPLES_DIR) + "/channel_list_UE46F7000_1201.scm",
                             folder.File("channel_list_UE46F7000_1201.scm"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s shot.png\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const tarno::test::TempDir folder;
  PrepareProgramFolder(folder);

  auto dialogs = std::make_shared<tarno::window::test::ScriptedDialogs>();
  tarno::window::TfrmTarnoChannelEdit window({folder.Path().string() + "/", dialogs});
  window.show();
  dialogs->Answer(folder.File("channel_list_UE46F7000_1201.scm"));
  window.findChild<QWidget*>(QStringLiteral("btnExtract"))->metaObject()->invokeMethod(
      window.findChild<QWidget*>(QStringLiteral("btnExtract")), "click");
  dialogs->Answer(window.ExtractFolder() + "map-CableD");
  window.findChild<QWidget*>(QStringLiteral("btnLoad"))->metaObject()->invokeMethod(
      window.findChild<QWidget*>(QStringLiteral("btnLoad")), "click");

  bool saved = false;
  QTimer::singleShot(500, [&] {
    // Under a real display the whole screen is taken, frame and all.
    const QPixmap shot = QGuiApplication::platformName() == QLatin1String("offscreen")
                             ? window.grab()
                             : window.screen()->grabWindow(0);
    saved = shot.save(QString::fromLocal8Bit(argv[1]));
    QApplication::quit();
  });
  QApplication::exec();
  return saved ? 0 : 1;
}
