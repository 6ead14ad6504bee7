// Qt's own French texts: the context menus of the fields and the combo box,
// and every other text that Qt draws itself.
#pragma once

#include <QString>

class QTranslator;

namespace ui::qt {

// Where Qt's translations are installed (Debian: qt6-translations-l10n).
QString QtTranslationsDirectory();

// Loads Qt's French translation from `directory` into `translator` and
// installs it in the application. Without the file Qt's texts stay English
// and the program runs on; gives whether the translation was installed.
bool InstallQtFrench(QTranslator& translator, const QString& directory);

}  // namespace ui::qt
