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

// Whether the picture's drawing for the DPI is a PNG, which takes the
// imaging component to decode.
bool IsDecoded(Picture picture, UINT dpi);

// A picture loaded on a thread of its own, started before a page makes its
// window: decoding a PNG logo is the longest part of a page's start, and
// runs meanwhile.
class PictureInAdvance {
 public:
  PictureInAdvance(Picture picture, UINT dpi);
  ~PictureInAdvance();
  PictureInAdvance(const PictureInAdvance&) = delete;
  PictureInAdvance& operator=(const PictureInAdvance&) = delete;

  // The picture for this DPI, the caller's to delete, once the thread has
  // loaded it; loaded here when the thread made it for another DPI, could
  // not start, or it was taken already.
  HBITMAP Take(UINT dpi);

 private:
  static DWORD WINAPI Load(void* self);
  void Join();

  Picture picture_;
  UINT dpi_;
  HBITMAP bitmap_ = nullptr;
  HANDLE thread_ = nullptr;
};
// The page icon with its transparency, for a square of `size` pixels; the
// caller destroys it.
HICON LoadPageIcon(int size);
// The application icon for a square of `size` pixels; the caller destroys it.
HICON LoadApplicationIcon(int size);

}  // namespace ui::win32
