#include "ui/win32/win32_platform.h"

#include <algorithm>
#include <array>

#include "kit/system_failure.h"
#include "ui/themes_xp.h"
#include "ui/uncaught_error.h"
#include "ui/win32/message_box.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {
namespace {

constexpr int kFailureExitCode = 1;

bool IsPushButton(HWND window) {
  std::array<wchar_t, 8> name{};
  if (!GetClassNameW(window, name.data(), static_cast<int>(name.size())) || lstrcmpiW(name.data(), L"Button") != 0) {
    return false;
  }
  const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Enter on the push button that has the focus presses it, as Space does (the
// dialog manager would press the default button instead): the window hears
// of a click. Taken before it is translated, it types no character.
bool PressFocusedButton(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || !IsPushButton(message.hwnd)) return false;
  SendMessageW(GetParent(message.hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(message.hwnd), BN_CLICKED),
               reinterpret_cast<LPARAM>(message.hwnd));
  return true;
}

}  // namespace

std::unique_ptr<Window> Win32Platform::OpenWindow(const PageLayout& layout, WindowEvents& events) {
  return std::make_unique<Win32Window>(layout, events, *this);
}

Answer Win32Platform::MsgBox(const std::string& prompt, unsigned flags) {
  return ShowMessageBox(ActivePage(), prompt, flags);
}

void Win32Platform::Beep() { MessageBeep(MB_OK); }

void Win32Platform::InitCommonControls() { ThèmesXP::InitCommonControls(); }

std::string Win32Platform::ExecutableDirectory() {
  return kit::ValueOrThrow(kit::RealSystem().ExecutableDirectory());
}

void Win32Platform::Quit() { PostQuitMessage(failed_ ? kFailureExitCode : 0); }

int Win32Platform::Run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return failed_ ? kFailureExitCode : static_cast<int>(message.wParam);
}

void Win32Platform::ProcessWaitingMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Kept for a Run that may follow.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

void Win32Platform::Dispatch(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && std::find(pages_.begin(), pages_.end(), root) != pages_.end() &&
      (PressFocusedButton(message) || IsDialogMessageW(root, &message))) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Platform::RunHandler(const std::function<void()>& handler) {
  // No exception may leave a window procedure: the system's code is below.
  if (!failed_) RunReportingErrors(handler, [this](const std::string& what) { ReportUncaughtError(what); });
}

int Win32Platform::ReportUncaughtError(const std::string& what) {
  failed_ = true;
  MsgBox(UncaughtErrorMessage(what), mb::kIconError | mb::kOk | mb::kSetForeground);
  PostQuitMessage(kFailureExitCode);
  return kFailureExitCode;
}

void Win32Platform::WindowOpened(HWND window) { pages_.push_back(window); }

void Win32Platform::WindowClosed(HWND window) { std::erase(pages_, window); }

HWND Win32Platform::ActivePage() const { return pages_.empty() ? nullptr : pages_.back(); }

}  // namespace ui::win32
