// The DPI of a window and the sizes that depend on it. The per-DPI calls
// came with Windows 10 1607; they are bound by name, and older systems get
// the system DPI.
#pragma once

#include <windows.h>

#include "ui/page_layout.h"

namespace ui::win32 {

UINT WindowDpi(HWND window);

// The DPI of the primary screen as the system gives it, which a new window
// there has.
UINT SystemDpi();

// A control's rectangle of the layout in the window's client area, scaled
// from twips.
RECT LayoutRectangle(const ControlLayout& control, UINT dpi);

// The window rectangle, frame included, of a client area of this size.
SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, DWORD extendedStyle, UINT dpi);

int SystemMetric(int index, UINT dpi);

}  // namespace ui::win32
