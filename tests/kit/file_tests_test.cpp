// File and directory tests, directory creation and the language listing,
// on real directories.
#include "kit/file_tests.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;

const std::string kTooLongName(300, 'n');

TEST(FileTest, OrdinaryFileExists) {
  ScratchDirectory dir;
  WriteBytes(dir / "Zantrel Velquist.exe", "MZ");
  EXPECT_TRUE(kit::FileExists(dir / "Zantrel Velquist.exe"));
}

TEST(FileTest, EmptyFileExists) {
  ScratchDirectory dir;
  WriteBytes(dir / "empty", "");
  EXPECT_TRUE(kit::FileExists(dir / "empty"));
}

TEST(FileTest, MissingFileOrDirectoryOnTheWayGivesFalse) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", "x");
  EXPECT_FALSE(kit::FileExists(dir / "missing"));
  EXPECT_FALSE(kit::FileExists(dir / "missing/file"));
  EXPECT_FALSE(kit::FileExists(dir / "file/below"));  // a file where a directory should be
  EXPECT_FALSE(kit::FileExists(dir / "file/"));
  EXPECT_FALSE(kit::FileExists(""));
}

TEST(FileTest, DirectoryIsNoFile) {
  ScratchDirectory dir;
  fs::create_directory(dir / "x.lng");
  EXPECT_FALSE(kit::FileExists(dir / "x.lng"));
  EXPECT_FALSE(kit::FileExists(dir.path().string()));
}

TEST(FileTest, HiddenFileCountsAsAbsent) {
  ScratchDirectory dir;
  WriteBytes(dir / ".hidden.exe", "x");
  WriteBytes(dir / ".lng", "x");
  EXPECT_FALSE(kit::FileExists(dir / ".hidden.exe"));
  EXPECT_FALSE(kit::FileExists(dir / ".lng"));
}

TEST(FileTest, FileInsideHiddenDirectoryCounts) {
  ScratchDirectory dir;
  fs::create_directory(dir / ".config");
  WriteBytes(dir / ".config/visible", "x");
  EXPECT_TRUE(kit::FileExists(dir / ".config/visible"));
}

TEST(FileTest, NamesCompareWithRegardToCase) {
  ScratchDirectory dir;
  WriteBytes(dir / "Français.lng", "x");
  EXPECT_TRUE(kit::FileExists(dir / "Français.lng"));
  EXPECT_FALSE(kit::FileExists(dir / "français.lng"));
  EXPECT_FALSE(kit::FileExists(dir / "Français.LNG"));
}

TEST(FileTest, LinksAreFollowed) {
  ScratchDirectory dir;
  WriteBytes(dir / "target", "x");
  fs::create_directory(dir / "directory");
  fs::create_symlink(dir / "target", dir / "link");
  fs::create_symlink(dir / "missing", dir / "dangling");
  fs::create_symlink(dir / "directory", dir / "directory-link");
  EXPECT_TRUE(kit::FileExists(dir / "link"));
  EXPECT_FALSE(kit::FileExists(dir / "dangling"));
  EXPECT_FALSE(kit::FileExists(dir / "directory-link"));
}

// A path that the system cannot form names no file, as a language typed
// too long for a file name must not end the wizard.
TEST(FileTest, PathThatCannotBeFormedGivesFalse) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", "x");
  EXPECT_FALSE(kit::FileExists(dir / kTooLongName));
  EXPECT_FALSE(kit::FileExists(dir / (std::string(252, 'n') + ".lng")));
  EXPECT_FALSE(kit::FileExists(dir / (kTooLongName + "/file")));
  EXPECT_FALSE(kit::FileExists(dir.WithSeparator() + std::string(5000, 'n')));
  EXPECT_FALSE(kit::FileExists(dir.WithSeparator() + std::string("file\0.lng", 9)));
}

TEST(FileTest, UnusablePathThrows) {
  ScratchDirectory dir;
  fs::create_symlink(dir / "loop-b", dir / "loop-a");
  fs::create_symlink(dir / "loop-a", dir / "loop-b");
  EXPECT_THROW(kit::FileExists(dir / "loop-a"), fs::filesystem_error);
}

TEST(DirectoryTest, TrailingSeparatorDoesNotMatter) {
  ScratchDirectory dir;
  fs::create_directory(dir / "Output");
  EXPECT_TRUE(kit::DirectoryExists(dir / "Output"));
  EXPECT_TRUE(kit::DirectoryExists(dir / "Output/"));
}

TEST(DirectoryTest, FileOrMissingPathIsNoDirectory) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", "x");
  EXPECT_FALSE(kit::DirectoryExists(dir / "file"));
  EXPECT_FALSE(kit::DirectoryExists(dir / "file/"));
  EXPECT_FALSE(kit::DirectoryExists(dir / "missing/"));
  EXPECT_FALSE(kit::DirectoryExists(dir / "missing/below/"));
  EXPECT_FALSE(kit::DirectoryExists(""));
}

TEST(DirectoryTest, LinkToDirectoryCounts) {
  ScratchDirectory dir;
  fs::create_directory(dir / "real");
  fs::create_symlink(dir / "real", dir / "link");
  EXPECT_TRUE(kit::DirectoryExists(dir / "link/"));
}

TEST(DirectoryTest, PathThatCannotBeFormedGivesFalse) {
  ScratchDirectory dir;
  fs::create_directory(dir / "d");
  EXPECT_FALSE(kit::DirectoryExists(dir / (kTooLongName + "/")));
  EXPECT_FALSE(kit::DirectoryExists(dir.WithSeparator() + std::string("d\0", 2)));
}

TEST(DirectoryTest, UnusablePathThrows) {
  ScratchDirectory dir;
  fs::create_symlink(dir / "loop-b", dir / "loop-a");
  fs::create_symlink(dir / "loop-a", dir / "loop-b");
  EXPECT_THROW(kit::DirectoryExists(dir / "loop-a/"), fs::filesystem_error);
}

TEST(DirectoryCreation, CreatesOneLevel) {
  ScratchDirectory dir;
  kit::CreateDirectoryLevel(dir / "Output/");
  EXPECT_TRUE(fs::is_directory(dir / "Output"));
  kit::CreateDirectoryLevel(dir / "Output/Mon Programme");
  EXPECT_TRUE(fs::is_directory(dir / "Output/Mon Programme"));
}

TEST(DirectoryCreation, ExistingDirectoryIsLeftAsItIs) {
  ScratchDirectory dir;
  fs::create_directory(dir / "Output");
  WriteBytes(dir / "Output/kept", "x");
  EXPECT_NO_THROW(kit::CreateDirectoryLevel(dir / "Output"));
  EXPECT_EQ(kit_test::ReadBytes(dir / "Output/kept"), "x");
}

TEST(DirectoryCreation, MissingParentThrows) {
  ScratchDirectory dir;
  EXPECT_THROW(kit::CreateDirectoryLevel(dir / "a/b"), fs::filesystem_error);
  EXPECT_FALSE(fs::exists(dir / "a"));
}

TEST(DirectoryCreation, FileInItsPlaceThrows) {
  ScratchDirectory dir;
  WriteBytes(dir / "Output", "file");
  EXPECT_THROW(kit::CreateDirectoryLevel(dir / "Output"), fs::filesystem_error);
  EXPECT_EQ(kit_test::ReadBytes(dir / "Output"), "file");
}

TEST(DirectoryCreation, InvalidNameThrows) {
  ScratchDirectory dir;
  EXPECT_THROW(kit::CreateDirectoryLevel(dir / kTooLongName), fs::filesystem_error);
}

std::set<std::string> AsSet(const std::vector<std::string>& names) { return {names.begin(), names.end()}; }

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

  const std::vector<std::string> names = kit::ListFilesWithExtension(dir.WithSeparator(), ".lng");
  EXPECT_EQ(names.size(), 3u);
  EXPECT_EQ(AsSet(names), (std::set<std::string>{"Français.lng", "Anglais.lng", "English.lng"}));
}

TEST(LanguageListing, EveryListedNamePassesTheFileTest) {
  ScratchDirectory dir;
  for (const std::string name : {"a.lng", "B.lng", ".c.lng", "d.LNG", "e.lng"}) WriteBytes(dir / name, name);
  fs::create_directory(dir / "f.lng");
  for (const std::string& name : kit::ListFilesWithExtension(dir.WithSeparator(), ".lng"))
    EXPECT_TRUE(kit::FileExists(dir.WithSeparator() + name)) << name;
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
  const std::vector<std::string> names = kit::ListFilesWithExtension(dir.WithSeparator(), ".lng");
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

TEST(LanguageListing, MissingDirectoryGivesAnEmptyList) {
  ScratchDirectory dir;
  EXPECT_TRUE(kit::ListFilesWithExtension(dir / "Language Files/", ".lng").empty());
  WriteBytes(dir / "file", "x");
  EXPECT_TRUE(kit::ListFilesWithExtension(dir / "file/", ".lng").empty());
}

TEST(LanguageListing, EmptyDirectoryGivesAnEmptyList) {
  ScratchDirectory dir;
  WriteBytes(dir / ".only-hidden.lng", "x");
  EXPECT_TRUE(kit::ListFilesWithExtension(dir.WithSeparator(), ".lng").empty());
}

TEST(LanguageListing, UnusablePathThrows) {
  ScratchDirectory dir;
  EXPECT_THROW(kit::ListFilesWithExtension(dir / (kTooLongName + "/"), ".lng"), fs::filesystem_error);
}

}  // namespace
