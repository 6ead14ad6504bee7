#include "ui/win32/win32_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/dialog_font.h"
#include "ui/win32/dpi.h"
#include "ui/win32/page_controls.h"
#include "ui/win32/pictures.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_platform.h"

namespace ui::win32 {
namespace {

constexpr const wchar_t* kPageClass = L"ZantrelVelquistPage";
// A fixed border, a caption with the system menu and its close control.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Identifiers start above IDOK and IDCANCEL, which the dialog manager sends
// for Enter and Escape: no control answers them, so Escape does nothing.
constexpr int kFirstIdentifier = 100;

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

int Scaled(int twips, UINT dpi) { return TwipsToPixels(twips, static_cast<int>(dpi)); }

HWND Child(HWND parent, DWORD extendedStyle, const wchar_t* windowClass, DWORD style, int identifier) {
  HWND child = CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), GetModuleHandleW(nullptr),
                               nullptr);
  if (!child) throw std::runtime_error("un contrôle de la fenêtre n'a pu être créé");
  return child;
}

HWND ComboEdit(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

int WindowHeight(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

// A combo box's closed height follows the height of its selection field,
// which the system reads back with an offset of its own: set the field
// once to learn the offset, then to the height wanted.
void SetClosedHeight(HWND combo, int height) {
  const auto field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  const int offset = WindowHeight(combo) - field;
  if (height - offset > 0) SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - offset);
}

// Labels and pictures come after the controls that take the focus: the
// order of creation is the order of Tab.
std::vector<const ControlLayout*> CreationOrder(const PageLayout& layout) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout* control : layout.InTabOrder()) {
    if (control->kind != ControlKind::Label) order.push_back(control);
  }
  for (const auto& control : layout.controls) {
    if (control.kind == ControlKind::Label || !control.tabIndex) order.push_back(&control);
  }
  return order;
}

}  // namespace

int Win32Window::ControlIdentifier(ControlId control) { return kFirstIdentifier + static_cast<int>(control); }

Win32Window::Win32Window(const PageLayout& layout, WindowEvents& events, Win32Platform& platform)
    : layout_(layout), events_(events), platform_(platform) {
  RegisterPageClass(&Win32Window::Procedure);
  window_ = CreateWindowExW(0, kPageClass, Wide(layout_.caption).c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw std::runtime_error("la fenêtre n'a pu être créée");
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  platform_.WindowOpened(window_);

  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  for (const ControlLayout* control : CreationOrder(layout_)) controls_[control->id] = Build(*control);

  Place(WindowDpi(window_));
  CentreOnScreen();
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(layout_.FirstFocusable());
}

Win32Window::~Win32Window() {
  *open_ = false;
  platform_.WindowClosed(window_);
  // Late messages, sent while the window goes, reach no page.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  for (HWND control : hooked_) Unhook(control);
  DestroyWindow(window_);
  if (font_) DeleteObject(font_);
  for (HGDIOBJ picture : pictures_) DeleteObject(picture);
  for (HICON icon : icons_) DestroyIcon(icon);
}

HWND Win32Window::Build(const ControlLayout& control) {
  const ControlId id = control.id;
  const int identifier = ControlIdentifier(id);
  const DWORD disabled = control.enabled ? 0 : WS_DISABLED;
  HWND child = nullptr;
  switch (control.kind) {
    case ControlKind::CommandButton:
      child = Child(window_, 0, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | disabled, identifier);
      SetWindowTextW(child, Wide(control.text).c_str());
      HookButton(child);
      hooked_.push_back(child);
      break;
    case ControlKind::Label:
      // The text is plain: "&" shows as itself.
      child = Child(window_, 0, L"STATIC", SS_LEFT | SS_NOPREFIX, identifier);
      SetWindowTextW(child, Wide(control.text).c_str());
      break;
    case ControlKind::TextBox:
    case ControlKind::ComboBox: {
      const bool combo = control.kind == ControlKind::ComboBox;
      child = combo ? Child(window_, 0, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                            identifier)
                    : Child(window_, WS_EX_CLIENTEDGE, L"EDIT",
                            ES_AUTOHSCROLL | WS_TABSTOP | (control.readOnly ? ES_READONLY : 0), identifier);
      HWND edit = combo ? ComboEdit(child) : child;
      if (!edit) throw std::runtime_error("la zone de saisie de la liste est introuvable");
      auto keyFilter = [this, open = open_, id](char16_t& code) {
        // Discarded unless the page's filter ran to its end.
        const char16_t typed = code;
        code = 0;
        if (!*open) return;
        platform_.RunHandler([&] {
          char16_t filtered = typed;
          events_.OnKeyPress(id, filtered);
          code = filtered;
        });
      };
      auto insertionFilter = [this, open = open_, id](std::u16string& text) {
        // Text the page could not filter is not inserted.
        std::u16string inserted = text;
        text.clear();
        if (!*open) return;
        platform_.RunHandler([&] {
          events_.OnInsertText(id, inserted);
          text = inserted;
        });
      };
      HookField(edit, keyFilter, insertionFilter);
      hooked_.push_back(edit);
      if (!control.toolTip.empty() && combo) AddToolTip(edit, control.toolTip);
      break;
    }
    case ControlKind::Image: {
      // The page icon and the logo keep their size, centred in their
      // rectangle; the separator is stretched to its width.
      const DWORD style = control.picture == Picture::PageIcon ? SS_ICON | SS_CENTERIMAGE
                          : control.stretchPicture          ? SS_BITMAP | SS_REALSIZECONTROL
                                                            : SS_BITMAP | SS_CENTERIMAGE;
      child = Child(window_, control.sunkenBorder ? WS_EX_CLIENTEDGE : 0, L"STATIC", style, identifier);
      break;
    }
  }
  if (!control.toolTip.empty()) AddToolTip(child, control.toolTip);
  return child;
}

void Win32Window::AddToolTip(HWND control, const std::string& text) {
  if (!toolTips_) return;
  const std::wstring wide = Wide(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(wide.c_str());
  SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Window::Place(UINT dpi) {
  dpi_ = dpi;
  HFONT previousFont = font_;
  font_ = CreateDialogFont(layout_, dpi);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (toolTips_) SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (const auto& control : layout_.controls) {
    HWND child = controls_.at(control.id);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    const int height = Scaled(control.height, dpi);
    // A combo box's window holds its list too; its closed height comes from
    // the height of its selection field.
    const int windowHeight = control.kind == ControlKind::ComboBox ? height * 8 : height;
    SetWindowPos(child, nullptr, Scaled(control.left, dpi), Scaled(control.top, dpi), Scaled(control.width, dpi),
                 windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (control.kind == ControlKind::ComboBox) SetClosedHeight(child, height);
  }
  if (previousFont) DeleteObject(previousFont);
  PlacePictures();
  const int clientWidth = Scaled(layout_.clientWidth, dpi);
  const int clientHeight = Scaled(layout_.clientHeight, dpi);
  SIZE frame = FrameSize(clientWidth, clientHeight, kWindowStyle, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame the window really has may differ from the one computed for
  // the DPI (a system without per-DPI frames): the client area decides.
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right != clientWidth || client.bottom != clientHeight) {
    frame.cx += clientWidth - client.right;
    frame.cy += clientHeight - client.bottom;
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Window::PlacePictures() {
  std::vector<HGDIOBJ> previousPictures = std::move(pictures_);
  std::vector<HICON> previousIcons = std::move(icons_);
  pictures_.clear();
  icons_.clear();
  for (const auto& control : layout_.controls) {
    if (control.kind != ControlKind::Image) continue;
    HWND child = controls_.at(control.id);
    if (control.picture == Picture::PageIcon) {
      HICON icon = LoadPageIcon(Scaled(control.width, dpi_));
      SendMessageW(child, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
      if (icon) icons_.push_back(icon);
    } else {
      HBITMAP bitmap = LoadPictureBitmap(control.picture, dpi_);
      SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
      if (bitmap) pictures_.push_back(bitmap);
    }
    // Setting an image may resize the control: the layout keeps its place.
    SetWindowPos(child, nullptr, Scaled(control.left, dpi_), Scaled(control.top, dpi_), Scaled(control.width, dpi_),
                 Scaled(control.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (int which : {ICON_BIG, ICON_SMALL}) {
    const int size = SystemMetric(which == ICON_BIG ? SM_CXICON : SM_CXSMICON, dpi_);
    HICON icon = LoadApplicationIcon(size);
    SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    if (icon) icons_.push_back(icon);
  }
  for (HGDIOBJ picture : previousPictures) DeleteObject(picture);
  for (HICON icon : previousIcons) DestroyIcon(icon);
}

void Win32Window::CentreOnScreen() {
  // The work area of the primary screen, frame included, as Qt centres.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT frame{};
  GetWindowRect(window_, &frame);
  const RECT& area = monitor.rcWork;
  const int left = area.left + (area.right - area.left - (frame.right - frame.left)) / 2;
  const int top = area.top + (area.bottom - area.top - (frame.bottom - frame.top)) / 2;
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  // A handler may destroy the window and this object: nothing is touched
  // after it returns.
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        const auto id = static_cast<ControlId>(LOWORD(wParam) - kFirstIdentifier);
        Deliver([&events = events_, id] { events.OnClick(id); });
        return 0;
      }
      break;
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
      Place(HIWORD(wParam));
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
