// Zantrel Velquist Creator on Windows: the same wizard on the window layer
// of the Windows API.
#include <windows.h>

#include <exception>

#include "app/wizard.h"
#include "ui/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::win32::Win32Platform platform;
  app::Wizard wizard(platform);
  try {
    wizard.Start();
  } catch (const std::exception& error) {
    return platform.ReportUncaughtError(error.what());
  }
  return platform.Run();
}
