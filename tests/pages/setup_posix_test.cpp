// The set-up cases that hold on Linux only; setup_win_test.cpp has their
// counterparts.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "setup_test_fixture.h"

namespace {

using setup_test::kLanguages;
using setup_test::kNoLanguage;
using setup_test::SetUpTest;

// Names compare as the file system compares them: with regard to case on
// Linux.
TEST_F(SetUpTest, AnUpperCaseExtensionIsListedOnWindowsOnly) {
  tree.Remove(Language("Français.lng"));
  tree.Write(Language("ALLEMAND.LNG"), "de");
  OpenParameterPage();
  ExpectEndedWith(kNoLanguage);
}

// On Linux a name beginning with a point is hidden.
TEST_F(SetUpTest, AFileNamedOnlyByTheExtension) {
  tree.Remove(Language("Français.lng"));
  tree.Write(Language(".lng"), "x");
  OpenParameterPage();
  ExpectEndedWith(kNoLanguage);
}

// A language folder that cannot be read (here a loop of links) is no
// missing language: it ends the application through the platform's report
// of an uncaught error, which gives the cause in French and the folder.
TEST_F(SetUpTest, AnUnreadableLanguageFolderIsReportedByItsCauseAndPath) {
  tree.Remove(kLanguages);
  std::filesystem::create_directory_symlink("Language Files", tree.Path(kLanguages));
  try {
    OpenParameterPage();
    ADD_FAILURE() << "the set-up went on";
  } catch (const std::exception& error) {
    EXPECT_EQ(std::string(error.what()), "trop de liens : " + tree.Root() + "/" + kLanguages + "/");
  }
}

}  // namespace
