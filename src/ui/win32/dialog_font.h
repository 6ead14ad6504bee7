// The font of every window and control: the system's message font at the
// window's DPI, as message boxes show it, made smaller where a label of the
// page would not hold its text otherwise.
#pragma once

#include <windows.h>

#include <string>

#include "ui/page_layout.h"

namespace ui::win32 {

// The system's message font for this DPI.
LOGFONTW SystemMessageFont(UINT dpi);

// Creates the font for the page at this DPI; the caller deletes it.
HFONT CreateDialogFont(const PageLayout& layout, UINT dpi);

// Whether the text, word-wrapped as a label wraps it in the font selected
// into the device context, fits a rectangle of this size.
bool TextFits(HDC dc, const std::wstring& text, int width, int height);

}  // namespace ui::win32
