// The real file operations that the writers rest on.
#include "kit/system.h"

#include <gtest/gtest.h>

#include <set>

#include "kit/temporary_names.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using kit_test::NamesIn;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;

TEST(RealFileOperations, TemporaryFileIsHiddenBesideTheTargetAndUnique) {
  ScratchDirectory dir;
  kit::System& files = kit::RealSystem();
  std::set<std::string> paths;
  std::vector<kit::FileHandle> handles;
  for (int i = 0; i < 20; ++i) {
    std::string path;
    const kit::FileHandle file = kit_test::Opened(files.CreateTemporaryFor(dir / "P - Update.exe", path));
    ASSERT_NE(file, kit::kNoFile);
    handles.push_back(file);
    paths.insert(path);
    EXPECT_EQ(kit_test::PathOf(path).parent_path(), dir.path());
    EXPECT_TRUE(kit_test::IsHidden(path));
    EXPECT_TRUE(kit::IsTemporaryName(kit_test::Utf8Of(kit_test::PathOf(path).filename()))) << path;
  }
  EXPECT_EQ(paths.size(), 20u);
  EXPECT_FALSE(fs::exists(dir / "P - Update.exe"));
  for (kit::FileHandle file : handles) EXPECT_TRUE(files.Close(file));
  for (const std::string& path : paths) {
    EXPECT_EQ(fs::file_size(kit_test::PathOf(path)), 0u);
    EXPECT_TRUE(files.Remove(path));
  }
  EXPECT_TRUE(NamesIn(dir.path()).empty());
}

TEST(RealFileOperations, WrittenBytesReachTheFileWhenClosed) {
  ScratchDirectory dir;
  kit::System& files = kit::RealSystem();
  std::string path;
  const kit::FileHandle file = kit_test::Opened(files.CreateTemporaryFor(dir / "t", path));
  ASSERT_NE(file, kit::kNoFile);
  const std::string bytes = kit_test::PatternBytes(3 * kit::kStreamBufferSize + 17);
  for (std::size_t at = 0; at < bytes.size(); at += 1000)
    ASSERT_TRUE(files.Write(file, bytes.data() + at, std::min<std::size_t>(1000, bytes.size() - at)));
  ASSERT_TRUE(files.Close(file));
  ASSERT_TRUE(files.RenameOver(path, dir / "t"));
  EXPECT_EQ(kit_test::ReadBytes(dir / "t"), bytes);
}

TEST(RealFileOperations, ReadGivesFewerBytesOnlyAtTheEnd) {
  ScratchDirectory dir;
  const std::string bytes = kit_test::PatternBytes(kit::kStreamBufferSize + 100);
  WriteBytes(dir / "s", bytes);
  kit::System& files = kit::RealSystem();
  ASSERT_EQ(kit_test::Answer(files.FileLength(dir / "s")), bytes.size());
  const kit::FileHandle file = kit_test::Opened(files.OpenForReading(dir / "s"));
  ASSERT_NE(file, kit::kNoFile);
  std::string read(bytes.size() + 50, '\0');
  EXPECT_EQ(kit_test::Answer(files.Read(file, read.data(), kit::kStreamBufferSize - 1)), kit::kStreamBufferSize - 1);
  EXPECT_EQ(kit_test::Answer(files.Read(file, read.data() + kit::kStreamBufferSize - 1, 150)), 101u);
  EXPECT_EQ(kit_test::Answer(files.Read(file, read.data(), 10)), 0u);
  EXPECT_TRUE(files.Close(file));
  read.resize(bytes.size());
  EXPECT_EQ(read, bytes);
}

TEST(RealFileOperations, LengthOnlyForOrdinaryFiles) {
  ScratchDirectory dir;
  kit::System& files = kit::RealSystem();
  fs::create_directory(dir / "d");
  EXPECT_EQ(kit_test::Answer(files.FileLength(dir / "d")), std::nullopt);
  EXPECT_EQ(kit_test::Answer(files.FileLength(dir / "missing")), std::nullopt);
  EXPECT_EQ(kit_test::Answer(files.FileLength(kit_test::kNullDevice)), std::nullopt);
  EXPECT_EQ(kit_test::Opened(files.OpenForReading(dir / "missing")), kit::kNoFile);
}

TEST(RealFileOperations, TemporaryFileNeedsAnExistingDirectory) {
  ScratchDirectory dir;
  std::string path = "unchanged";
  EXPECT_EQ(kit_test::Opened(kit::RealSystem().CreateTemporaryFor(dir / "missing/t", path)), kit::kNoFile);
  EXPECT_EQ(path, "unchanged");
  EXPECT_EQ(kit_test::Opened(kit::RealSystem().CreateTemporaryFor(dir.WithSeparator(), path)), kit::kNoFile);
}

}  // namespace
