#include "ui/win32/pictures.h"

#include <utility>

#include "ui/win32/png_bitmap.h"
#include "ui/win32/resource_ids.h"

namespace ui::win32 {
namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

// The resource of a picture drawn for this scale; 0 for the page icon.
int ResourceId(Picture picture, int scale) {
  const int step = scale == 200 ? 2 : scale == 150 ? 1 : 0;
  switch (picture) {
    case Picture::Logo: return ZVC_BITMAP_LOGO_100 + step;
    case Picture::Separator: return ZVC_BITMAP_SEPARATOR_100 + step;
    case Picture::PageIcon:
    case Picture::None: break;
  }
  return 0;
}

HRSRC FindPng(int id) { return FindResourceW(ProgramInstance(), MAKEINTRESOURCEW(id), RT_RCDATA); }

// A picture's resource: a PNG, which the imaging component decodes, or a
// bitmap, which the system loads itself.
HBITMAP LoadPicture(int id) {
  if (HRSRC png = FindPng(id)) {
    const void* bytes = LockResource(LoadResource(ProgramInstance(), png));
    return bytes ? DecodePng(bytes, SizeofResource(ProgramInstance(), png)) : nullptr;
  }
  return static_cast<HBITMAP>(
      LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON LoadIconResource(int id, int size) {
  return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

int PictureScale(UINT dpi) {
  if (dpi >= 192) return 200;
  if (dpi >= 144) return 150;
  return 100;
}

HBITMAP LoadPictureBitmap(Picture picture, UINT dpi) {
  const int id = ResourceId(picture, PictureScale(dpi));
  if (id == 0) return nullptr;
  if (HBITMAP bitmap = LoadPicture(id)) return bitmap;
  // A program built without the larger drawings shows the standard one.
  return LoadPicture(ResourceId(picture, 100));
}

bool IsDecoded(Picture picture, UINT dpi) {
  const int id = ResourceId(picture, PictureScale(dpi));
  return id != 0 && FindPng(id) != nullptr;
}

PictureInAdvance::PictureInAdvance(Picture picture, UINT dpi) : picture_(picture), dpi_(dpi) {
  thread_ = CreateThread(nullptr, 0, &PictureInAdvance::Load, this, 0, nullptr);
}

PictureInAdvance::~PictureInAdvance() {
  Join();
  if (bitmap_) DeleteObject(bitmap_);
}

DWORD WINAPI PictureInAdvance::Load(void* self) {
  auto* advance = static_cast<PictureInAdvance*>(self);
  advance->bitmap_ = LoadPictureBitmap(advance->picture_, advance->dpi_);
  return 0;
}

void PictureInAdvance::Join() {
  if (!thread_) return;
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

HBITMAP PictureInAdvance::Take(UINT dpi) {
  Join();
  HBITMAP bitmap = nullptr;
  if (dpi == dpi_) std::swap(bitmap, bitmap_);
  return bitmap ? bitmap : LoadPictureBitmap(picture_, dpi);
}

HICON LoadPageIcon(int size) { return LoadIconResource(ZVC_ICON_PAGE, size); }

HICON LoadApplicationIcon(int size) { return LoadIconResource(ZVC_ICON_APPLICATION, size); }

}  // namespace ui::win32
