// Once the platform is set up, Qt's own texts read in French (the program
// runs on with English ones when the translation is missing), and the
// windows name the program's desktop entry.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

#include "ui/qt/qt_platform.h"
#include "ui/qt/translation.h"

namespace {

QStringList ContextMenuTexts() {
  QLineEdit edit;
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList texts;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().split(QLatin1Char('\t')).front();
  }
  return texts;
}

const QStringList kEnglish = {QStringLiteral("&Undo"), QStringLiteral("&Redo"),   QStringLiteral("Cu&t"),
                              QStringLiteral("&Copy"), QStringLiteral("&Paste"),  QStringLiteral("Delete"),
                              QStringLiteral("Select All")};

TEST(TranslationTest, TheFieldsContextMenuReadsInFrench) {
  ui::qt::QtPlatform platform;
  const QStringList texts = ContextMenuTexts();
  ASSERT_EQ(texts.size(), kEnglish.size()) << texts.join(QLatin1Char('|')).toStdString();
  for (const QString& english : kEnglish) EXPECT_FALSE(texts.contains(english)) << english.toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("Tout sélectionner"))) << texts.join(QLatin1Char('|')).toStdString();
}

TEST(TranslationTest, WithoutTheTranslationFileQtKeepsItsEnglishTexts) {
  QTemporaryDir empty;
  QTranslator translator;
  EXPECT_FALSE(ui::qt::InstallQtFrench(translator, empty.path()));
  EXPECT_EQ(ContextMenuTexts(), kEnglish);
}

TEST(DesktopEntryTest, TheWindowsNameTheProgramsDesktopEntry) {
  ui::qt::QtPlatform platform;
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("zantrel-velquist-creator"));
}

}  // namespace
