// The set-up cases that hold on Windows only; setup_posix_test.cpp has their
// counterparts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup_test_fixture.h"

namespace {

using setup_test::SetUpTest;
using ui::ControlId;

// Names compare as the file system compares them: without regard to case on
// Windows, where a name found is always found again.
TEST_F(SetUpTest, AnUpperCaseExtensionIsListedOnWindowsOnly) {
  tree.Remove(Language("Français.lng"));
  tree.Write(Language("ALLEMAND.LNG"), "de");
  OpenParameterPage();
  EXPECT_EQ(Window().Items(ControlId::Combo1), std::vector<std::string>{"ALLEMAND"});
  EXPECT_TRUE(platform.messages.empty());
}

// On Windows the file whose whole name is the extension gives an empty entry.
TEST_F(SetUpTest, AFileNamedOnlyByTheExtension) {
  tree.Remove(Language("Français.lng"));
  tree.Write(Language(".lng"), "x");
  OpenParameterPage();
  EXPECT_EQ(Window().Items(ControlId::Combo1), std::vector<std::string>{""});
}

}  // namespace
