// The words of a system error in the program's messages: its cause in
// French and its path, never the system library's English words.
#include "kit/system_failure.h"

#include <gtest/gtest.h>

#include <system_error>

namespace {

TEST(SystemFailure, ReadsAsTheCauseInFrenchThenThePath) {
  const std::error_code denied = std::make_error_code(std::errc::permission_denied);
  const kit::SystemError listing{denied, "/opt/zvc/Redistributable/Language Files/", "cannot list directory"};
  EXPECT_EQ(kit::DescribeSystemError(listing), "accès refusé : /opt/zvc/Redistributable/Language Files/");
  EXPECT_EQ(kit::DescribeSystemError({denied, {}, "module path"}), "accès refusé");
  EXPECT_EQ(kit::SystemFailure(listing).what(), kit::DescribeSystemError(listing));
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
