// Qt's own texts (the buttons of questions, the folder picker, the edit boxes'
// context menus) in Japanese like the rest of the program, whatever the locale.
#pragma once

class QCoreApplication;

namespace nalo {

// Installs Qt's Japanese translations (Debian's qt6-translations-l10n) on `app`.
// False when they are not installed; Qt's texts then stay English.
bool InstallQtJapanese(QCoreApplication& app);

}  // namespace nalo
