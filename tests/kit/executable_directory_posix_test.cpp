// The running program's directory, found without a toolkit.
#include "kit/system.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ExecutableDirectoryTest, IsTheDirectoryThatHoldsThisTestProgram) {
  const kit::Result<std::string> found = kit::RealSystem().ExecutableDirectory();
  ASSERT_TRUE(found);
  const std::string& directory = *found;
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.front(), '/');
  EXPECT_NE(directory.back(), '/');
  EXPECT_TRUE(std::filesystem::equivalent(directory, ZVC_TEST_PROGRAM_DIRECTORY));
}

}  // namespace
