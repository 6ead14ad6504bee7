// The keyboard of the wizard's controls, added to the system's own controls
// by subclassing them: typed characters reach the page's key filter before
// the control, pasted text goes through the same filter, and Enter presses
// the focused button as Space does.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui::win32 {

// Runs a typed character's UTF-16 code through the page's filter, which may
// change it or set it to 0 to discard it.
using KeyFilter = std::function<void(char16_t& code)>;
// Runs a whole insertion (a paste) through the page's filter, which may
// shorten it.
using InsertionFilter = std::function<void(std::u16string& text)>;

// An edit control (a text box or the edit of a combo box): typed characters
// and pastes are filtered before it sees them; Enter and Escape are typed
// into it (as 13 and 27) instead of going to the window.
void HookField(HWND edit, KeyFilter keyFilter, InsertionFilter insertionFilter);

// A push button: Enter presses it when it has the focus.
void HookButton(HWND button);

// Gives the control back its own procedure; done before it is destroyed.
void Unhook(HWND control);

}  // namespace ui::win32
