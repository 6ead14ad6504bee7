// A page window: the window of the page's layout, its controls made and
// placed by PageControls, and its procedure, which turns the system's
// messages into the page's events.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/platform.h"
#include "ui/win32/control_subclasses.h"
#include "ui/win32/page_controls.h"

namespace ui::win32 {

class Win32Platform;

class Win32Window : public Window, private FieldFilters {
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

  // The window, each control's window (nullptr for a picture), the pictures,
  // the tooltip window and each control's tool there, for the tests.
  HWND Handle() const { return window_; }
  HWND Control(ControlId control) const { return controls_->Control(control); }
  const PagePictures& Pictures() const { return controls_->Pictures(); }
  HWND ToolTips() const { return controls_->ToolTips(); }
  UINT_PTR ToolId(ControlId control) const { return controls_->ToolId(control); }
  UINT Dpi() const { return controls_->Dpi(); }

  // The identifier of a control's window.
  static int ControlIdentifier(ControlId control) { return PageControls::Identifier(control); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool FilterKey(ControlId field, char16_t& code) override;
  bool FilterInsertion(ControlId field, std::u16string& text) override;
  void CentreOnScreen();
  // Runs a page event while the window is open; errors go to the platform.
  void Deliver(const std::function<void()>& event);

  PageLayout layout_;
  WindowEvents& events_;
  Win32Platform& platform_;
  HWND window_ = nullptr;
  std::unique_ptr<PageControls> controls_;
  // The control that had the focus when the window was last deactivated.
  HWND lastFocus_ = nullptr;
  // Cleared when the window closes: a handler may close it while a control
  // procedure is still on the stack.
  std::shared_ptr<bool> open_ = std::make_shared<bool>(true);
};

}  // namespace ui::win32
