// The platform layer on Qt 6 Widgets.
#pragma once

#include <QPointer>
#include <QTranslator>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace ui::qt {

class QtPlatform : public Platform {
 public:
  // Needs a QApplication; gives it the dialog font, the program's icon and
  // Qt's French texts.
  QtPlatform();

  std::unique_ptr<Window> OpenWindow(const PageLayout& layout, WindowEvents& events) override;
  Answer MsgBox(const std::string& prompt, unsigned flags) override;
  void Beep() override;
  void InitCommonControls() override;
  std::string ExecutableDirectory() override;
  void Quit() override;

  // Runs a page's handler. An error that the handler lets through is
  // reported in a message box, and the application ends with a failure.
  void RunHandler(const std::function<void()>& handler);
  // Reports an error no handler caught and ends the application; gives the
  // exit code.
  int ReportUncaughtError(const std::string& what);

 private:
  // The page window opened last that is still shown, or none.
  QWidget* OpenPage() const;

  bool failed_ = false;
  std::vector<QPointer<QWidget>> pages_;
  QTranslator qtTranslation_;
};

}  // namespace ui::qt
