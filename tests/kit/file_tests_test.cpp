// File and directory tests, directory creation and the language listing,
// on real directories.
#include "kit/system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "kit_test_support.h"
#include "system_facts.h"

namespace {

namespace fs = std::filesystem;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;

const std::string kTooLongName(300, 'n');

TEST(FileTest, OrdinaryFileExists) {
  ScratchDirectory dir;
  WriteBytes(dir / "Zantrel Velquist.exe", "MZ");
  EXPECT_TRUE(kit_test::FileExists(dir / "Zantrel Velquist.exe"));
}

TEST(FileTest, EmptyFileExists) {
  ScratchDirectory dir;
  WriteBytes(dir / "empty", "");
  EXPECT_TRUE(kit_test::FileExists(dir / "empty"));
}

TEST(FileTest, MissingFileOrDirectoryOnTheWayGivesFalse) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", "x");
  EXPECT_FALSE(kit_test::FileExists(dir / "missing"));
  EXPECT_FALSE(kit_test::FileExists(dir / "missing/file"));
  EXPECT_FALSE(kit_test::FileExists(dir / "file/below"));  // a file where a directory should be
  EXPECT_FALSE(kit_test::FileExists(dir / "file/"));
  EXPECT_FALSE(kit_test::FileExists(""));
}

TEST(FileTest, DirectoryIsNoFile) {
  ScratchDirectory dir;
  fs::create_directory(dir / "x.lng");
  EXPECT_FALSE(kit_test::FileExists(dir / "x.lng"));
  EXPECT_FALSE(kit_test::FileExists(dir.path().string()));
}

// A path that the system cannot form names no file, as a language typed
// too long for a file name must not end the wizard.
TEST(FileTest, PathThatCannotBeFormedGivesFalse) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", "x");
  EXPECT_FALSE(kit_test::FileExists(dir / kTooLongName));
  EXPECT_FALSE(kit_test::FileExists(dir / (std::string(252, 'n') + ".lng")));
  EXPECT_FALSE(kit_test::FileExists(dir / (kTooLongName + "/file")));
  EXPECT_FALSE(kit_test::FileExists(dir.WithSeparator() + std::string(5000, 'n')));
  EXPECT_FALSE(kit_test::FileExists(dir.WithSeparator() + std::string("file\0.lng", 9)));
}

TEST(DirectoryTest, TrailingSeparatorDoesNotMatter) {
  ScratchDirectory dir;
  fs::create_directory(dir / "Output");
  EXPECT_TRUE(kit_test::DirectoryExists(dir / "Output"));
  EXPECT_TRUE(kit_test::DirectoryExists(dir / "Output/"));
}

TEST(DirectoryTest, FileOrMissingPathIsNoDirectory) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", "x");
  EXPECT_FALSE(kit_test::DirectoryExists(dir / "file"));
  EXPECT_FALSE(kit_test::DirectoryExists(dir / "file/"));
  EXPECT_FALSE(kit_test::DirectoryExists(dir / "missing/"));
  EXPECT_FALSE(kit_test::DirectoryExists(dir / "missing/below/"));
  EXPECT_FALSE(kit_test::DirectoryExists(""));
}

TEST(DirectoryTest, PathThatCannotBeFormedGivesFalse) {
  ScratchDirectory dir;
  fs::create_directory(dir / "d");
  EXPECT_FALSE(kit_test::DirectoryExists(dir / (kTooLongName + "/")));
  EXPECT_FALSE(kit_test::DirectoryExists(dir.WithSeparator() + std::string("d\0", 2)));
}

TEST(DirectoryCreation, CreatesOneLevel) {
  ScratchDirectory dir;
  kit_test::CreateDirectoryLevel(dir / "Output/");
  EXPECT_TRUE(fs::is_directory(dir / "Output"));
  kit_test::CreateDirectoryLevel(dir / "Output/Mon Programme");
  EXPECT_TRUE(fs::is_directory(dir / "Output/Mon Programme"));
}

TEST(DirectoryCreation, ExistingDirectoryIsLeftAsItIs) {
  ScratchDirectory dir;
  fs::create_directory(dir / "Output");
  WriteBytes(dir / "Output/kept", "x");
  EXPECT_NO_THROW(kit_test::CreateDirectoryLevel(dir / "Output"));
  EXPECT_EQ(kit_test::ReadBytes(dir / "Output/kept"), "x");
}

// A folder that cannot be made is a failure that carries the system's error
// and the folder's path.
void ExpectCreationFails(const std::string& path) {
  const kit::Status made = kit::RealSystem().CreateDirectoryLevel(path);
  ASSERT_FALSE(made) << path;
  EXPECT_TRUE(made.error().code) << path;
  EXPECT_EQ(made.error().path, path);
}

TEST(DirectoryCreation, MissingParentFails) {
  ScratchDirectory dir;
  ExpectCreationFails(dir / "a/b");
  EXPECT_FALSE(fs::exists(dir / "a"));
}

TEST(DirectoryCreation, FileInItsPlaceFails) {
  ScratchDirectory dir;
  WriteBytes(dir / "Output", "file");
  ExpectCreationFails(dir / "Output");
  EXPECT_EQ(kit_test::ReadBytes(dir / "Output"), "file");
}

TEST(DirectoryCreation, InvalidNameFails) {
  ScratchDirectory dir;
  ExpectCreationFails(dir / kTooLongName);
}

// Names compare as the file system compares them: with regard to case on
// Linux, without on Windows.
TEST(FileTest, NamesCompareAsTheFileSystemDoes) {
  ScratchDirectory dir;
  WriteBytes(dir / "Français.lng", "x");
  EXPECT_TRUE(kit_test::FileExists(dir / "Français.lng"));
  for (const std::string other : {"français.lng", "Français.LNG", "FRANÇAIS.LNG"})
    EXPECT_EQ(kit_test::FileExists(dir / other), testing_support::kNamesCompareWithoutCase) << other;
}

TEST(LanguageListing, EveryListedNamePassesTheFileTest) {
  ScratchDirectory dir;
  for (const std::string name : {"a.lng", "B.lng", ".c.lng", "d.LNG", "e.lng"}) WriteBytes(dir / name, name);
  fs::create_directory(dir / "f.lng");
  for (const std::string& name : kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng"))
    EXPECT_TRUE(kit_test::FileExists(dir.WithSeparator() + name)) << name;
}

TEST(LanguageListing, MissingDirectoryGivesAnEmptyList) {
  ScratchDirectory dir;
  EXPECT_TRUE(kit_test::ListFilesWithExtension(dir / "Language Files/", ".lng").empty());
  WriteBytes(dir / "file", "x");
  EXPECT_TRUE(kit_test::ListFilesWithExtension(dir / "file/", ".lng").empty());
}

}  // namespace
