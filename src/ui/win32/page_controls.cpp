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

// Labels come after the controls that take the focus: the order of creation
// is the order of Tab, and, as children are stacked in the order they are
// created, the fields lie above the labels that overlap them. Pictures have
// no window: the page draws them.
std::vector<const ControlLayout*> CreationOrder(const PageLayout& layout) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout* control : layout.InTabOrder()) {
    if (control->kind != ControlKind::Label) order.push_back(control);
  }
  for (const auto& control : layout.controls) {
    if (control.kind == ControlKind::Label) order.push_back(&control);
  }
  return order;
}

}  // namespace

int PageControls::Identifier(ControlId control) { return kFirstIdentifier + static_cast<int>(control); }

PageControls::PageControls(HWND window, const PageLayout& layout, FieldFilters& filters, UINT dpi,
                           std::unique_ptr<PictureInAdvance> logo)
    : window_(window),
      layout_(layout),
      dpi_(dpi),
      font_(CreateDialogFont(layout, dpi)),
      pictures_(layout, dpi, std::move(logo)) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (const ControlLayout* control : CreationOrder(layout_)) controls_[control->id] = Create(*control, filters);
  ClipLabelsToPictures(false);
  SetWindowIcons();
  SizeWindow();
}

// Once the window and its controls are destroyed: the font and icons they
// showed go with them.
PageControls::~PageControls() {
  subclasses_.clear();
  if (font_) DeleteObject(font_);
  for (HICON icon : icons_) DestroyIcon(icon);
}

HWND PageControls::Control(ControlId control) const {
  const auto found = controls_.find(control);
  return found == controls_.end() ? nullptr : found->second;
}

UINT_PTR PageControls::ToolId(ControlId control) const {
  if (HWND child = Control(control)) return ToolId(child);
  return static_cast<UINT_PTR>(Identifier(control));
}

UINT_PTR PageControls::ToolId(HWND control) { return reinterpret_cast<UINT_PTR>(control); }

bool PageControls::IsButton(ControlId control) const {
  for (const auto& placed : layout_.controls) {
    if (placed.id == control) return placed.kind == ControlKind::CommandButton;
  }
  return false;
}

RECT PageControls::Rectangle(const ControlLayout& control) const {
  RECT place = LayoutRectangle(control, dpi_);
  // A combo box's window holds its list too; its closed height is set apart.
  if (control.kind == ControlKind::ComboBox) place.bottom = place.top + (place.bottom - place.top) * 8;
  return place;
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
    case ControlKind::Image:
      return nullptr;  // drawn by the page
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
    if (HWND child = Control(control.id)) {
      // The pointer over a combo box's text rests on its edit.
      if (control.kind == ControlKind::ComboBox) AddToolTip(TTF_IDISHWND, ToolId(ComboEdit(child)), control.toolTip);
      AddToolTip(TTF_IDISHWND, ToolId(child), control.toolTip);
    } else {
      AddToolTip(0, ToolId(control.id), control.toolTip);
    }
  }
  PlacePictureToolTips();
}

// A control's tool is its window; a picture's is its rectangle in the page,
// under the picture's identifier.
void PageControls::AddToolTip(UINT flags, UINT_PTR tool, const std::string& text) {
  const std::wstring wide = Wide(text);
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_SUBCLASS | flags;
  info.hwnd = window_;
  info.uId = tool;
  info.lpszText = const_cast<wchar_t*>(wide.c_str());
  SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void PageControls::PlacePictureToolTips() {
  if (!toolTips_) return;
  for (const auto& control : layout_.controls) {
    if (control.kind != ControlKind::Image || control.toolTip.empty()) continue;
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = window_;
    info.uId = ToolId(control.id);
    info.rect = pictures_.Rectangle(control.id);
    SendMessageW(toolTips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void PageControls::Place(UINT dpi) {
  dpi_ = dpi;
  HFONT previousFont = font_;
  font_ = CreateDialogFont(layout_, dpi);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (toolTips_) SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (const auto& control : layout_.controls) {
    HWND child = Control(control.id);
    if (!child) continue;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    const RECT place = Rectangle(control);
    SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (control.kind == ControlKind::ComboBox) SetClosedHeight(child, Scaled(control.height, dpi));
  }
  if (previousFont) DeleteObject(previousFont);
  pictures_.Load(dpi);
  ClipLabelsToPictures(true);
  PlacePictureToolTips();
  SetWindowIcons();
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

// A label's box may reach a pixel into a picture (the hint above the
// separator): the label gives way there, so that its background does not
// cover the picture, which the page draws beneath its controls. Done again
// (`again`) for a new DPI, where a former overlap may be gone.
void PageControls::ClipLabelsToPictures(bool again) {
  for (const auto& label : layout_.controls) {
    if (label.kind != ControlKind::Label) continue;
    const RECT box = Rectangle(label);
    HRGN shown = nullptr;
    for (const auto& picture : layout_.controls) {
      if (picture.kind != ControlKind::Image) continue;
      const RECT drawn = pictures_.Rectangle(picture.id);
      RECT overlap{};
      if (!IntersectRect(&overlap, &box, &drawn)) continue;
      if (!shown) shown = CreateRectRgn(0, 0, box.right - box.left, box.bottom - box.top);
      OffsetRect(&overlap, -box.left, -box.top);
      HRGN covered = CreateRectRgnIndirect(&overlap);
      CombineRgn(shown, shown, covered, RGN_DIFF);
      DeleteObject(covered);
    }
    // The window owns the region from here; none takes a former one away.
    if (shown || again) SetWindowRgn(Control(label.id), shown, TRUE);
  }
}

void PageControls::SetWindowIcons() {
  std::vector<HICON> previous = std::move(icons_);
  icons_.clear();
  // The small icon first: a window given only a big one has the system
  // make a small copy of it, at once thrown away.
  for (int which : {ICON_SMALL, ICON_BIG}) {
    const int size = SystemMetric(which == ICON_BIG ? SM_CXICON : SM_CXSMICON, dpi_);
    HICON icon = LoadApplicationIcon(size);
    SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    if (icon) icons_.push_back(icon);
  }
  for (HICON icon : previous) DestroyIcon(icon);
}

}  // namespace ui::win32
