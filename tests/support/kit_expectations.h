// The kit that a whole typed run of the worked example writes: "Mon
// Programme", 1.0.0.0, its address and the first language, byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "install_tree.h"

namespace testing_support {

inline constexpr const char* kWorkedExampleAddress = "https://www.example.com/monprog.maj";

inline void ExpectWorkedExampleKit(const InstallTree& tree) {
  const std::string kit = "Output/Mon Programme/Mon Programme - Update";
  EXPECT_EQ(tree.Read(kit + ".exe"), tree.Read(kUpdater));
  EXPECT_EQ(tree.Read(kit + ".exe.manifest"), tree.Read(kManifest));
  EXPECT_EQ(tree.Read(kit + ".lng"), tree.Read(std::string(kLanguages) + "/Français.lng"));
  EXPECT_EQ(tree.Read(kit + ".cfg"), std::string("ADR ") + kWorkedExampleAddress +
                                         "\r\nLOC \\Mon Programme - Update.ver\r\nTIT Mon Programme");
  EXPECT_EQ(tree.Read(kit + ".ver"), "VER 1.0.0.0");
}

}  // namespace testing_support
