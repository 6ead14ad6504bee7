// The controls of a page window, made from the page's layout with the
// system's own controls, and placed at the window's DPI: positions and
// sizes in twips scaled, the dialog font, the pictures drawn for the
// nearest scale, the tooltips.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/page_layout.h"
#include "ui/win32/control_subclasses.h"
#include "ui/win32/page_pictures.h"
#include "ui/win32/pictures.h"

namespace ui::win32 {

class PageControls {
 public:
  // Creates every control of the layout in the window, placed for the DPI,
  // and sizes the window; the text fields run the page's filters. The logo
  // comes from `logo`, started before the window was made, when it has one.
  PageControls(HWND window, const PageLayout& layout, FieldFilters& filters, UINT dpi,
               std::unique_ptr<PictureInAdvance> logo);
  // Deleted after the window is destroyed.
  ~PageControls();
  PageControls(const PageControls&) = delete;
  PageControls& operator=(const PageControls&) = delete;

  // Sizes the window's client area, places the controls and gives them
  // their font and pictures for a new DPI.
  void Place(UINT dpi);
  // Makes the tooltips, which nobody sees before the window shows.
  void AddToolTips();
  // The window's size, frame included, for a page at this DPI.
  static SIZE WindowSize(const PageLayout& layout, UINT dpi);

  // A control's window; nullptr for a picture, which the page draws.
  HWND Control(ControlId control) const;
  // The identifier of a control's tooltip in the tooltip window.
  UINT_PTR ToolId(ControlId control) const;
  const PagePictures& Pictures() const { return pictures_; }
  void PaintPictures(HDC dc, const RECT& dirty) const { pictures_.Paint(dc, dirty); }
  HWND ToolTips() const { return toolTips_; }
  UINT Dpi() const { return dpi_; }
  // Whether the control is a push button, whose clicks are the page's.
  bool IsButton(ControlId control) const;

  // The window identifier of a control.
  static int Identifier(ControlId control);
  // The window style of a page.
  static constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

 private:
  RECT Rectangle(const ControlLayout& control) const;
  HWND Create(const ControlLayout& control, FieldFilters& filters);
  static UINT_PTR ToolId(HWND control);
  void AddToolTip(UINT flags, UINT_PTR tool, const std::string& text);
  void PlacePictureToolTips();
  void ClipLabelsToPictures(bool again);
  void SetWindowIcons();
  void SizeWindow();

  HWND window_;
  const PageLayout& layout_;
  HWND toolTips_ = nullptr;
  std::map<ControlId, HWND> controls_;
  std::vector<std::unique_ptr<ControlSubclass>> subclasses_;
  UINT dpi_;
  HFONT font_;
  PagePictures pictures_;
  std::vector<HICON> icons_;
};

}  // namespace ui::win32
