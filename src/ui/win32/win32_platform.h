// The platform layer on the Windows API.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace ui::win32 {

class Win32Platform : public Platform {
 public:
  std::unique_ptr<Window> OpenWindow(const PageLayout& layout, WindowEvents& events) override;
  Answer MsgBox(const std::string& prompt, unsigned flags) override;
  void Beep() override;
  void InitCommonControls() override;
  std::string ExecutableDirectory() override;
  void Quit() override;

  // Handles the messages of every window until Quit; gives the exit code.
  int Run();
  // Handles the messages waiting, as Run does, and returns once none is left.
  void ProcessWaitingMessages();

  // Runs a page's handler. An error that the handler lets through is
  // reported in a message box, and the application ends with a failure.
  void RunHandler(const std::function<void()>& handler);
  // Reports an error no handler caught and ends the application; gives the
  // exit code.
  int ReportUncaughtError(const std::string& what);
  bool Failed() const { return failed_; }

  // Kept by the windows: the open pages, the last one the active page.
  void WindowOpened(HWND window);
  void WindowClosed(HWND window);
  // The open page that owns the message boxes, or nullptr.
  HWND ActivePage() const;

 private:
  // Enter on a focused button presses it; Tab, Shift+Tab and the access
  // keys of a page go to the dialog manager.
  void Dispatch(MSG& message);

  std::vector<HWND> pages_;
  bool failed_ = false;
};

}  // namespace ui::win32
