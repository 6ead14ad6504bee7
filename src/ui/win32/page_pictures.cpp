#include "ui/win32/page_pictures.h"

#include <utility>

#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

// A bitmap at its size in the middle of the rectangle, which shows the
// colour of the bitmap's top left pixel around it, as a static control
// fills it.
void PaintCentred(HDC dc, HBITMAP bitmap, const RECT& area) {
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  HBRUSH fill = CreateSolidBrush(GetPixel(memory, 0, 0));
  FillRect(dc, &area, fill);
  DeleteObject(fill);
  const SIZE size = BitmapSize(bitmap);
  BitBlt(dc, (area.left + area.right - size.cx) / 2, (area.top + area.bottom - size.cy) / 2, size.cx, size.cy, memory,
         0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
}

void PaintStretched(HDC dc, HBITMAP bitmap, const RECT& area) {
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const SIZE size = BitmapSize(bitmap);
  StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0, 0, size.cx, size.cy,
             SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
}

// The icon is loaded at the size of its rectangle.
void PaintIcon(HDC dc, HICON icon, const RECT& area) {
  DrawIconEx(dc, area.left, area.top, icon, area.right - area.left, area.bottom - area.top, 0, nullptr, DI_NORMAL);
}

}  // namespace

PagePictures::PagePictures(const PageLayout& layout, UINT dpi, std::unique_ptr<PictureInAdvance> logo)
    : layout_(layout), logo_(std::move(logo)) {
  Load(dpi);
}

PagePictures::~PagePictures() { Release(); }

void PagePictures::Release() {
  for (const Shown& picture : shown_) {
    if (picture.bitmap) DeleteObject(picture.bitmap);
    if (picture.icon) DestroyIcon(picture.icon);
  }
  shown_.clear();
}

void PagePictures::Load(UINT dpi) {
  Release();
  for (const auto& control : layout_.controls) {
    if (control.kind != ControlKind::Image) continue;
    Shown picture{&control, LayoutRectangle(control, dpi), nullptr, nullptr};
    if (control.picture == Picture::PageIcon) {
      picture.icon = LoadPageIcon(picture.place.right - picture.place.left);
    } else if (control.picture == Picture::Logo && logo_) {
      picture.bitmap = logo_->Take(dpi);
    } else {
      picture.bitmap = LoadPictureBitmap(control.picture, dpi);
    }
    shown_.push_back(picture);
  }
}

void PagePictures::Paint(HDC dc, const RECT& dirty) const {
  for (const Shown& picture : shown_) {
    RECT area = picture.place;
    RECT overlap{};
    if (!IntersectRect(&overlap, &area, &dirty)) continue;
    if (picture.layout->sunkenBorder) DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (picture.icon) {
      PaintIcon(dc, picture.icon, area);
    } else if (picture.bitmap && picture.layout->stretchPicture) {
      PaintStretched(dc, picture.bitmap, area);
    } else if (picture.bitmap) {
      PaintCentred(dc, picture.bitmap, area);
    }
  }
}

const PagePictures::Shown* PagePictures::Find(ControlId picture) const {
  for (const Shown& shown : shown_) {
    if (shown.layout->id == picture) return &shown;
  }
  return nullptr;
}

RECT PagePictures::Rectangle(ControlId picture) const {
  const Shown* shown = Find(picture);
  return shown ? shown->place : RECT{};
}

HBITMAP PagePictures::Bitmap(ControlId picture) const {
  const Shown* shown = Find(picture);
  return shown ? shown->bitmap : nullptr;
}

HICON PagePictures::Icon(ControlId picture) const {
  const Shown* shown = Find(picture);
  return shown ? shown->icon : nullptr;
}

}  // namespace ui::win32
