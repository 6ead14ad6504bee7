#include "ui/qt/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui::qt {

QString QtTranslationsDirectory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool InstallQtFrench(QTranslator& translator, const QString& directory) {
  if (!translator.load(QStringLiteral("qtbase_fr"), directory)) return false;
  return QCoreApplication::installTranslator(&translator);
}

}  // namespace ui::qt
