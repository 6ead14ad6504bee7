// UTF-8 to Windows-1252, strictly: nothing is replaced by a look-alike.
#include "kit/ansi_encoding.h"

#include <array>
#include <cstdint>

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

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  std::size_t length;
  char32_t character;
  char32_t smallest;
  if (lead < 0x80) {
    ++position;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1F, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0F, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - position < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[position + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    character = (character << 6) | (next & 0x3F);
  }
  if (character < smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return std::nullopt;
  position += length;
  return character;
}

std::optional<std::string> ToAnsi(std::string_view utf8) {
  std::string ansi;
  ansi.reserve(utf8.size());
  std::size_t position = 0;
  while (position < utf8.size()) {
    const std::optional<char32_t> character = DecodeUtf8(utf8, position);
    if (!character) return std::nullopt;
    const std::optional<char> byte = ByteOf(*character);
    if (!byte) return std::nullopt;
    ansi.push_back(*byte);
  }
  return ansi;
}

bool IsAnsiRepresentable(std::string_view utf8) { return ToAnsi(utf8).has_value(); }

}  // namespace kit
