#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "FileHome.h"

namespace tarno::window {
namespace {

bool InstallTranslator(QCoreApplication& application, const QLocale& locale, const QString& name,
                       const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace

bool InstallTranslations(QCoreApplication& application, const QLocale& locale, const std::string& programFolder) {
  InstallTranslator(application, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  for (const std::string& folder : {programFolder, InstalledDataFolder(programFolder)})
    if (InstallTranslator(application, locale, QStringLiteral("TarnoChannelEdit"),
                          QString::fromStdString(folder + "translations")))
      return true;
  return false;
}

}  // namespace tarno::window
