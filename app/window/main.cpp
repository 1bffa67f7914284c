// TarnoChannelEdit: the channel-list editor's one window and its event loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include "TarnoChannelEditUnit001.h"
#include "Translations.h"

namespace {

// The desktop entry, the icon and the AppStream data share this name; the
// desktop matches the window to its entry by it.
const char* const kDesktopId = "org.tarnochanneledit.TarnoChannelEdit";

// The archive named on the command line (the desktop's "Open with"), if any.
QString ArchiveArgument(const QApplication& application) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Edits the channel lists of Samsung televisions."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("archive"),
                               QCoreApplication::translate("main", "A television archive to open and extract."),
                               QStringLiteral("[ARCHIVE]"));
  parser.process(application);
  const QStringList arguments = parser.positionalArguments();
  return arguments.isEmpty() ? QString() : QFileInfo(arguments.front()).absoluteFilePath();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TarnoChannelEdit"));
  QApplication::setApplicationVersion(QStringLiteral(TARNO_VERSION));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  tarno::window::InstallTranslations(application, QLocale(), QCoreApplication::applicationDirPath().toStdString() + "/");
  const QString archive = ArchiveArgument(application);

  tarno::window::TfrmTarnoChannelEdit frmTarnoChannelEdit;
  frmTarnoChannelEdit.show();
  if (!archive.isEmpty()) frmTarnoChannelEdit.OpenArchiveOnStart(archive.toStdString());
  return QApplication::exec();
}
