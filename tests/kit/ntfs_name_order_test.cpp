// The order of the language listing: that of Windows on NTFS, compared by
// upper-case UTF-16 code units, whatever the file system would give.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kit/ntfs_name_order.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), kit::NtfsNameLess);
  return names;
}

TEST(NtfsNameOrderTest, ComparesUpperCaseCodeUnitsAsNtfsDoes) {
  // "Anglais" before "Français" (tmpfs and ext4 give either); case does not
  // count ("anglais" among capitals); "_" (0x5F) comes after the upper-case
  // letters though before the lower-case ones; "é" (0xE9 → 0xC9) after every
  // ASCII letter; a whole name with its extension, so "A-B" before "A".
  EXPECT_EQ(Sorted({"Français.lng", "_x.lng", "Zoulou.lng", "anglais.lng", "Éwé.lng", "A.lng", "A-B.lng"}),
            (std::vector<std::string>{"A-B.lng", "A.lng", "anglais.lng", "Français.lng", "Zoulou.lng", "_x.lng",
                                      "Éwé.lng"}));
}

TEST(NtfsNameOrderTest, OrdersByUtf16CodeUnitsNotByCodePoints) {
  // U+1F600 is the surrogate pair D83D DE00, which comes before U+FF21
  // (full-width A) in UTF-16 though after it as a code point.
  EXPECT_TRUE(kit::NtfsNameLess("\xF0\x9F\x98\x80", "\xEF\xBC\xA1"));
  // Letters beyond Latin-1 meet their capitals; the dotless i stays apart from I.
  EXPECT_EQ(kit::NtfsUpperCase(u'ž'), u'Ž');
  EXPECT_EQ(kit::NtfsUpperCase(u'я'), u'Я');
  EXPECT_EQ(kit::NtfsUpperCase(u'ÿ'), u'Ÿ');
  EXPECT_EQ(kit::NtfsUpperCase(u'ς'), u'Σ');
  EXPECT_EQ(kit::NtfsUpperCase(u'ı'), u'ı');
  EXPECT_EQ(kit::NtfsUpperCase(u'÷'), u'÷');
}

TEST(NtfsNameOrderTest, NamesEqualInUpperCaseAndBytesNotUtf8KeepAFixedOrder) {
  EXPECT_EQ(Sorted({"b.lng", "B.lng"}), Sorted({"B.lng", "b.lng"}));
  EXPECT_TRUE(kit::NtfsNameLess("B.lng", "b.lng"));
  // A stray byte sorts as 0xDC00 + byte: after every BMP letter below the
  // surrogates, and consistently whatever its neighbours.
  EXPECT_TRUE(kit::NtfsNameLess("\xE9", "\xFF"));
  EXPECT_TRUE(kit::NtfsNameLess("Zoulou", "\xFF"));
  EXPECT_FALSE(kit::NtfsNameLess("\xFF", "\xFF"));
}

}  // namespace
