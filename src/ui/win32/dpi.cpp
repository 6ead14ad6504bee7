#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto forWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (forWindow) {
    if (const UINT dpi = forWindow(window)) return dpi;
  }
  return SystemDpi();
}

SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, DWORD extendedStyle, UINT dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  static const auto forDpi = User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  if (!forDpi || !forDpi(&rect, style, FALSE, extendedStyle, dpi)) AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int SystemMetric(int index, UINT dpi) {
  static const auto forDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

}  // namespace ui::win32
