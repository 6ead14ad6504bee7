// The set-up cases that hold on Linux only; setup_win_test.cpp has their
// counterparts.
#include <gtest/gtest.h>

#include "setup_test_fixture.h"

namespace {

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

}  // namespace
