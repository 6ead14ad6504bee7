// The character codes a key press types, as a Windows control would
// receive them: Enter is 13, Backspace 8, Escape 27, and Ctrl with a letter
// gives that letter's control code (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24). Keys
// that type nothing (Tab, Delete, the arrows, Home, End) give no code.
#pragma once

#include <QKeyEvent>

#include <string>

namespace ui::qt {

std::u16string TypedCodes(const QKeyEvent& event);

}  // namespace ui::qt
