// The program's pictures, read from its resources: for each DPI the drawing
// made for the nearest scale (100 %, 150 % or 200 %), so that the pictures
// stay sharp on large screens.
#pragma once

#include <windows.h>

#include "ui/page_layout.h"

namespace ui::win32 {

// The scale in percent whose drawings suit the DPI.
int PictureScale(UINT dpi);

// The logo or the separator as a bitmap the caller deletes; nullptr for
// other pictures.
HBITMAP LoadPictureBitmap(Picture picture, UINT dpi);
// The page icon with its transparency, for a square of `size` pixels; the
// caller destroys it.
HICON LoadPageIcon(int size);
// The application icon for a square of `size` pixels; the caller destroys it.
HICON LoadApplicationIcon(int size);

}  // namespace ui::win32
