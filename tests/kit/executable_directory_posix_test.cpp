// The running program's directory, found without a toolkit.
#include "kit/executable_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ExecutableDirectoryTest, IsTheDirectoryThatHoldsThisTestProgram) {
  const std::string directory = kit::ExecutableDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.front(), '/');
  EXPECT_NE(directory.back(), '/');
  EXPECT_TRUE(std::filesystem::equivalent(directory, ZVC_TEST_PROGRAM_DIRECTORY));
}

}  // namespace
