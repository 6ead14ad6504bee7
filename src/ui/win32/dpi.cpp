#include "ui/win32/dpi.h"

#include "ui/win32/system_functions.h"

namespace ui::win32 {
UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

UINT WindowDpi(HWND window) {
  if (System().getDpiForWindow) {
    if (const UINT dpi = System().getDpiForWindow(window)) return dpi;
  }
  return SystemDpi();
}

RECT LayoutRectangle(const ControlLayout& control, UINT dpi) {
  const int value = static_cast<int>(dpi);
  const int left = TwipsToPixels(control.left, value), top = TwipsToPixels(control.top, value);
  return RECT{left, top, left + TwipsToPixels(control.width, value), top + TwipsToPixels(control.height, value)};
}

SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, DWORD extendedStyle, UINT dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  const auto forDpi = System().adjustWindowRectExForDpi;
  if (!forDpi || !forDpi(&rect, style, FALSE, extendedStyle, dpi)) AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int SystemMetric(int index, UINT dpi) {
  if (System().getSystemMetricsForDpi) return System().getSystemMetricsForDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

}  // namespace ui::win32
