// The file tests and the language listing where Linux has rules of its own:
// a name beginning with a point is hidden, names compare with regard to
// case, links are followed, the listing keeps the order of readdir.
#include <dirent.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "kit/system.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;

const std::string kTooLongName(300, 'n');

std::set<std::string> AsSet(const std::vector<std::string>& names) { return {names.begin(), names.end()}; }

TEST(FileTest, HiddenFileCountsAsAbsent) {
  ScratchDirectory dir;
  WriteBytes(dir / ".hidden.exe", "x");
  WriteBytes(dir / ".lng", "x");
  EXPECT_FALSE(kit_test::FileExists(dir / ".hidden.exe"));
  EXPECT_FALSE(kit_test::FileExists(dir / ".lng"));
}

TEST(FileTest, FileInsideHiddenDirectoryCounts) {
  ScratchDirectory dir;
  fs::create_directory(dir / ".config");
  WriteBytes(dir / ".config/visible", "x");
  EXPECT_TRUE(kit_test::FileExists(dir / ".config/visible"));
}

TEST(FileTest, LinksAreFollowed) {
  ScratchDirectory dir;
  WriteBytes(dir / "target", "x");
  fs::create_directory(dir / "directory");
  fs::create_symlink(dir / "target", dir / "link");
  fs::create_symlink(dir / "missing", dir / "dangling");
  fs::create_symlink(dir / "directory", dir / "directory-link");
  EXPECT_TRUE(kit_test::FileExists(dir / "link"));
  EXPECT_FALSE(kit_test::FileExists(dir / "dangling"));
  EXPECT_FALSE(kit_test::FileExists(dir / "directory-link"));
}

TEST(FileTest, UnusablePathThrows) {
  ScratchDirectory dir;
  fs::create_symlink(dir / "loop-b", dir / "loop-a");
  fs::create_symlink(dir / "loop-a", dir / "loop-b");
  EXPECT_THROW(kit_test::FileExists(dir / "loop-a"), kit::SystemFailure);
}

TEST(DirectoryTest, LinkToDirectoryCounts) {
  ScratchDirectory dir;
  fs::create_directory(dir / "real");
  fs::create_symlink(dir / "real", dir / "link");
  EXPECT_TRUE(kit_test::DirectoryExists(dir / "link/"));
}

TEST(LanguageListing, OnlyVisibleOrdinaryFilesWithTheExtension) {
  ScratchDirectory dir;
  WriteBytes(dir / "Français.lng", "fr");
  WriteBytes(dir / "Anglais.lng", "en");
  WriteBytes(dir / ".Caché.lng", "hidden");
  WriteBytes(dir / ".lng", "hidden too");
  WriteBytes(dir / "Allemand.LNG", "other case");
  WriteBytes(dir / "Espagnol.lng.bak", "other extension");
  WriteBytes(dir / "notes.txt", "other extension");
  fs::create_directory(dir / "x.lng");
  fs::create_symlink(dir / "Anglais.lng", dir / "English.lng");
  fs::create_symlink(dir / "missing.lng", dir / "Dangling.lng");
  fs::create_symlink(dir / "x.lng", dir / "Directory link.lng");

  const std::vector<std::string> names = kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng");
  EXPECT_EQ(names.size(), 3u);
  EXPECT_EQ(AsSet(names), (std::set<std::string>{"Français.lng", "Anglais.lng", "English.lng"}));
}

// The names come in the order in which the directory gives them: the same
// order as a plain readdir, whatever that order is.
TEST(LanguageListing, DirectoryOrderIsKept) {
  ScratchDirectory dir;
  std::set<std::string> written;
  for (int i = 0; i < 40; ++i) {
    const std::string name = "langue " + std::to_string((i * 17) % 40) + ".lng";
    WriteBytes(dir / name, "x");
    written.insert(name);
  }
  const std::vector<std::string> names = kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng");
  EXPECT_EQ(names.size(), written.size());
  EXPECT_EQ(AsSet(names), written);

  std::vector<std::string> directoryOrder;
  DIR* stream = ::opendir(dir.path().c_str());
  ASSERT_NE(stream, nullptr);
  while (const dirent* entry = ::readdir(stream)) {
    const std::string name = entry->d_name;
    if (name.front() != '.') directoryOrder.push_back(name);
  }
  ::closedir(stream);
  EXPECT_EQ(names, directoryOrder);
}

TEST(LanguageListing, EmptyDirectoryGivesAnEmptyList) {
  ScratchDirectory dir;
  WriteBytes(dir / ".only-hidden.lng", "x");
  EXPECT_TRUE(kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng").empty());
}

TEST(DirectoryTest, UnusablePathThrows) {
  ScratchDirectory dir;
  fs::create_symlink(dir / "loop-b", dir / "loop-a");
  fs::create_symlink(dir / "loop-a", dir / "loop-b");
  EXPECT_THROW(kit_test::DirectoryExists(dir / "loop-a/"), kit::SystemFailure);
}

TEST(LanguageListing, UnusablePathThrows) {
  ScratchDirectory dir;
  EXPECT_THROW(kit_test::ListFilesWithExtension(dir / (kTooLongName + "/"), ".lng"), kit::SystemFailure);
}

}  // namespace
