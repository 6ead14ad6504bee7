// A page window built with the system's controls from the page's layout.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/platform.h"

namespace ui::win32 {

class Win32Platform;

class Win32Window : public Window {
 public:
  Win32Window(const PageLayout& layout, WindowEvents& events, Win32Platform& platform);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  std::string Text(ControlId control) const override;
  void SetText(ControlId control, const std::string& text) override;
  void AddItem(ControlId combo, const std::string& entry) override;
  void SetListIndex(ControlId combo, int index) override;
  void SetFocus(ControlId control) override;

  // The window, each control's window and the tooltip window, for the tests.
  HWND Handle() const { return window_; }
  HWND Control(ControlId control) const { return controls_.at(control); }
  HWND ToolTips() const { return toolTips_; }
  UINT Dpi() const { return dpi_; }

  // The identifier of a control's window.
  static int ControlIdentifier(ControlId control);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Build(const ControlLayout& control);
  void AddToolTip(HWND control, const std::string& text);
  // Sizes and places the window's client area, the controls, their font and
  // pictures from the layout at this DPI.
  void Place(UINT dpi);
  void PlacePictures();
  void CentreOnScreen();
  // Runs a page event while the window is open; errors go to the platform.
  void Deliver(const std::function<void()>& event);

  PageLayout layout_;
  WindowEvents& events_;
  Win32Platform& platform_;
  HWND window_ = nullptr;
  HWND toolTips_ = nullptr;
  std::map<ControlId, HWND> controls_;
  std::vector<HWND> hooked_;
  UINT dpi_ = 96;
  HFONT font_ = nullptr;
  std::vector<HGDIOBJ> pictures_;
  std::vector<HICON> icons_;
  // The control that had the focus when the window was last deactivated.
  HWND lastFocus_ = nullptr;
  // Cleared when the window closes: a handler may close it while a control
  // procedure is still on the stack.
  std::shared_ptr<bool> open_ = std::make_shared<bool>(true);
};

}  // namespace ui::win32
