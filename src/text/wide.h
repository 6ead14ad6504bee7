// UTF-8 inside the program, UTF-16 at the calls of the Windows API: the
// conversions on the system's wide strings. Built for Windows only, where
// wchar_t is a UTF-16 code unit; used by the system layer and the window
// layer of the Windows edition alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// Nothing when the text is not valid UTF-8: such bytes name no file.
std::optional<std::wstring> Utf8ToWide(std::string_view utf8);

// Nothing when the text holds an unpaired surrogate, which has no UTF-8 form.
std::optional<std::string> WideToUtf8(std::wstring_view wide);

}  // namespace text
