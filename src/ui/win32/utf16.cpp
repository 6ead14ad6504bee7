#include "ui/win32/utf16.h"

#include "text/wide.h"

namespace ui::win32 {

std::wstring Wide(const std::string& utf8) {
  // The program's own texts are valid UTF-8; anything else shows nothing.
  return text::Utf8ToWide(utf8).value_or(std::wstring());
}

std::string Narrow(const std::wstring& utf16) {
  if (auto utf8 = text::WideToUtf8(utf16)) return *utf8;
  // A control may hold half of a surrogate pair: it reads as U+FFFD.
  std::wstring repaired = utf16;
  for (std::size_t i = 0; i < repaired.size(); ++i) {
    const bool high = repaired[i] >= 0xD800 && repaired[i] <= 0xDBFF;
    const bool low = repaired[i] >= 0xDC00 && repaired[i] <= 0xDFFF;
    const bool pairedHigh = high && i + 1 < repaired.size() && repaired[i + 1] >= 0xDC00 && repaired[i + 1] <= 0xDFFF;
    if (pairedHigh) {
      ++i;
    } else if (high || low) {
      repaired[i] = 0xFFFD;
    }
  }
  return text::WideToUtf8(repaired).value_or(std::string());
}

}  // namespace ui::win32
