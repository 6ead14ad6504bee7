#include "ui/win32/win32_window.h"

#include <stdexcept>

#include "ui/win32/dpi.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_platform.h"

namespace ui::win32 {
namespace {

constexpr const wchar_t* kPageClass = L"ZantrelVelquistPage";

void RegisterPageClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPageClass;
    if (!RegisterClassExW(&windowClass)) throw std::runtime_error("la classe des fenêtres n'a pu être enregistrée");
    return true;
  }();
  (void)registered;
}

// Where a window of this size, frame included, is centred in the work area
// of the primary screen, as Qt centres.
POINT CentredOrigin(SIZE frame) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  return POINT{area.left + (area.right - area.left - frame.cx) / 2, area.top + (area.bottom - area.top - frame.cy) / 2};
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

Win32Window::Win32Window(const PageLayout& layout, WindowEvents& events, Win32Platform& platform)
    : layout_(layout), events_(events), platform_(platform) {
  // The window is made at its size and place for the DPI it will most likely
  // have, the primary screen's; a PNG logo, the longest part of the start,
  // is decoded meanwhile.
  const UINT dpi = SystemDpi();
  std::unique_ptr<PictureInAdvance> logo;
  for (const auto& control : layout_.controls) {
    if (control.picture == Picture::Logo && IsDecoded(Picture::Logo, dpi)) {
      logo = std::make_unique<PictureInAdvance>(Picture::Logo, dpi);
    }
  }
  RegisterPageClass(&Win32Window::Procedure);
  const SIZE size = PageControls::WindowSize(layout_, dpi);
  const POINT origin = CentredOrigin(size);
  window_ = CreateWindowExW(0, kPageClass, Wide(layout_.caption).c_str(), PageControls::kWindowStyle, origin.x,
                            origin.y, size.cx, size.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw std::runtime_error("la fenêtre n'a pu être créée");
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  platform_.WindowOpened(window_);
  try {
    controls_ = std::make_unique<PageControls>(window_, layout_, static_cast<FieldFilters&>(*this), WindowDpi(window_),
                                               std::move(logo));
  } catch (...) {
    platform_.WindowClosed(window_);
    DestroyWindow(window_);
    throw;
  }
  // Sized again for the DPI of another screen: centred again.
  if (controls_->Dpi() != dpi) CentreOnScreen();
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(layout_.FirstFocusable());
  controls_->AddToolTips();
}

Win32Window::~Win32Window() {
  *open_ = false;
  platform_.WindowClosed(window_);
  // Late messages, sent while the window goes, reach no page.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void Win32Window::CentreOnScreen() {
  RECT frame{};
  GetWindowRect(window_, &frame);
  const POINT origin = CentredOrigin(SIZE{frame.right - frame.left, frame.bottom - frame.top});
  SetWindowPos(window_, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Before its controls exist, the window is the system's alone.
  if (!self || !self->controls_) return DefWindowProcW(window, message, wParam, lParam);
  // A handler may destroy the window and this object: nothing is touched
  // after it returns.
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Only a button's click is an event.
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        const auto id = static_cast<ControlId>(LOWORD(wParam) - PageControls::Identifier(ControlId{}));
        if (controls_->IsButton(id)) Deliver([&events = events_, id] { events.OnClick(id); });
        return 0;
      }
      break;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window_, &paint);
      controls_->PaintPictures(dc, paint.rcPaint);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_CLOSE:
      // The page decides, and destroys the window when it closes.
      Deliver([&events = events_] { events.OnCloseRequested(); });
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to the control that had it, as in a dialog.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ && IsWindow(lastFocus_)) {
        ::SetFocus(lastFocus_);
      }
      return 0;
    case WM_SETFOCUS:
      if (lastFocus_ && IsWindow(lastFocus_)) ::SetFocus(lastFocus_);
      return 0;
    case WM_DPICHANGED: {
      controls_->Place(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

bool Win32Window::FilterKey(ControlId field, char16_t& code) {
  // Discarded unless the page's filter ran to its end.
  const char16_t typed = code;
  code = 0;
  const std::shared_ptr<bool> open = open_;  // this object may go with the window
  if (!*open) return false;
  platform_.RunHandler([&] {
    char16_t filtered = typed;
    events_.OnKeyPress(field, filtered);
    code = filtered;
  });
  return *open;
}

bool Win32Window::FilterInsertion(ControlId field, std::u16string& text) {
  // Text the page could not filter is not inserted.
  std::u16string inserted = text;
  text.clear();
  const std::shared_ptr<bool> open = open_;
  if (!*open) return false;
  platform_.RunHandler([&] {
    events_.OnInsertText(field, inserted);
    text = inserted;
  });
  return *open;
}

void Win32Window::Deliver(const std::function<void()>& event) {
  if (*open_) platform_.RunHandler(event);
}

std::string Win32Window::Text(ControlId control) const { return Narrow(WindowText(Control(control))); }

void Win32Window::SetText(ControlId control, const std::string& text) {
  SetWindowTextW(Control(control), Wide(text).c_str());
}

void Win32Window::AddItem(ControlId combo, const std::string& entry) {
  const std::wstring wide = Wide(entry);
  SendMessageW(Control(combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32Window::SetListIndex(ControlId combo, int index) {
  SendMessageW(Control(combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32Window::SetFocus(ControlId control) {
  HWND child = Control(control);
  lastFocus_ = child;
  ::SetFocus(child);
  // The combo box hands the focus to its edit.
  if (GetFocus() && IsChild(window_, GetFocus())) lastFocus_ = GetFocus();
}

}  // namespace ui::win32
