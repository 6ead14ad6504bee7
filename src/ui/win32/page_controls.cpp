#include "ui/win32/page_controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/dialog_font.h"
#include "ui/win32/dpi.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

// Identifiers start above IDOK and IDCANCEL, which the dialog manager sends
// for Enter and Escape: no control answers them, so Escape does nothing.
constexpr int kFirstIdentifier = 100;

int Scaled(int twips, UINT dpi) { return TwipsToPixels(twips, static_cast<int>(dpi)); }

// Every control clips its siblings: where the layout overlaps two controls
// (a label a pixel into its field), the one above in the order of creation
// paints there and the other does not erase its edge. Each is made in its
// place with its text: moving or titling it afterwards costs the system a
// round of messages per control.
// A picture has no text at all, which spares the system setting an empty one.
HWND Child(HWND parent, DWORD extendedStyle, const wchar_t* windowClass, DWORD style, int identifier,
           const wchar_t* text, const RECT& place) {
  HWND child = CreateWindowExW(extendedStyle | WS_EX_NOPARENTNOTIFY, windowClass, text,
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), GetModuleHandleW(nullptr),
                               nullptr);
  if (!child) throw std::runtime_error("un contrôle de la fenêtre n'a pu être créé");
  return child;
}

HWND ComboEdit(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

int WindowHeight(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

// A combo box's closed height follows the height of its selection field,
// which the system reads back with an offset of its own: set the field
// once to learn the offset, then to the height wanted.
void SetClosedHeight(HWND combo, int height) {
  const auto field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  const int offset = WindowHeight(combo) - field;
  if (height - offset > 0) SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - offset);
}

// Labels and pictures come after the controls that take the focus: the
// order of creation is the order of Tab, and, as children are stacked in
// the order they are created, the fields lie above the labels and pictures
// that overlap them.
std::vector<const ControlLayout*> CreationOrder(const PageLayout& layout) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout* control : layout.InTabOrder()) {
    if (control->kind != ControlKind::Label) order.push_back(control);
  }
  for (const auto& control : layout.controls) {
    if (control.kind == ControlKind::Label || !control.tabIndex) order.push_back(&control);
  }
  return order;
}

}  // namespace

int PageControls::Identifier(ControlId control) { return kFirstIdentifier + static_cast<int>(control); }

PageControls::PageControls(HWND window, const PageLayout& layout, FieldFilters& filters, UINT dpi,
                           std::unique_ptr<PictureInAdvance> logo)
    : window_(window), layout_(layout), logo_(std::move(logo)), dpi_(dpi), font_(CreateDialogFont(layout, dpi)) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (const ControlLayout* control : CreationOrder(layout_)) controls_[control->id] = Create(*control, filters);
  PlacePictures();
  SizeWindow();
}

// Once the window and its controls are destroyed: the font and pictures
// they showed go with them.
PageControls::~PageControls() {
  subclasses_.clear();
  if (font_) DeleteObject(font_);
  for (HGDIOBJ picture : pictures_) DeleteObject(picture);
  for (HICON icon : icons_) DestroyIcon(icon);
}

bool PageControls::IsButton(ControlId control) const {
  for (const auto& placed : layout_.controls) {
    if (placed.id == control) return placed.kind == ControlKind::CommandButton;
  }
  return false;
}

RECT PageControls::Rectangle(const ControlLayout& control) const {
  const int left = Scaled(control.left, dpi_), top = Scaled(control.top, dpi_);
  // A combo box's window holds its list too; its closed height is set apart.
  const int height = Scaled(control.height, dpi_) * (control.kind == ControlKind::ComboBox ? 8 : 1);
  return RECT{left, top, left + Scaled(control.width, dpi_), top + height};
}

HWND PageControls::Create(const ControlLayout& control, FieldFilters& filters) {
  const int identifier = Identifier(control.id);
  const DWORD disabled = control.enabled ? 0 : WS_DISABLED;
  const RECT place = Rectangle(control);
  HWND child = nullptr;
  switch (control.kind) {
    case ControlKind::CommandButton:
      child = Child(window_, 0, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | disabled, identifier,
                    Wide(control.text).c_str(), place);
      break;
    case ControlKind::Label:
      // The text is plain: "&" shows as itself.
      child = Child(window_, 0, L"STATIC", SS_LEFT | SS_NOPREFIX, identifier, Wide(control.text).c_str(),
                    place);
      break;
    case ControlKind::TextBox:
    case ControlKind::ComboBox: {
      const bool combo = control.kind == ControlKind::ComboBox;
      child = combo ? Child(window_, 0, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                            identifier, L"", place)
                    : Child(window_, WS_EX_CLIENTEDGE, L"EDIT",
                            ES_AUTOHSCROLL | WS_TABSTOP | (control.readOnly ? ES_READONLY : 0), identifier, L"", place);
      HWND edit = combo ? ComboEdit(child) : child;
      if (!edit) throw std::runtime_error("la zone de saisie de la liste est introuvable");
      subclasses_.push_back(std::make_unique<FieldSubclass>(edit, control.id, filters));
      break;
    }
    case ControlKind::Image: {
      // The page icon and the logo keep their size, centred in their
      // rectangle; the separator is stretched to its width. A static
      // control is transparent to the mouse without SS_NOTIFY, and its
      // tooltip would never see the pointer.
      const DWORD style = control.picture == Picture::PageIcon ? SS_ICON | SS_CENTERIMAGE
                          : control.stretchPicture          ? SS_BITMAP | SS_REALSIZECONTROL
                                                            : SS_BITMAP | SS_CENTERIMAGE;
      const DWORD notify = control.toolTip.empty() ? 0 : SS_NOTIFY;
      child = Child(window_, control.sunkenBorder ? WS_EX_CLIENTEDGE : 0, L"STATIC", style | notify, identifier,
                    nullptr, place);
      break;
    }
  }
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (control.kind == ControlKind::ComboBox) SetClosedHeight(child, Scaled(control.height, dpi_));
  return child;
}

void PageControls::AddToolTips() {
  if (toolTips_) return;
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (!toolTips_) return;
  SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (const auto& control : layout_.controls) {
    if (control.toolTip.empty()) continue;
    HWND child = controls_.at(control.id);
    // The pointer over a combo box's text rests on its edit.
    if (control.kind == ControlKind::ComboBox) AddToolTip(ComboEdit(child), control.toolTip);
    AddToolTip(child, control.toolTip);
  }
}

void PageControls::AddToolTip(HWND control, const std::string& text) {
  const std::wstring wide = Wide(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(wide.c_str());
  SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PageControls::Place(UINT dpi) {
  dpi_ = dpi;
  HFONT previousFont = font_;
  font_ = CreateDialogFont(layout_, dpi);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (toolTips_) SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (const auto& control : layout_.controls) {
    HWND child = controls_.at(control.id);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    const RECT place = Rectangle(control);
    SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (control.kind == ControlKind::ComboBox) SetClosedHeight(child, Scaled(control.height, dpi));
  }
  if (previousFont) DeleteObject(previousFont);
  PlacePictures();
  SizeWindow();
  InvalidateRect(window_, nullptr, TRUE);
}

SIZE PageControls::WindowSize(const PageLayout& layout, UINT dpi) {
  return FrameSize(Scaled(layout.clientWidth, dpi), Scaled(layout.clientHeight, dpi), kWindowStyle, 0, dpi);
}

void PageControls::SizeWindow() {
  const int clientWidth = Scaled(layout_.clientWidth, dpi_);
  const int clientHeight = Scaled(layout_.clientHeight, dpi_);
  // The window is usually made at its size already.
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right == clientWidth && client.bottom == clientHeight) return;
  SIZE frame = WindowSize(layout_, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame the window really has may differ from the one computed for
  // the DPI (a system without per-DPI frames): the client area decides.
  GetClientRect(window_, &client);
  if (client.right != clientWidth || client.bottom != clientHeight) {
    frame.cx += clientWidth - client.right;
    frame.cy += clientHeight - client.bottom;
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PageControls::PlacePictures() {
  std::vector<HGDIOBJ> previousPictures = std::move(pictures_);
  std::vector<HICON> previousIcons = std::move(icons_);
  pictures_.clear();
  icons_.clear();
  for (const auto& control : layout_.controls) {
    if (control.kind != ControlKind::Image) continue;
    HWND child = controls_.at(control.id);
    if (control.picture == Picture::PageIcon) {
      HICON icon = LoadPageIcon(Scaled(control.width, dpi_));
      SendMessageW(child, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
      if (icon) icons_.push_back(icon);
    } else {
      HBITMAP bitmap = control.picture == Picture::Logo && logo_ ? logo_->Take(dpi_)
                                                                  : LoadPictureBitmap(control.picture, dpi_);
      SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
      if (bitmap) pictures_.push_back(bitmap);
    }
    // Setting an image may resize the control: the layout keeps its place.
    const RECT place = Rectangle(control);
    RECT now{};
    GetWindowRect(child, &now);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &place)) {
      SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  // The small icon first: a window given only a big one has the system
  // make a small copy of it, at once thrown away.
  for (int which : {ICON_SMALL, ICON_BIG}) {
    const int size = SystemMetric(which == ICON_BIG ? SM_CXICON : SM_CXSMICON, dpi_);
    HICON icon = LoadApplicationIcon(size);
    SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    if (icon) icons_.push_back(icon);
  }
  for (HGDIOBJ picture : previousPictures) DeleteObject(picture);
  for (HICON icon : previousIcons) DestroyIcon(icon);
}

}  // namespace ui::win32
