// UTF-8 <-> UTF-16, strictly: text that cannot be converted is refused, never
// patched with a replacement character.
#include "text/utf16.h"

#include "text/utf8.h"

namespace text {

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
  std::u16string utf16;
  utf16.reserve(utf8.size());
  std::size_t position = 0;
  while (position < utf8.size()) {
    const std::optional<char32_t> character = DecodeUtf8(utf8, position);
    if (!character) return std::nullopt;
    if (*character < 0x10000) {
      utf16.push_back(static_cast<char16_t>(*character));
    } else {
      const char32_t offset = *character - 0x10000;
      utf16.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      utf16.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    }
  }
  return utf16;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16) {
  std::string utf8;
  utf8.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t character = utf16[i];
    if (character >= 0xDC00 && character <= 0xDFFF) return std::nullopt;
    if (character >= 0xD800 && character <= 0xDBFF) {
      if (i + 1 == utf16.size() || utf16[i + 1] < 0xDC00 || utf16[i + 1] > 0xDFFF) return std::nullopt;
      character = 0x10000 + ((character - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    }
    if (character < 0x80) {
      utf8.push_back(static_cast<char>(character));
    } else if (character < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (character >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (character & 0x3F)));
    } else if (character < 0x10000) {
      utf8.push_back(static_cast<char>(0xE0 | (character >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (character & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xF0 | (character >> 18)));
      utf8.push_back(static_cast<char>(0x80 | ((character >> 12) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (character & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace text
