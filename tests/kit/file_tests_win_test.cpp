// The file tests and the language listing where Windows has rules of its
// own: hidden and system attributes, names compared without regard to case,
// short 8.3 aliases, device names, the search order of the system.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "kit/system.h"
#include "kit/kit_layout.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using kit_test::PathOf;
using kit_test::ScratchDirectory;
using kit_test::Utf8Of;
using kit_test::WriteBytes;

void AddAttributes(const std::string& path, DWORD attributes) {
  const fs::path native = PathOf(path);
  ASSERT_TRUE(SetFileAttributesW(native.c_str(), GetFileAttributesW(native.c_str()) | attributes)) << path;
}

// The names the system's own search gives for the pattern, in its order.
std::vector<std::string> SearchedNames(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(PathOf(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(Utf8Of(fs::path(found.cFileName))); while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::set<std::string> AsSet(const std::vector<std::string>& names) { return {names.begin(), names.end()}; }

TEST(FileTestWindows, HiddenOrSystemFileCountsAsAbsent) {
  ScratchDirectory dir;
  for (const char* name : {"hidden.exe", "system.exe", "both.exe", "read-only.exe"}) WriteBytes(dir / name, "MZ");
  AddAttributes(dir / "hidden.exe", FILE_ATTRIBUTE_HIDDEN);
  AddAttributes(dir / "system.exe", FILE_ATTRIBUTE_SYSTEM);
  AddAttributes(dir / "both.exe", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  AddAttributes(dir / "read-only.exe", FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(kit_test::FileExists(dir / "hidden.exe"));
  EXPECT_FALSE(kit_test::FileExists(dir / "system.exe"));
  EXPECT_FALSE(kit_test::FileExists(dir / "both.exe"));
  EXPECT_TRUE(kit_test::FileExists(dir / "read-only.exe"));
  SetFileAttributesW(PathOf(dir / "read-only.exe").c_str(), FILE_ATTRIBUTE_NORMAL);  // so that it can be removed
}

TEST(FileTestWindows, FileInsideHiddenDirectoryCounts) {
  ScratchDirectory dir;
  fs::create_directory(PathOf(dir / "Caché"));
  AddAttributes(dir / "Caché", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(dir / "Caché\\visible", "x");
  EXPECT_TRUE(kit_test::FileExists(dir / "Caché\\visible"));
}

// A device name answers with file attributes in any directory.
TEST(FileTestWindows, DeviceNameIsNoFile) {
  ScratchDirectory dir;
  EXPECT_FALSE(kit_test::FileExists(dir / "NUL"));
  EXPECT_FALSE(kit_test::FileExists(dir / "CON"));
}

TEST(FileTestWindows, NameWindowsCannotHoldIsAbsent) {
  ScratchDirectory dir;
  EXPECT_FALSE(kit_test::FileExists(dir / "a*b.lng"));
  EXPECT_FALSE(kit_test::FileExists(dir / "a?.lng"));
  EXPECT_FALSE(kit_test::FileExists(std::string("bad \xC3")));  // not UTF-8
}

TEST(DirectoryTestWindows, BothSeparatorsAndATrailingOneAreAccepted) {
  ScratchDirectory dir;
  fs::create_directory(PathOf(dir / "Output"));
  EXPECT_TRUE(kit_test::DirectoryExists(dir / "Output\\"));
  EXPECT_TRUE(kit_test::DirectoryExists(dir / "Output/"));
  EXPECT_TRUE(kit_test::DirectoryExists(dir / "OUTPUT"));
}

TEST(DirectoryCreationWindows, CreatesOneLevelWithATrailingBackslash) {
  ScratchDirectory dir;
  kit_test::CreateDirectoryLevel(dir / "Output\\");
  kit_test::CreateDirectoryLevel(dir / "Output\\Éditeur\\");
  EXPECT_TRUE(fs::is_directory(PathOf(dir / "Output\\Éditeur")));
  EXPECT_NO_THROW(kit_test::CreateDirectoryLevel(dir / "OUTPUT\\"));
  EXPECT_THROW(kit_test::CreateDirectoryLevel(dir / "a\\b\\"), kit::SystemFailure);
}

TEST(LanguageListingWindows, VisibleOrdinaryFilesWhateverTheCaseOfTheExtension) {
  ScratchDirectory dir;
  // Windows does not hide a name that begins with a point: ".lng" is listed.
  for (const char* name : {"Français.lng", "ALLEMAND.LNG", "Anglais.Lng", ".lng", "Caché.lng", "Système.lng",
                           "Espagnol.lng.bak", "notes.txt"})
    WriteBytes(dir / name, name);
  AddAttributes(dir / "Caché.lng", FILE_ATTRIBUTE_HIDDEN);
  AddAttributes(dir / "Système.lng", FILE_ATTRIBUTE_SYSTEM);
  fs::create_directory(PathOf(dir / "x.lng"));

  const std::vector<std::string> names = kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng");
  EXPECT_EQ(names.size(), 4u);
  EXPECT_EQ(AsSet(names), (std::set<std::string>{"Français.lng", "ALLEMAND.LNG", "Anglais.Lng", ".lng"}));
  // Each comes back through its entry, with the extension in lower case.
  for (const std::string& name : names)
    EXPECT_TRUE(kit_test::FileExists(dir.WithSeparator() + kit::LanguageEntryFromFileName(name) + ".lng")) << name;
}

// "*.lng" also matches a long name whose short 8.3 alias ends with ".LNG"
// ("a.lngx" is "A~1.LNG"); such a name would fail the file test once chosen.
TEST(LanguageListingWindows, NameMatchedOnlyThroughItsShortAliasIsNotListed) {
  ScratchDirectory dir;
  WriteBytes(dir / "a.lngx", "x");
  WriteBytes(dir / "Langue.lngbak", "x");
  if (SearchedNames(dir / "*.lng").empty()) GTEST_SKIP() << "this file system gives no 8.3 aliases";
  EXPECT_TRUE(kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng").empty());
}

// The names come in the order of the system's search, never sorted.
TEST(LanguageListingWindows, SearchOrderIsKept) {
  ScratchDirectory dir;
  for (int i = 0; i < 40; ++i) WriteBytes(dir / ("langue " + std::to_string((i * 17) % 40) + ".lng"), "x");
  const std::vector<std::string> names = kit_test::ListFilesWithExtension(dir.WithSeparator(), ".lng");
  EXPECT_EQ(names.size(), 40u);
  EXPECT_EQ(names, SearchedNames(dir / "*.lng"));
}

}  // namespace
