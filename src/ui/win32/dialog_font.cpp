#include "ui/win32/dialog_font.h"

#include <array>

#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

constexpr const wchar_t* kDialogFace = L"MS Shell Dlg";
constexpr int kDialogPoints = 8;
// The narrow face Wine finds on the Linux system beneath it (fonts-liberation):
// its captions take the width MS Sans Serif gives them.
constexpr const wchar_t* kNarrowFace = L"Liberation Sans Narrow";
// A substitute face is drawn by some renderers (Wine on X11) wider than the
// system measures it, and a caption measured to fit to the pixel loses its
// last word: its captions must fit in a twentieth less. (Liberation Sans
// Narrow takes at most 91 % of each box.)
constexpr int kSubstituteWidthPercent = 95;
// In half points: below 7.5 points a capital's accent is lost ("É" drawn as
// "E" at 7 points and 96 dpi).
constexpr int kSmallestHalfPoints = 15;

HFONT CreateFace(const wchar_t* face, int height) {
  LOGFONTW font{};
  font.lfHeight = -height;  // a character height, as points give it
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

bool LabelsFit(const PageLayout& layout, HFONT font, UINT dpi) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  const int dpiValue = static_cast<int>(dpi);
  bool fits = true;
  for (const auto& control : layout.controls) {
    if (control.kind != ControlKind::Label) continue;
    if (!TextFits(dc, Wide(control.text), TwipsToPixels(control.width, dpiValue) * kSubstituteWidthPercent / 100,
                  TwipsToPixels(control.height, dpiValue))) {
      fits = false;
      break;
    }
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return fits;
}

}  // namespace

std::wstring SelectedFace(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  std::array<wchar_t, LF_FACESIZE> face{};
  GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return face.data();
}

bool IsClassicDialogFace(const std::wstring& face) {
  // Windows may answer with the dialog font's own name, which it always maps
  // to Microsoft Sans Serif.
  for (const wchar_t* classic : {L"Microsoft Sans Serif", L"MS Sans Serif", kDialogFace}) {
    if (lstrcmpiW(face.c_str(), classic) == 0) return true;
  }
  return false;
}

HFONT CreateDialogFont(const PageLayout& layout, UINT dpi) {
  const int dpiValue = static_cast<int>(dpi);
  const int height = MulDiv(kDialogPoints, dpiValue, 72);
  HFONT dialog = CreateFace(kDialogFace, height);
  if (!dialog || IsClassicDialogFace(SelectedFace(dialog))) return dialog;

  if (HFONT narrow = CreateFace(kNarrowFace, height)) {
    if (lstrcmpiW(SelectedFace(narrow).c_str(), kNarrowFace) == 0 && LabelsFit(layout, narrow, dpi)) {
      DeleteObject(dialog);
      return narrow;
    }
    DeleteObject(narrow);
  }

  // The substitute, a pixel smaller at a time until the captions fit.
  const int smallest = MulDiv(kSmallestHalfPoints, dpiValue, 2 * 72);
  for (int smaller = height - 1; smaller >= smallest && !LabelsFit(layout, dialog, dpi); --smaller) {
    HFONT next = CreateFace(kDialogFace, smaller);
    if (!next) break;
    DeleteObject(dialog);
    dialog = next;
  }
  return dialog;
}

bool TextFits(HDC dc, const std::wstring& text, int width, int height) {
  RECT needed{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT | DT_TOP);
  return needed.right <= width && needed.bottom <= height;
}

}  // namespace ui::win32
