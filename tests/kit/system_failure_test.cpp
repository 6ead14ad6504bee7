// The words of a system error, as the messages that embed it have always
// put them: those of std::filesystem's errors for a path, those of
// std::system_error without one.
#include "kit/system_failure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

namespace {

TEST(SystemFailure, ReadsAsTheStandardLibrarysErrorsDid) {
  const std::error_code denied = std::make_error_code(std::errc::permission_denied);
  const kit::SystemError listing{denied, "/opt/zvc/Redistributable/Language Files/", "cannot list directory"};
  EXPECT_EQ(kit::DescribeSystemError(listing),
            std::filesystem::filesystem_error("cannot list directory", listing.path, denied).what());
  const kit::SystemError module{denied, {}, "module path"};
  EXPECT_EQ(kit::DescribeSystemError(module), std::system_error(denied, "module path").what());
}

TEST(SystemFailure, CarriesTheErrorItWasMadeFrom) {
  const kit::SystemError error{std::make_error_code(std::errc::no_space_on_device), "/kit/a", "write"};
  try {
    (void)kit::ValueOrThrow(kit::Result<int>(error));
    FAIL() << "no failure thrown";
  } catch (const kit::SystemFailure& failure) {
    EXPECT_EQ(failure.error().code, std::errc::no_space_on_device);
    EXPECT_EQ(failure.error().path, "/kit/a");
  }
  EXPECT_EQ(kit::ValueOrThrow(kit::Result<int>(7)), 7);
}

}  // namespace
