// The wizard installed at the root of a drive (Windows): the system reports
// "Q:\", InstallRoot is "Q:", and every path of the install tree and the kit
// has exactly one backslash between its names, on a real drive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "wizard_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::kFinishedCaption;
using testing_support::ReadFileBytes;
using ui::ControlId;

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

void WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(PathOf(path).parent_path());
  std::ofstream(PathOf(path), std::ios::binary) << bytes;
}

// scripts/test-windows.sh maps a drive letter to an empty test folder and
// names it in ZVC_TEST_DRIVE.
class DriveRootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* letter = std::getenv("ZVC_TEST_DRIVE");
    if (!letter) GTEST_SKIP() << "no test drive: run through scripts/test-windows.sh";
    drive = letter;
    WriteFile(drive + "\\Redistributable\\Program\\Zantrel Velquist.exe", "MZ updater");
    WriteFile(drive + "\\Redistributable\\Program\\Zantrel Velquist.exe.manifest", "<assembly/>");
    WriteFile(drive + "\\Redistributable\\Language Files\\Français.lng", "fr");
    platform.executableDirectory = drive + "\\";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(PathOf(drive + "\\Redistributable"), ignored);
    fs::remove_all(PathOf(drive + "\\Output"), ignored);
  }

  std::string drive;
  testing_support::FakePlatform platform;
  app::Wizard wizard{platform};
};

TEST_F(DriveRootTest, KitIsWrittenWithNoDoubledBackslash) {
  wizard.Start();
  platform.OnlyWindow().Click(ControlId::Command2);
  testing_support::FakeWindow& page = platform.OnlyWindow();
  EXPECT_EQ(page.Text(ControlId::Text4), drive + "\\Output\\");
  EXPECT_EQ(page.Text(ControlId::Combo1), "Français");

  page.SetText(ControlId::Text1, "Mon Programme");
  page.SetText(ControlId::Text2, "1.0");
  page.SetText(ControlId::Text3, "http://a.fr/m.maj");
  page.Click(ControlId::Command2);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.OnlyWindow().Caption(), kFinishedCaption);
  const std::string kit = drive + "\\Output\\Mon Programme\\Mon Programme - Update";
  EXPECT_EQ(ReadFileBytes(PathOf(kit + ".exe")), "MZ updater");
  EXPECT_EQ(ReadFileBytes(PathOf(kit + ".lng")), "fr");
  EXPECT_EQ(ReadFileBytes(PathOf(kit + ".ver")), "VER 1.0");
}

}  // namespace
