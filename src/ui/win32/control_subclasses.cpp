#include "ui/win32/control_subclasses.h"

#include <commctrl.h>
#include <imm.h>

#include <stdexcept>

namespace ui::win32 {
namespace {

bool IsKeyDown(LPARAM message, WPARAM key) {
  const auto* msg = reinterpret_cast<const MSG*>(message);
  return msg && msg->message == WM_KEYDOWN && msg->wParam == key;
}

// The clipboard's text, or nothing when it holds none.
std::u16string ClipboardText(HWND owner) {
  std::u16string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// The text an input method has just committed.
std::u16string ImeResult(HWND edit) {
  std::u16string text;
  HIMC context = ImmGetContext(edit);
  if (!context) return text;
  const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  if (bytes > 0) {
    text.resize(static_cast<std::size_t>(bytes) / sizeof(char16_t));
    ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(bytes));
  }
  ImmReleaseContext(edit, context);
  return text;
}

}  // namespace

ControlSubclass::ControlSubclass(HWND control) : control_(control) {
  if (!SetWindowSubclass(control_, Procedure, 0, reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error("un contrôle de la fenêtre n'a pu être sous-classé");
  }
}

// Given back its own procedure before it is destroyed; a call running when
// this happens ends in the control's own procedure.
ControlSubclass::~ControlSubclass() { RemoveWindowSubclass(control_, Procedure, 0); }

LRESULT ControlSubclass::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(control_, message, wParam, lParam);
}

LRESULT CALLBACK ControlSubclass::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  if (!self) return DefSubclassProc(control, message, wParam, lParam);
  return reinterpret_cast<ControlSubclass*>(self)->Handle(message, wParam, lParam);
}

FieldSubclass::FieldSubclass(HWND edit, ControlId field, FieldFilters& filters)
    : ControlSubclass(edit), field_(field), filters_(filters) {
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
}

// A single-line box takes such a text up to its first line break, so the
// break is no Enter for the filter.
bool FieldSubclass::InsertFiltered(std::u16string text) {
  if (GetWindowLongPtrW(control_, GWL_STYLE) & ES_READONLY) return true;
  text = text.substr(0, text.find_first_of(u"\r\n"));
  if (text.empty()) return true;
  if (!filters_.FilterInsertion(field_, text)) return false;
  if (!text.empty()) SendMessageW(control_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

LRESULT FieldSubclass::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = Default(message, wParam, lParam);
      if (IsKeyDown(lParam, VK_RETURN) || IsKeyDown(lParam, VK_ESCAPE)) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_CHAR:
    case WM_IME_CHAR: {
      auto code = static_cast<char16_t>(wParam);
      if (!filters_.FilterKey(field_, code) || code == 0) return 0;
      return Default(WM_CHAR, code, lParam);
    }
    case WM_PASTE:
      InsertFiltered(ClipboardText(control_));
      return 0;
    case WM_IME_COMPOSITION:
      // The box would insert a committed text itself, past the filter: it
      // goes in filtered, and the box sees the rest of the message only.
      if (lParam & GCS_RESULTSTR) {
        if (!InsertFiltered(ImeResult(control_))) return 0;
        lParam &= ~(GCS_RESULTSTR | GCS_RESULTCLAUSE | GCS_RESULTREADSTR | GCS_RESULTREADCLAUSE);
        if (lParam == 0) return 0;
      }
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace ui::win32
