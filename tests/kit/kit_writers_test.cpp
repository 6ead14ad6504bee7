// The kit writers on a real disk: byte formats of the generated files, the
// block copy, replacement of older files, refusals.
#include "kit/kit_writers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "kit/kit_layout.h"
#include "failing_system.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using kit_test::Ansi;
using kit_test::NamesIn;
using kit_test::PatternBytes;
using kit_test::ReadBytes;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;
using Names = std::set<std::string>;

const std::string kAddress = "http://www.exemple.fr/mises-a-jour/mon-programme.txt";

// ---------------------------------------------------------------------------
// Version file

TEST(VersionFile, ExactlyElevenBytesForOnePointZero) {
  ScratchDirectory dir;
  ASSERT_TRUE(kit::WriteKitVersion(dir / "Mon Programme - Update.ver", Ansi("1.0.0.0")));
  const std::string expected = {0x56, 0x45, 0x52, 0x20, 0x31, 0x2E, 0x30, 0x2E, 0x30, 0x2E, 0x30};
  EXPECT_EQ(ReadBytes(dir / "Mon Programme - Update.ver"), expected);
}

TEST(VersionFile, EmptyVersionGivesTheKeyAlone) {
  ScratchDirectory dir;
  ASSERT_TRUE(kit::WriteKitVersion(dir / "p.ver", Ansi("")));
  EXPECT_EQ(ReadBytes(dir / "p.ver"), "VER ");
}

TEST(VersionFile, OlderLongerFileIsReplacedWholly) {
  ScratchDirectory dir;
  WriteBytes(dir / "p.ver", "VER 10.20.30.40 and a long tail\r\n");
  ASSERT_TRUE(kit::WriteKitVersion(dir / "p.ver", Ansi("2.1")));
  EXPECT_EQ(ReadBytes(dir / "p.ver"), "VER 2.1");
  EXPECT_EQ(NamesIn(dir.path()), Names{"p.ver"});
}

// The writers take encoded text only: a value the code page cannot hold has
// none, so no writer can be started with it (the procedure refuses it on its
// field before anything is written).
TEST(VersionFile, UnrepresentableVersionHasNoEncodedText) {
  EXPECT_EQ(kit::EncodeToAnsi("1.0 日本"), std::nullopt);
  EXPECT_EQ(kit::EncodeToAnsi("1.0 \xC4\x80"), std::nullopt);  // U+0100
}

// ---------------------------------------------------------------------------
// Configuration file

TEST(ConfigFile, MonProgrammeLineByLine) {
  ScratchDirectory dir;
  const std::string path = dir / "Mon Programme - Update.cfg";
  ASSERT_TRUE(kit::WriteKitConfig(path, Ansi(kAddress), Ansi("Mon Programme")));
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes, "ADR " + kAddress + "\r\nLOC \\Mon Programme - Update.ver\r\nTIT Mon Programme");
  EXPECT_EQ(bytes.size(), 56 + kAddress.size());
}

TEST(ConfigFile, LocationLineKeepsItsBackslash) {
  ScratchDirectory dir;
  ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi("P")));
  const std::string bytes = ReadBytes(dir / "p.cfg");
  EXPECT_NE(bytes.find("\r\nLOC \\P - Update.ver\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find('/'), std::string::npos);
}

TEST(ConfigFile, LocationNamesTheKitsVersionFile) {
  ScratchDirectory dir;
  ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi("Mon Programme")));
  const std::string versionName =
      fs::path(kit::KitFilePath("/o/", "Mon Programme", kit::KitFile::Version)).filename().string();
  EXPECT_NE(ReadBytes(dir / "p.cfg").find("LOC \\" + versionName + "\r\n"), std::string::npos);
}

TEST(ConfigFile, AccentedNameTakesOneWindowsByte) {
  ScratchDirectory dir;
  ASSERT_TRUE(kit::WriteKitConfig(dir / "Éditeur - Update.cfg", Ansi("http://é.fr/"), Ansi("Éditeur")));
  const std::string bytes = ReadBytes(dir / "Éditeur - Update.cfg");
  EXPECT_EQ(bytes,
            "ADR http://\xE9.fr/\r\nLOC \\\xC9"
            "diteur - Update.ver\r\nTIT \xC9"
            "diteur");
  EXPECT_EQ(bytes.size(), 30u + 12u + 2u * 7u);
}

TEST(ConfigFile, LengthIsThirtyPlusAddressPlusTwiceTheName) {
  ScratchDirectory dir;
  for (const auto& [address, name, characters] : {std::tuple{"", "", 0u},
                                                  {"x", "", 1u},
                                                  {"", "N", 2u},
                                                  {"http://a.b/c", "Mon Programme", 12u + 26u},
                                                  {"€", "Œuvre", 1u + 10u}}) {
    ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi(address), Ansi(name)));
    EXPECT_EQ(fs::file_size(dir / "p.cfg"), 30u + characters) << name;
  }
}

TEST(ConfigFile, EmptyValuesGiveTheKeysAlone) {
  ScratchDirectory dir;
  ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi(""), Ansi("")));
  EXPECT_EQ(ReadBytes(dir / "p.cfg"), "ADR \r\nLOC \\ - Update.ver\r\nTIT ");
}

TEST(ConfigFile, OlderConfigurationForALongerNameIsReplacedWholly) {
  ScratchDirectory dir;
  const std::string path = dir / "Mon Programme - Update.cfg";
  ASSERT_TRUE(kit::WriteKitConfig(path, Ansi(kAddress), Ansi("Mon Programme Bien Plus Long Que Le Nouveau")));
  ASSERT_TRUE(kit::WriteKitConfig(path, Ansi("a"), Ansi("Mon Programme")));
  EXPECT_EQ(ReadBytes(path), "ADR a\r\nLOC \\Mon Programme - Update.ver\r\nTIT Mon Programme");
  EXPECT_EQ(NamesIn(dir.path()), Names{"Mon Programme - Update.cfg"});
}

TEST(ConfigFile, UnrepresentableValueHasNoEncodedText) {
  EXPECT_EQ(kit::EncodeToAnsi("Programme 日本"), std::nullopt);
  EXPECT_EQ(kit::EncodeToAnsi("http://\xC4\x80.fr/"), std::nullopt);  // U+0100 in the address
  EXPECT_EQ(kit::EncodeToAnsi("bad \xC3"), std::nullopt);              // not UTF-8
}

// ---------------------------------------------------------------------------
// Copy

class CopySize : public testing::TestWithParam<std::size_t> {};

TEST_P(CopySize, TargetHoldsExactlyTheSourceBytes) {
  ScratchDirectory dir;
  const std::string source = PatternBytes(GetParam());
  WriteBytes(dir / "Zantrel Velquist.exe", source);
  ASSERT_TRUE(kit::CopyKitFile(dir / "Zantrel Velquist.exe", dir / "P - Update.exe"));
  EXPECT_EQ(ReadBytes(dir / "P - Update.exe"), source);
  EXPECT_EQ(ReadBytes(dir / "Zantrel Velquist.exe"), source);
  EXPECT_EQ(NamesIn(dir.path()), (Names{"Zantrel Velquist.exe", "P - Update.exe"}));
}

// The block boundaries, the boundaries of the stream buffers underneath,
// and several MiB holding every byte value with lone CR and LF bytes.
INSTANTIATE_TEST_SUITE_P(BlockBoundaries, CopySize,
                         testing::Values(0, 1, 2047, 2048, 2049, 4095, 4096, 4097, kit::kStreamBufferSize - 1,
                                         kit::kStreamBufferSize, kit::kStreamBufferSize + 1,
                                         2 * kit::kStreamBufferSize + 2048, 5 * 1024 * 1024 + 3));

TEST(Copy, PatternHoldsEveryByteValueAndLoneLineEnds) {
  const std::string bytes = PatternBytes(5 * 1024 * 1024 + 3);
  EXPECT_EQ(std::set<char>(bytes.begin(), bytes.end()).size(), 256u);
  bool loneCarriageReturn = false;
  bool loneLineFeed = false;
  for (std::size_t i = 1; i + 1 < bytes.size(); ++i) {
    loneCarriageReturn |= bytes[i] == '\r' && bytes[i + 1] != '\n';
    loneLineFeed |= bytes[i] == '\n' && bytes[i - 1] != '\r';
  }
  EXPECT_TRUE(loneCarriageReturn);
  EXPECT_TRUE(loneLineFeed);
}

TEST(Copy, OlderLongerTargetIsReplacedWholly) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(2049));
  WriteBytes(dir / "target", std::string(10000, 'o'));
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_EQ(ReadBytes(dir / "target"), PatternBytes(2049));
}

TEST(Copy, EmptySourceReplacesOlderTarget) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "");
  WriteBytes(dir / "target", "older");
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_EQ(fs::file_size(dir / "target"), 0u);
}

TEST(Copy, FileCopiedOntoItselfStaysWhole) {
  ScratchDirectory dir;
  WriteBytes(dir / "file", PatternBytes(5000));
  ASSERT_TRUE(kit::CopyKitFile(dir / "file", dir / "file"));
  EXPECT_EQ(ReadBytes(dir / "file"), PatternBytes(5000));
  EXPECT_EQ(NamesIn(dir.path()), Names{"file"});
}

TEST(Copy, MissingSourceCreatesNoTarget) {
  ScratchDirectory dir;
  EXPECT_FALSE(kit::CopyKitFile(dir / "missing", dir / "target"));
  EXPECT_TRUE(NamesIn(dir.path()).empty());
}

TEST(Copy, MissingSourceLeavesOlderTargetUntouched) {
  ScratchDirectory dir;
  WriteBytes(dir / "target", "older kit file");
  EXPECT_FALSE(kit::CopyKitFile(dir / "missing", dir / "target"));
  EXPECT_EQ(ReadBytes(dir / "target"), "older kit file");
  EXPECT_EQ(NamesIn(dir.path()), Names{"target"});
}

TEST(Copy, DirectoryAsSourceIsRefused) {
  ScratchDirectory dir;
  fs::create_directory(dir / "source");
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_EQ(NamesIn(dir.path()), Names{"source"});
}

TEST(Copy, MissingTargetDirectoryFailsAndClosesTheSource) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(3000));
  testing_support::FailingSystem counting;
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "Output/Mon Programme/P - Update.exe", counting));
  EXPECT_EQ(counting.openFiles(), 0);
  EXPECT_EQ(NamesIn(dir.path()), Names{"source"});
}

TEST(Copy, DirectoryInTheTargetsPlaceIsLeftAlone) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(3000));
  fs::create_directory(dir / "target");
  WriteBytes(dir / "target/inside", "kept");
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_TRUE(fs::is_directory(dir / "target"));
  EXPECT_EQ(NamesIn(dir / "target"), Names{"inside"});
  EXPECT_EQ(ReadBytes(dir / "target/inside"), "kept");
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "target"}));
}

TEST(Copy, EmptyDirectoryInTheTargetsPlaceIsLeftAlone) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "x");
  fs::create_directory(dir / "target");
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_TRUE(fs::is_directory(dir / "target"));
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "target"}));
}

TEST(Copy, TargetNameTooLongFailsCleanly) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "x");
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / std::string(300, 'n')));
  EXPECT_EQ(NamesIn(dir.path()), Names{"source"});
}

TEST(TextWriters, MissingDirectoryOrDirectoryInPlaceFails) {
  ScratchDirectory dir;
  fs::create_directory(dir / "p.cfg");
  fs::create_directory(dir / "p.ver");
  EXPECT_FALSE(kit::WriteKitConfig(dir / "missing/p.cfg", Ansi("a"), Ansi("P")));
  EXPECT_FALSE(kit::WriteKitVersion(dir / "missing/p.ver", Ansi("1")));
  EXPECT_FALSE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi("P")));
  EXPECT_FALSE(kit::WriteKitVersion(dir / "p.ver", Ansi("1")));
  EXPECT_EQ(NamesIn(dir.path()), (Names{"p.cfg", "p.ver"}));
  EXPECT_TRUE(fs::is_directory(dir / "p.cfg"));
  EXPECT_TRUE(fs::is_directory(dir / "p.ver"));
}

}  // namespace
