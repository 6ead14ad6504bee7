// The references of the start-up benchmark: a bare Win32 window, built and
// linked as the program is, shown as soon as the process starts. Built
// twice: alone, and with the program's manifest and InitCommonControls
// (ZVC_COMMON_CONTROLS), which load common controls 6 as the program does.
#include <windows.h>

#ifdef ZVC_COMMON_CONTROLS
#include <commctrl.h>
constexpr const wchar_t* kTitle = L"Bare Win32 window with common controls 6";
#else
constexpr const wchar_t* kTitle = L"Bare Win32 window";
#endif

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef ZVC_COMMON_CONTROLS
  InitCommonControls();
#endif
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(0, L"BareWindow", kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, 500, 370, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
