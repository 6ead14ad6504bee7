// The Linux edition writes its kit files in Windows-1252, whatever the
// locale; the Windows edition in the system's ANSI code page.
#include <gtest/gtest.h>

#include "kit/ansi_encoding.h"

namespace {

TEST(AnsiEncoding, LinuxWritesWindows1252) { EXPECT_EQ(kit::AnsiCodePage(), 1252u); }

}  // namespace
