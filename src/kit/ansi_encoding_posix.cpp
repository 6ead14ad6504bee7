// UTF-8 to Windows-1252, the code page of the Linux edition's kit files,
// strictly: nothing is replaced by a look-alike.
#include "kit/ansi_encoding.h"

#include <array>

#include "text/utf8.h"

namespace kit {
namespace {

// The characters of bytes 0x80 to 0x9F; zero marks the five bytes that the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

// The byte of a character, or nothing when the code page has none for it.
std::optional<char> ByteOf(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<char>(character);
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i)
    if (kHighControlRange[i] != 0 && kHighControlRange[i] == character) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

}  // namespace

unsigned AnsiCodePage() { return 1252; }

std::optional<std::string> ToAnsi(std::string_view utf8) {
  std::string ansi;
  ansi.reserve(utf8.size());
  std::size_t position = 0;
  while (position < utf8.size()) {
    const std::optional<char32_t> character = text::DecodeUtf8(utf8, position);
    if (!character) return std::nullopt;
    const std::optional<char> byte = ByteOf(*character);
    if (!byte) return std::nullopt;
    ansi.push_back(*byte);
  }
  return ansi;
}

}  // namespace kit
