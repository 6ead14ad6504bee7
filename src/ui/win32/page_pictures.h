// The pictures of a page (the logo, the separator, the page icon), drawn by
// the page window itself. A picture takes neither the focus nor input, and a
// window of its own costs the start: under Wine, more than all the rest of a
// page. Each is shown in its layout's rectangle as a static control shows it:
// the logo centred at its own size within a sunken edge, the page icon
// loaded at the size of its rectangle, the separator stretched.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/page_layout.h"
#include "ui/win32/pictures.h"

namespace ui::win32 {

class PagePictures {
 public:
  // Loads the pictures of the layout drawn for the DPI; the logo comes from
  // `logo` when given, started before the page's window.
  PagePictures(const PageLayout& layout, UINT dpi, std::unique_ptr<PictureInAdvance> logo);
  ~PagePictures();
  PagePictures(const PagePictures&) = delete;
  PagePictures& operator=(const PagePictures&) = delete;

  // Places and loads them again for a new DPI.
  void Load(UINT dpi);
  // Draws those in the rectangle to repaint, on the page's background.
  void Paint(HDC dc, const RECT& dirty) const;

  // A picture's rectangle in the window's client area, and what it shows;
  // empty or nullptr for a control that is not a picture.
  RECT Rectangle(ControlId picture) const;
  HBITMAP Bitmap(ControlId picture) const;
  HICON Icon(ControlId picture) const;

 private:
  struct Shown {
    const ControlLayout* layout;
    RECT place;
    HBITMAP bitmap;
    HICON icon;
  };
  const Shown* Find(ControlId picture) const;
  void Release();

  const PageLayout& layout_;
  std::unique_ptr<PictureInAdvance> logo_;
  std::vector<Shown> shown_;
};

}  // namespace ui::win32
