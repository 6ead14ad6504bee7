#include "ui/win32/dialog_font.h"

#include <cstdlib>

#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

// The layouts were drawn for a narrow 8-point face; the system's face may
// need a point less. Some renderers (Wine on X11) draw text up to a tenth
// wider than the system measures it, and the layouts leave labels no
// room to spare: the font is chosen so that each label's text fits in a
// tenth less than its width.
constexpr int kWidthPercentForText = 90;
// Below 7 points text reads badly: a label that still does not fit there is a fault of the layout, which the tests report.
constexpr int kSmallestPoints = 7;

bool LabelsFit(const PageLayout& layout, HFONT font, UINT dpi) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  bool fits = true;
  for (const auto& control : layout.controls) {
    if (control.kind != ControlKind::Label) continue;
    const int dpiValue = static_cast<int>(dpi);
    if (!TextFits(dc, Wide(control.text), TwipsToPixels(control.width, dpiValue) * kWidthPercentForText / 100,
                  TwipsToPixels(control.height, dpiValue))) {
      fits = false;
      break;
    }
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return fits;
}

}  // namespace

LOGFONTW SystemMessageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  // Windows 10 1607 and later give the metrics for any DPI; bound by name
  // so that the program still starts on older systems.
  using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = reinterpret_cast<ForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) return metrics.lfMessageFont;

  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HDC screen = GetDC(nullptr);
  const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), systemDpi);
  return metrics.lfMessageFont;
}

HFONT CreateDialogFont(const PageLayout& layout, UINT dpi) {
  LOGFONTW font = SystemMessageFont(dpi);
  const int smallest = MulDiv(kSmallestPoints, static_cast<int>(dpi), 72);
  // lfHeight is negative for a character height, positive for a cell height.
  const int sign = font.lfHeight < 0 ? -1 : 1;
  for (;;) {
    HFONT created = CreateFontIndirectW(&font);
    if (!created || std::abs(font.lfHeight) <= smallest || LabelsFit(layout, created, dpi)) return created;
    DeleteObject(created);
    font.lfHeight -= sign;
  }
}

bool TextFits(HDC dc, const std::wstring& text, int width, int height) {
  RECT needed{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT | DT_TOP);
  return needed.right <= width && needed.bottom <= height;
}

}  // namespace ui::win32
