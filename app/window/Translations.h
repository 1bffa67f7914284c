// The interface in the user's language: Qt's own texts (standard buttons,
// file dialogs) from Qt's translations, ours from the .qm files in
// translations/ beside the program or among an installed program's shipped files.
#pragma once

#include <string>

class QCoreApplication;
class QLocale;

namespace tarno::window {

// Installs the translators that exist for locale; true when ours was found.
// English needs none: the texts in the code are English.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale, const std::string& programFolder);

}  // namespace tarno::window
