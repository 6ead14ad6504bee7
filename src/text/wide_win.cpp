// The conversions on the system's wide strings, which are UTF-16 on Windows.
#include "text/wide.h"

#include "text/utf16.h"

namespace text {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 code units");

std::optional<std::wstring> Utf8ToWide(std::string_view utf8) {
  const std::optional<std::u16string> utf16 = Utf8ToUtf16(utf8);
  if (!utf16) return std::nullopt;
  return std::wstring(utf16->begin(), utf16->end());
}

std::optional<std::string> WideToUtf8(std::wstring_view wide) {
  return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace text
