// The font of every window and control: "MS Shell Dlg" at 8 points and the
// window's DPI, the dialog font the layouts were drawn for. Windows maps it
// to Microsoft Sans Serif, made to the metrics of the classic MS Sans Serif,
// and every caption holds in its box; it is never made smaller there. A
// system without that face (Wine) substitutes a wider one: there a narrower
// face takes its place, or else the substitute is made smaller, never below
// the size where a capital keeps its accent.
#pragma once

#include <windows.h>

#include <string>

#include "ui/page_layout.h"

namespace ui::win32 {

// Creates the font for the page at this DPI; the caller deletes it.
HFONT CreateDialogFont(const PageLayout& layout, UINT dpi);

// The name of the face the system selects for a font.
std::wstring SelectedFace(HFONT font);

// Whether the system gives the dialog font its classic face (Microsoft Sans
// Serif or MS Sans Serif) rather than a substitute.
bool IsClassicDialogFace(const std::wstring& face);

// Whether the text, word-wrapped as a label wraps it in the font selected
// into the device context, fits a rectangle of this size.
bool TextFits(HDC dc, const std::wstring& text, int width, int height);

}  // namespace ui::win32
