// Zantrel Velquist Creator: a wizard that prepares an automatic Internet
// update system for a program of its user's. Given arguments, it works from
// its command line instead, with no window and no display.
#include <QApplication>

#include <unistd.h>

#include <exception>
#include <string>
#include <vector>

#include "app/standard_streams_posix.h"
#include "app/wizard.h"
#include "cli/run_command_line.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char* argv[]) {
  // In the wizard too: a file-size limit fails the kit with its message.
  app::TurnWriteSignalsIntoErrors();
  if (argc > 1) {
    app::DescriptorOutput out(STDOUT_FILENO), err(STDERR_FILENO);
    return cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), out, err);
  }

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
