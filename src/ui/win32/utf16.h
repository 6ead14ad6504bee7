// UTF-8 inside the program, UTF-16 at the calls of the Windows API: the
// text library's conversions, with the window layer's rule for text they refuse.
#pragma once

#include <string>

namespace ui::win32 {

std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

}  // namespace ui::win32
