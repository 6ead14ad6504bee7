// The character codes a key press types, as a Windows control would
// receive them: Enter is 13, Backspace 8, Escape 27, and Ctrl with a letter
// gives that letter's control code (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24). Keys
// that type nothing (Tab, Delete, the arrows, Home, End) give no code.
#pragma once

#include <QKeyEvent>

#include <string>

namespace ui::qt {

std::u16string TypedCodes(const QKeyEvent& event);

// A key held with Alt or Meta is a system key, as on Windows: it may press
// an access key or a shortcut, but it never types a character. AltGr, which
// types the third character of a key, is neither.
bool IsSystemKey(const QKeyEvent& event);

}  // namespace ui::qt
