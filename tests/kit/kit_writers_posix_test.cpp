// The kit writers where Linux has rules of its own: links, names counted in
// bytes, real write errors through a file-size limit, permissions.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "kit/kit_writers.h"
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

// The permission bits that a file newly created in the directory gets
// under the current umask, found by creating one.
unsigned FreshFilePermissions(const ScratchDirectory& directory) {
  const std::string probe = directory / "fresh-file-probe";
  WriteBytes(probe, "x");
  struct stat status {};
  ::stat(probe.c_str(), &status);
  fs::remove(probe);
  return status.st_mode & 07777;
}

unsigned PermissionsOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) throw std::runtime_error("cannot examine " + path);
  return status.st_mode & 07777;
}

TEST(Copy, SourceReachedThroughALinkIsCopied) {
  ScratchDirectory dir;
  WriteBytes(dir / "real", "bytes");
  fs::create_symlink(dir / "real", dir / "link");
  ASSERT_TRUE(kit::CopyKitFile(dir / "link", dir / "target"));
  EXPECT_EQ(ReadBytes(dir / "target"), "bytes");
}

TEST(Copy, LongestAllowedTargetNameIsWritten) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "x");
  // 255 bytes, the longest name a directory takes, two-byte letters included.
  std::string name(236, 'n');
  for (int i = 0; i < 9; ++i) name += "é";
  name += 'n';
  ASSERT_EQ(name.size(), 255u);
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / name));
  EXPECT_EQ(ReadBytes(dir / name), "x");
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", name}));
}

// ---------------------------------------------------------------------------
// Real write failures. CI runs as root, so no file can be made unwritable;
// a file-size limit still holds for root and makes the kernel refuse writes
// past it (EFBIG), as a full disk would.

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  sighandler_t previousHandler_;
};

TEST(RealWriteFailure, CopyRefusedPartWayLeavesTheOlderTargetWhole) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(1024 * 1024));
  WriteBytes(dir / "target", "older");
  kit::Status copied;
  {
    FileSizeLimit limit(300 * 1024);
    copied = kit::CopyKitFile(dir / "source", dir / "target");
  }
  ASSERT_FALSE(copied);
  // The system's own error comes back, for a message to name its cause.
  EXPECT_EQ(copied.error().code, std::errc::file_too_large);
  EXPECT_EQ(ReadBytes(dir / "target"), "older");
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "target"}));
}

// The few bytes of a text file reach the disk only when the file is
// closed: an error at that moment must still fail the writer.
TEST(RealWriteFailure, ErrorWhenClosingFailsTheTextWriters) {
  ScratchDirectory dir;
  WriteBytes(dir / "p.cfg", "older cfg");
  WriteBytes(dir / "p.ver", "older ver");
  kit::Status config;
  kit::Status version;
  {
    FileSizeLimit limit(3);
    config = kit::WriteKitConfig(dir / "p.cfg", Ansi(kAddress), Ansi("Mon Programme"));
    version = kit::WriteKitVersion(dir / "p.ver", Ansi("1.0.0.0"));
  }
  EXPECT_FALSE(config);
  EXPECT_FALSE(version);
  EXPECT_EQ(ReadBytes(dir / "p.cfg"), "older cfg");
  EXPECT_EQ(ReadBytes(dir / "p.ver"), "older ver");
  EXPECT_EQ(NamesIn(dir.path()), (Names{"p.cfg", "p.ver"}));
}

// ---------------------------------------------------------------------------
// Permissions: a kit file gets the permissions of any file newly created
// in its directory, whatever the older file or the source had.

class Umask {
 public:
  explicit Umask(mode_t mask) : saved_(::umask(mask)) {}
  ~Umask() { ::umask(saved_); }

 private:
  mode_t saved_;
};

TEST(Permissions, FinishedFilesHaveThoseOfANewFile) {
  for (mode_t mask : {mode_t{022}, mode_t{077}, mode_t{002}, mode_t{0}}) {
    Umask umask(mask);
    ScratchDirectory dir;
    const unsigned fresh = FreshFilePermissions(dir);
    WriteBytes(dir / "source", "bytes");
    ::chmod((dir / "source").c_str(), 0755);
    WriteBytes(dir / "older.exe", "older");
    ::chmod((dir / "older.exe").c_str(), 0600);
    ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "new.exe"));
    ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "older.exe"));
    ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi("P")));
    ASSERT_TRUE(kit::WriteKitVersion(dir / "p.ver", Ansi("1")));
    for (const std::string name : {"new.exe", "older.exe", "p.cfg", "p.ver"})
      EXPECT_EQ(PermissionsOf(dir / name), fresh) << name << " umask " << std::oct << mask;
  }
}

}  // namespace
