// The shape of the writers' temporary names.
#include "kit/temporary_names.h"

#include <gtest/gtest.h>

#include <set>

#include "kit/kit_layout.h"

namespace {

using kit::KitFile;

TEST(TemporaryName, IsHiddenFixedAndRecognised) {
  std::set<std::string> names;
  for (int i = 0; i < 1000; ++i) {
    const std::string name = kit::NewTemporaryName();
    EXPECT_EQ(name.size(), kit::kTemporaryNameLength);
    EXPECT_TRUE(name.starts_with(".zvc")) << name;
    EXPECT_TRUE(name.ends_with(".tmp")) << name;
    EXPECT_TRUE(kit::IsTemporaryName(name)) << name;
    names.insert(name);
  }
  EXPECT_GT(names.size(), 990u);
}

// The temporary file of any kit file, even for a one-character program
// name, has a name no longer than the kit file's own.
TEST(TemporaryName, NoLongerThanTheShortestKitFileName) {
  for (KitFile file : {KitFile::Updater, KitFile::Manifest, KitFile::Language, KitFile::Config, KitFile::Version}) {
    EXPECT_LE(kit::kTemporaryNameLength, 1 + kit::KitFileSuffix(file).size());
  }
}

// Only our own shape is recognised: a user's file that merely looks alike
// is never taken for a stale temporary file.
TEST(TemporaryName, OtherNamesAreNotRecognised) {
  for (const std::string name : {"", ".zvc.tmp", ".zvcabc123.tm", ".zvcabc123.tmpx", "x.zvcabc12.tmp",
                                 ".zvcABC123.tmp", ".zvcab 123.tmp", ".zvcab/123.tmp", ".zvcab.123.tmp",
                                 "zvcabc1234.tmp", ".ZVCabc123.tmp", ".zvcabc123.TMP", ".P - Update.exe.Ab3dE9"}) {
    EXPECT_FALSE(kit::IsTemporaryName(name)) << name;
  }
  EXPECT_TRUE(kit::IsTemporaryName(".zvcabc123.tmp"));
  EXPECT_TRUE(kit::IsTemporaryName(".zvc000000.tmp"));
}

}  // namespace
