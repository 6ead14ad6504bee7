// Which program names, versions, addresses and language entries a kit can use.
#include <gtest/gtest.h>

#include <string>

#include "kit/entry_rules.h"

namespace {

using kit::CheckProgramName;
using kit::FolderNameRules;
using kit::NameProblem;

const std::string kDestination = "/opt/zvc/Output/";

TEST(EntryRulesTest, OrdinaryNamesPassOnBothSystems) {
  for (const char* name : {"Mon Programme", "Éditeur", "a.b", "Œuvre – 2", "x"}) {
    EXPECT_EQ(CheckProgramName(name, kDestination, FolderNameRules::Posix), std::nullopt) << name;
    EXPECT_EQ(CheckProgramName(name, "C:\\Outils\\Output\\", FolderNameRules::Windows), std::nullopt) << name;
  }
}

TEST(EntryRulesTest, FileNameCharactersDotsAndControlsAreRefusedEverywhere) {
  for (auto rules : {FolderNameRules::Posix, FolderNameRules::Windows}) {
    for (const char* name : {"a\\b", "a/b", "a:b", "a*", "a?", "\"a\"", "<a", "a>", "a|b", "../..", "..\\..",
                             "../Mon Programme"}) {
      EXPECT_EQ(CheckProgramName(name, kDestination, rules), NameProblem::RefusedCharacter) << name;
    }
    EXPECT_EQ(CheckProgramName(".", kDestination, rules), NameProblem::DotName);
    EXPECT_EQ(CheckProgramName("..", kDestination, rules), NameProblem::DotName);
    for (const std::string& name : {std::string("a\nb"), std::string("a\tb"), std::string("a\0b", 3), std::string("a\x7F"), std::string("a\xC2\x85"), std::string("Mon\r\nProgramme")}) {
      EXPECT_EQ(CheckProgramName(name, kDestination, rules), NameProblem::ControlCharacter);
    }
  }
}

TEST(EntryRulesTest, HiddenNamesAreRefusedOnLinuxOnly) {
  EXPECT_EQ(CheckProgramName(".config", kDestination, FolderNameRules::Posix), NameProblem::LeadingPoint);
  EXPECT_EQ(CheckProgramName(".config", "C:\\Output\\", FolderNameRules::Windows), std::nullopt);
}

TEST(EntryRulesTest, TheLongestKitFileNameMustFitTheFileSystem) {
  // The manifest copy, name + " - Update.exe.manifest", is the longest name.
  EXPECT_EQ(CheckProgramName(std::string(233, 'a'), kDestination, FolderNameRules::Posix), std::nullopt);
  EXPECT_EQ(CheckProgramName(std::string(234, 'a'), kDestination, FolderNameRules::Posix), NameProblem::TooLong);
  // Linux counts bytes: 117 two-byte letters are 234 bytes.
  std::string accented;
  for (int i = 0; i < 117; ++i) accented += "é";
  EXPECT_EQ(CheckProgramName(accented, kDestination, FolderNameRules::Posix), NameProblem::TooLong);
  // Windows counts characters, and limits the longest kit file's whole path
  // (destination, name twice, separator, suffix) to 259.
  std::string shorter;
  for (int i = 0; i < 110; ++i) shorter += "é";
  EXPECT_EQ(CheckProgramName(shorter, "C:\\", FolderNameRules::Windows), std::nullopt);
  EXPECT_EQ(CheckProgramName(accented, "C:\\", FolderNameRules::Windows), NameProblem::TooLong);
  // A character beyond U+FFFF takes two of the 259 (here the clef, U+1D11E):
  // 3 + 2 × 58 × 2 + 1 + 22 = 258, and 59 clefs make 262.
  std::string clefs;
  for (int i = 0; i < 58; ++i) clefs += "\xF0\x9D\x84\x9E";
  EXPECT_EQ(CheckProgramName(clefs, "C:\\", FolderNameRules::Windows), std::nullopt);
  EXPECT_EQ(CheckProgramName(clefs + "\xF0\x9D\x84\x9E", "C:\\", FolderNameRules::Windows), NameProblem::TooLong);
  const std::string deep = "C:\\" + std::string(220, 'd') + "\\Output\\";
  EXPECT_EQ(CheckProgramName("Mon Programme", deep, FolderNameRules::Windows), NameProblem::TooLong);
}

TEST(EntryRulesTest, WindowsDeviceNamesAndTrailingPointsAreRefusedOnWindowsOnly) {
  for (const char* name : {"CON", "con", "Prn", "AUX", "NUL", "COM1", "com9", "LPT1", "lpt1", "LPT9", "NUL.txt", "con.tar.gz"}) {
    EXPECT_EQ(CheckProgramName(name, "C:\\Output\\", FolderNameRules::Windows), NameProblem::ReservedDeviceName)
        << name;
    EXPECT_EQ(CheckProgramName(name, kDestination, FolderNameRules::Posix), std::nullopt) << name;
  }
  for (const char* name : {"COM0", "COM10", "LPT", "CONSOLE", "Nulle"}) {
    EXPECT_EQ(CheckProgramName(name, "C:\\Output\\", FolderNameRules::Windows), std::nullopt) << name;
  }
  EXPECT_EQ(CheckProgramName("Mon Programme.", "C:\\Output\\", FolderNameRules::Windows), NameProblem::EndsWithPoint);
  EXPECT_EQ(CheckProgramName("Mon Programme.", kDestination, FolderNameRules::Posix), std::nullopt);
}

TEST(EntryRulesTest, AVersionIsDigitsAndPointsInAnyOrder) {
  for (const char* version : {".", "1..2", "1000", "1.0.0.0"}) EXPECT_TRUE(kit::IsVersionText(version)) << version;
  for (const char* version : {"1.0bx-e", "1,0", "v1", "1 0", "1.0-beta", "Evil/..\\Name", "1.0é"}) {
    EXPECT_FALSE(kit::IsVersionText(version)) << version;
  }
}

TEST(EntryRulesTest, UnwritableCharactersAreNamed) {
  EXPECT_EQ(kit::FirstUnwritableCharacter("Mon Programme é € Œ"), std::nullopt);
  EXPECT_EQ(kit::FirstUnwritableCharacter("Programme 日本"), "日");
  EXPECT_EQ(kit::FirstUnwritableCharacter("ā"), "ā");
  EXPECT_EQ(kit::FirstUnwritableCharacter("\xFF" "abc"), "\xFF") << "a byte that is not UTF-8";
}

TEST(EntryRulesTest, LanguageEntriesNameOnlyFilesOfTheLanguageDirectory) {
  EXPECT_TRUE(kit::IsPlainLanguageEntry("Français"));
  EXPECT_TRUE(kit::IsPlainLanguageEntry(""));
  for (const char* entry : {".", "..", "../x", "a/b", "/etc/passwd"}) {
    EXPECT_FALSE(kit::IsPlainLanguageEntry(entry)) << entry;
  }
}

}  // namespace
