// UTF-8 <-> UTF-16 at the boundary of the Windows API.
#include "text/utf16.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf16, RoundTripsEveryPlane) {
  const std::string utf8 = "Français € 日本 \xF0\x9D\x84\x9E";  // U+1D11E takes a surrogate pair
  const std::optional<std::u16string> utf16 = text::Utf8ToUtf16(utf8);
  ASSERT_TRUE(utf16);
  EXPECT_EQ(*utf16, u"Français € 日本 \U0001D11E");
  EXPECT_EQ(text::Utf16ToUtf8(*utf16), utf8);
  EXPECT_EQ(text::Utf8ToUtf16(""), u"");
}

TEST(Utf16, InvalidTextIsRefusedNotPatched) {
  EXPECT_EQ(text::Utf8ToUtf16("bad \xC3"), std::nullopt);
  EXPECT_EQ(text::Utf8ToUtf16("\xED\xA0\x80"), std::nullopt);  // an encoded surrogate
  EXPECT_EQ(text::Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), std::nullopt);
  EXPECT_EQ(text::Utf16ToUtf8(std::u16string{char16_t{0xDC00}, u'a'}), std::nullopt);
  EXPECT_EQ(text::Utf16ToUtf8(std::u16string{char16_t{0xD800}, u'a'}), std::nullopt);
}

}  // namespace
