#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>


#include "ui/qt/accessible_interfaces.h"
#include "ui/qt/dialog_font.h"
#include "ui/qt/message_box.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_window.h"
#include "ui/qt/translation.h"
#include "kit/system_failure.h"
#include "ui/themes_xp.h"
#include "ui/uncaught_error.h"

namespace ui::qt {

QtPlatform::QtPlatform() {
  QApplication::setFont(DialogFont());
  QApplication::setWindowIcon(ApplicationIcon());
  QApplication::setApplicationName(kApplicationTitle);
  // Lets the desktop match the windows with the program's menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("zantrel-velquist-creator"));
  InstallQtFrench(qtTranslation_, QtTranslationsDirectory());
  InstallAccessibleInterfaces();
  // The wizard ends when its last page closes, not when Qt counts no window.
  QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<Window> QtPlatform::OpenWindow(const PageLayout& layout, WindowEvents& events) {
  auto window = std::make_unique<QtWindow>(layout, events, *this);
  std::erase_if(pages_, [](const QPointer<QWidget>& page) { return page.isNull(); });
  pages_.emplace_back(window->TopLevel());
  return window;
}

QWidget* QtPlatform::OpenPage() const {
  for (auto page = pages_.rbegin(); page != pages_.rend(); ++page) {
    if (*page && (*page)->isVisible()) return *page;
  }
  return nullptr;
}

Answer QtPlatform::MsgBox(const std::string& prompt, unsigned flags) {
  return ShowMessageBox(prompt, flags, OpenPage());
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::InitCommonControls() { ThèmesXP::InitCommonControls(); }

// Found as the command line finds it, without asking Qt.
std::string QtPlatform::ExecutableDirectory() {
  return kit::ValueOrThrow(kit::RealSystem().ExecutableDirectory());
}

void QtPlatform::Quit() { QCoreApplication::exit(0); }

void QtPlatform::RunHandler(const std::function<void()>& handler) {
  if (!failed_) RunReportingErrors(handler, [this](const std::string& what) { ReportUncaughtError(what); });
}

int QtPlatform::ReportUncaughtError(const std::string& what) {
  constexpr int kExitCode = 1;
  failed_ = true;
  ShowMessageBox(UncaughtErrorMessage(what), mb::kIconError | mb::kOk | mb::kSetForeground, OpenPage());
  QCoreApplication::exit(kExitCode);
  return kExitCode;
}

}  // namespace ui::qt
