// UTF-8 text to the bytes of the generated kit files: Windows-1252 on
// Linux, and on Windows whenever the system's code page is 1252 (the cases
// for other code pages are in kit_writers_win_test.cpp).
#include "kit/ansi_encoding.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "kit_test_support.h"

namespace {

// UTF-8 form of a code point, written out by hand so that the tests do not
// lean on the code under test.
std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string Byte(unsigned value) { return std::string(1, static_cast<char>(value)); }

// The cases below that hold for Windows-1252 only.
#define SKIP_UNLESS_WINDOWS_1252()                                                             \
  if (kit::AnsiCodePage() != 1252) GTEST_SKIP() << "code page " << kit::AnsiCodePage() << ", not 1252"

TEST(AnsiEncoding, CodePageNames) {
  EXPECT_EQ(kit::AnsiCodePageName(1252), "Windows-1252");
  EXPECT_EQ(kit::AnsiCodePageName(1250), "Windows-1250");
  EXPECT_EQ(kit::AnsiCodePageName(65001), "UTF-8");
}

TEST(AnsiEncoding, AsciiIsUnchanged) {
  EXPECT_EQ(kit::ToAnsi("Mon Programme 1.0.0.0"), "Mon Programme 1.0.0.0");
  EXPECT_EQ(kit::ToAnsi(std::string("\0\x7F\r\n", 4)), std::string("\0\x7F\r\n", 4));
  EXPECT_EQ(kit::ToAnsi(""), "");
}

TEST(AnsiEncoding, FrenchLettersTakeOneByte) {
  SKIP_UNLESS_WINDOWS_1252();
  EXPECT_EQ(kit::ToAnsi("É"), Byte(0xC9));
  EXPECT_EQ(kit::ToAnsi("é"), Byte(0xE9));
  EXPECT_EQ(kit::ToAnsi("Éditeur"),
            "\xC9"
            "diteur");
  EXPECT_EQ(kit::ToAnsi("Français à l'été"),
            "Fran\xE7"
            "ais \xE0 l'\xE9t\xE9");
}

TEST(AnsiEncoding, LatinOneRangeKeepsItsCodes) {
  SKIP_UNLESS_WINDOWS_1252();
  for (char32_t c = 0xA0; c <= 0xFF; ++c)
    EXPECT_EQ(kit::ToAnsi(Utf8(c)), Byte(c)) << std::hex << static_cast<unsigned>(c);
}

TEST(AnsiEncoding, TypographicCharactersTakeTheirWindowsBytes) {
  SKIP_UNLESS_WINDOWS_1252();
  const std::map<char32_t, unsigned> samples = {
      {0x20AC, 0x80}, {0x201A, 0x82}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93},
      {0x2026, 0x85}, {0x2122, 0x99}, {0x0153, 0x9C}, {0x0178, 0x9F}, {0x2013, 0x96}, {0x2014, 0x97},
  };
  for (const auto& [character, byte] : samples)
    EXPECT_EQ(kit::ToAnsi(Utf8(character)), Byte(byte)) << std::hex << static_cast<unsigned>(character);
  EXPECT_EQ(kit::ToAnsi("L’Œuvre — 5 €"), "L\x92\x8Cuvre \x97 5 \x80");
}

// The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) have no character in the Linux edition's table; Windows' own table
// gives each to the C1 control of the same number. Those controls never
// reach a kit file: the entry rules refuse control characters.
using kit_test::kControlsWithAByte;

// Over all of Unicode, exactly 251 characters have a byte, each its own (and
// the five controls above on Windows).
TEST(AnsiEncoding, CodePageIsOneToOneOnItsTwoHundredFiftyOneCharacters) {
  SKIP_UNLESS_WINDOWS_1252();
  std::set<unsigned char> bytes;
  int representable = 0;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::optional<std::string> ansi = kit::ToAnsi(Utf8(c));
    if (!ansi) continue;
    ASSERT_EQ(ansi->size(), 1u) << std::hex << static_cast<unsigned>(c);
    ++representable;
    bytes.insert(static_cast<unsigned char>((*ansi)[0]));
  }
  EXPECT_EQ(representable, 251 + static_cast<int>(kControlsWithAByte.size()));
  EXPECT_EQ(bytes.size(), 251u + kControlsWithAByte.size());
  for (unsigned undefined : {0x81u, 0x8Du, 0x8Fu, 0x90u, 0x9Du})
    EXPECT_EQ(bytes.count(undefined), kControlsWithAByte.count(undefined)) << undefined;
}

TEST(AnsiEncoding, ControlCharactersOfTheHighRangeHaveNoByte) {
  SKIP_UNLESS_WINDOWS_1252();
  for (char32_t c = 0x80; c <= 0x9F; ++c) {
    if (kControlsWithAByte.count(c)) {
      EXPECT_EQ(kit::ToAnsi(Utf8(c)), Byte(c)) << std::hex << static_cast<unsigned>(c);
    } else {
      EXPECT_EQ(kit::ToAnsi(Utf8(c)), std::nullopt) << std::hex << static_cast<unsigned>(c);
    }
  }
}

TEST(AnsiEncoding, UnrepresentableCharacterGivesNothing) {
  SKIP_UNLESS_WINDOWS_1252();
  EXPECT_EQ(kit::ToAnsi("日本"), std::nullopt);
  EXPECT_EQ(kit::ToAnsi("Programme " + Utf8(0x0100)), std::nullopt);
  EXPECT_EQ(kit::ToAnsi(Utf8(0x1F600)), std::nullopt);
  EXPECT_FALSE(kit::IsAnsiRepresentable("Éditeur 日本"));
  EXPECT_TRUE(kit::IsAnsiRepresentable("Éditeur €"));
}

TEST(AnsiEncoding, InvalidUtf8GivesNothing) {
  for (const std::string& bad : {
           std::string("\x80"),              // continuation byte without a lead
           std::string("\xC3"),              // sequence cut short
           std::string("a\xC3z"),            // lead byte followed by no continuation
           std::string("\xC0\xAF"),          // overlong form of '/'
           std::string("\xC1\xBF"),          // overlong two-byte form
           std::string("\xE0\x80\xAF"),      // overlong three-byte form
           std::string("\xF0\x80\x80\xAF"),  // overlong four-byte form
           std::string("\xED\xA0\x80"),      // surrogate U+D800
           std::string("\xF4\x90\x80\x80"),  // above U+10FFFF
           std::string("\xF5\x80\x80\x80"), std::string("\xFF"),
           std::string("\xE9t\xE9"),  // Latin-1 text, not UTF-8
       }) {
    EXPECT_EQ(kit::ToAnsi(bad), std::nullopt);
    EXPECT_FALSE(kit::IsAnsiRepresentable(bad));
  }
}

}  // namespace
