// Photographs the main window with a real cable channel map loaded: a copy of
// a sample archive is extracted and "map-CableD" loaded through the window's
// own commands. Usage:
//   window_screenshot shot.png [--archive SAMPLE.scm] [--file ENTRY] [STEP...]
// Each step runs a moment after the one before, so that it can act on a dialog
// the step before opened; the picture is taken after the last step:
//   click:NAME    gives the focus to the button NAME (object name or caption) and clicks it
//   key:KEYS      sends a key such as Ctrl+P or F12 to the focused control
//   type:TEXT     types TEXT into the focused control
//   set:NAME=TEXT puts TEXT into the text box NAME of the dialog in front
//   cell:COL,ROW  makes a grid cell current
//   scroll:ROWS   scrolls the grid by ROWS rows (the mouse wheel's way)
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "TarnoChannelEditUnit001.h"
#include "TestFiles.h"
#include "TzebGrid.h"

namespace {

const char* const kScript = "function Initialize(var V: Variant): Boolean;\r\nbegin\r\n  Result := True;\r\nend;\r\n";
constexpr int kStepDelayMs = 400;
constexpr int kSettleMs = 500;

void PrepareProgramFolder(const tarno::test::TempDir& folder, const std::string& archive) {
  for (const char* name : {"TarnoChannelEdit.ini", "VeraMono.ttf"})
    std::filesystem::copy_file(std::string(TARNO_BIN_DIR) + "/" + name, folder.File(name));
  std::filesystem::copy(std::string(TARNO_BIN_DIR) + "/layouts", folder.File("layouts"));
  const std::string shipped = std::string(TARNO_BIN_DIR) + "/TarnoChannelEdit.rops";
  if (std::filesystem::exists(shipped))
    std::filesystem::copy_file(shipped, folder.File("TarnoChannelEdit.rops"));
  else
    tarno::test::WriteFile(folder.File("TarnoChannelEdit.rops"), kScript);
  std::filesystem::copy_file(std::string(TARNO_SAMPLES_DIR) + "/" + archive, folder.File(archive));
}

QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }

// A widget of the given object name, or a button with that caption, in any window.
template <typename T>
T* Find(const QString& name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    if (auto* named = top->findChild<T*>(name)) return named;
    for (auto* candidate : top->findChildren<T*>())
      if (auto* button = qobject_cast<QAbstractButton*>(candidate); button && Plain(button->text()) == name)
        return candidate;
  }
  return nullptr;
}

// Where a key goes: the focused control of the dialog in front, else of the
// window (without a window manager no window need be active).
QWidget* KeyTarget(QWidget& window) {
  QWidget* front = QApplication::activeModalWidget();
  if (!front) front = &window;
  return front->focusWidget() ? front->focusWidget() : front;
}

void SendKey(QWidget& window, const QString& keys) {
  QWidget* target = KeyTarget(window);
  const QKeyCombination combination = QKeySequence::fromString(keys)[0];
  QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers());
  QCoreApplication::sendEvent(target, &release);
}

void Type(QWidget& window, const QString& text) {
  for (const QChar letter : text) {
    QWidget* target = KeyTarget(window);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QCoreApplication::sendEvent(target, &press);
  }
}

void RunStep(const QString& step, tarno::window::TfrmTarnoChannelEdit& window) {
  const QString what = step.section(QLatin1Char(':'), 0, 0);
  const QString argument = step.section(QLatin1Char(':'), 1);
  if (what == QLatin1String("click")) {
    if (auto* button = Find<QAbstractButton>(argument)) {
      button->setFocus(Qt::MouseFocusReason);
      button->click();
    }
  } else if (what == QLatin1String("key")) {
    SendKey(window, argument);
  } else if (what == QLatin1String("type")) {
    Type(window, argument);
  } else if (what == QLatin1String("set")) {
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    const QString text = argument.section(QLatin1Char('='), 1);
    if (auto* line = Find<QLineEdit>(name)) line->setText(text);
    else if (auto* memo = Find<QPlainTextEdit>(name)) memo->setPlainText(text);
  } else if (what == QLatin1String("cell") && window.Grid()) {
    window.Grid()->SetCol(argument.section(QLatin1Char(','), 0, 0).toInt());
    window.Grid()->SetRow(argument.section(QLatin1Char(','), 1).toInt());
  } else if (what == QLatin1String("scroll") && window.Grid()) {
    QScrollBar* bar = window.Grid()->verticalScrollBar();
    bar->setValue(bar->value() + argument.toInt());
  } else {
    std::fprintf(stderr, "unknown step %s\n", qPrintable(step));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s shot.png [--archive SAMPLE.scm] [--file ENTRY] [STEP...]\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::string archive = "channel_list_UE46F7000_1201.scm";
  std::string entry = "map-CableD";
  QStringList steps;
  for (int i = 2; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--archive" && i + 1 < argc) archive = argv[++i];
    else if (word == "--file" && i + 1 < argc) entry = argv[++i];
    else steps << QString::fromLocal8Bit(argv[i]);
  }
  const tarno::test::TempDir folder;
  PrepareProgramFolder(folder, archive);

  auto dialogs = std::make_shared<tarno::window::test::ScriptedDialogs>();
  tarno::window::TfrmTarnoChannelEdit window({folder.Path().string() + "/", dialogs, {}});
  window.show();
  window.activateWindow();
  dialogs->Answer(folder.File(archive));
  window.findChild<QAbstractButton*>(QStringLiteral("btnExtract"))->click();
  dialogs->Answer(window.ExtractFolder() + entry);
  window.findChild<QAbstractButton*>(QStringLiteral("btnLoad"))->click();

  for (qsizetype i = 0; i < steps.size(); ++i)
    QTimer::singleShot(kSettleMs + kStepDelayMs * static_cast<int>(i), [&window, step = steps[i]] { RunStep(step, window); });
  bool saved = false;
  QTimer::singleShot(kSettleMs + kStepDelayMs * static_cast<int>(steps.size()), [&] {
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
