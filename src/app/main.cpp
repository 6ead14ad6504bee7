// Zantrel Velquist Creator: a wizard that prepares an automatic Internet
// update system for a program of its user's.
#include <QApplication>

#include <exception>

#include "app/wizard.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ui::qt::QtPlatform platform;
  app::Wizard wizard(platform);
  try {
    wizard.Start();
  } catch (const std::exception& error) {
    return platform.ReportUncaughtError(error.what());
  }
  return QApplication::exec();
}
