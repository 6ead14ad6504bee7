#include "ui/win32/page_controls.h"

#include <imm.h>

#include <memory>

namespace ui::win32 {
namespace {

constexpr const wchar_t* kHookProperty = L"ZantrelVelquistHook";

struct Hook {
  WNDPROC original = nullptr;
  KeyFilter keyFilter;
  InsertionFilter insertionFilter;
  // Cleared by Unhook: a filter may close the window, and with it this
  // control, while the control's procedure is still running.
  bool attached = true;
};

// The hook of a control, shared so that it outlives an Unhook made by a
// filter the procedure is running.
std::shared_ptr<Hook> HookOf(HWND control) {
  auto* hook = static_cast<std::shared_ptr<Hook>*>(GetPropW(control, kHookProperty));
  return hook ? *hook : nullptr;
}

void Attach(HWND control, std::shared_ptr<Hook> hook, WNDPROC procedure) {
  hook->original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
  SetPropW(control, kHookProperty, new std::shared_ptr<Hook>(std::move(hook)));
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

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

// Puts text that was not typed into the box, filtered as typed text is.
// A single-line box takes such a text up to its first line break, so the
// break is no Enter for the filter.
void InsertFiltered(HWND edit, Hook& hook, std::u16string text) {
  if (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) return;
  text = text.substr(0, text.find_first_of(u"\r\n"));
  if (text.empty()) return;
  hook.insertionFilter(text);
  if (!hook.attached || text.empty()) return;
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
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

LRESULT CALLBACK FieldProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::shared_ptr<Hook> hook = HookOf(edit);
  if (!hook) return DefWindowProcW(edit, message, wParam, lParam);
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = CallWindowProcW(hook->original, edit, message, wParam, lParam);
      if (IsKeyDown(lParam, VK_RETURN) || IsKeyDown(lParam, VK_ESCAPE)) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_CHAR:
    case WM_IME_CHAR: {
      auto code = static_cast<char16_t>(wParam);
      hook->keyFilter(code);
      if (!hook->attached || code == 0) return 0;
      return CallWindowProcW(hook->original, edit, WM_CHAR, code, lParam);
    }
    case WM_PASTE:
      InsertFiltered(edit, *hook, ClipboardText(edit));
      return 0;
    case WM_IME_COMPOSITION:
      // The box would insert a committed text itself, past the filter: it
      // goes in filtered, and the box sees the rest of the message only.
      if (lParam & GCS_RESULTSTR) {
        InsertFiltered(edit, *hook, ImeResult(edit));
        if (!hook->attached) return 0;
        lParam &= ~(GCS_RESULTSTR | GCS_RESULTCLAUSE | GCS_RESULTREADSTR | GCS_RESULTREADCLAUSE);
        if (lParam == 0) return 0;
      }
      return CallWindowProcW(hook->original, edit, message, wParam, lParam);
    default:
      return CallWindowProcW(hook->original, edit, message, wParam, lParam);
  }
}

LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::shared_ptr<Hook> hook = HookOf(button);
  if (!hook) return DefWindowProcW(button, message, wParam, lParam);
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = CallWindowProcW(hook->original, button, message, wParam, lParam);
      if (IsKeyDown(lParam, VK_RETURN)) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) break;
      // What a click does: the window hears of it.
      SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
      return 0;
    case WM_CHAR:
      if (wParam == L'\r') return 0;  // the Enter just handled
      break;
    default:
      break;
  }
  return CallWindowProcW(hook->original, button, message, wParam, lParam);
}

}  // namespace

void HookField(HWND edit, KeyFilter keyFilter, InsertionFilter insertionFilter) {
  auto hook = std::make_shared<Hook>();
  hook->keyFilter = std::move(keyFilter);
  hook->insertionFilter = std::move(insertionFilter);
  Attach(edit, std::move(hook), FieldProcedure);
  // A text box takes text of any length.
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
}

void HookButton(HWND button) { Attach(button, std::make_shared<Hook>(), ButtonProcedure); }

void Unhook(HWND control) {
  auto* hook = static_cast<std::shared_ptr<Hook>*>(RemovePropW(control, kHookProperty));
  if (!hook) return;
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>((*hook)->original));
  (*hook)->attached = false;
  delete hook;
}

}  // namespace ui::win32
