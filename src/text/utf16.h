// Text conversion between the program's UTF-8 and the UTF-16 of the Windows
// API. Text lives as UTF-8 everywhere in the program; it becomes UTF-16 only
// at the call of a wide ("W") system function, and the system's answers
// become UTF-8 again at once.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// Nothing when the text is not valid UTF-8: such bytes name no file.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);

// Nothing when the text holds an unpaired surrogate, which has no UTF-8 form.
std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16);

}  // namespace text
