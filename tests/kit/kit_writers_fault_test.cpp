// The kit writers when one step of the file system fails: every step of a
// run is made to fail in turn, and each time the writer must report the
// failure, close its files, remove its temporary file and leave an older
// target as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>

#include "kit/kit_writers.h"
#include "failing_system.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FailingSystem;
using kit_test::Ansi;
using kit_test::NamesIn;
using kit_test::PatternBytes;
using kit_test::ReadBytes;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;
using Names = std::set<std::string>;

using Writer = std::function<kit::Status(const ScratchDirectory&, kit::System&)>;

// Runs the writer once without failure to count its steps, then once per
// step with that step failing. `before` lists the directory's names before
// the run; a failed run must leave exactly those, with the older target's
// bytes unchanged when there is one.
void FailEveryStepInTurn(const Writer& writer, const std::string& targetName, bool olderTarget, int expectedSteps) {
  const std::string older = "older target that is longer than anything written here ...........";
  int steps = 0;
  {
    ScratchDirectory dir;
    WriteBytes(dir / "source", PatternBytes(2 * 2048 + 904));
    FailingSystem counting;
    ASSERT_TRUE(writer(dir, counting));
    steps = counting.steps();
    EXPECT_EQ(counting.openFiles(), 0);
  }
  EXPECT_EQ(steps, expectedSteps);

  for (int failAt = 1; failAt <= steps; ++failAt) {
    SCOPED_TRACE("step " + std::to_string(failAt) + " of " + std::to_string(steps) + " fails");
    ScratchDirectory dir;
    WriteBytes(dir / "source", PatternBytes(2 * 2048 + 904));
    if (olderTarget) WriteBytes(dir / targetName, older);
    const Names before = NamesIn(dir.path());

    FailingSystem failing(failAt);
    EXPECT_FALSE(writer(dir, failing));
    EXPECT_TRUE(failing.failed());
    EXPECT_EQ(failing.openFiles(), 0) << "a file was left open";
    EXPECT_EQ(NamesIn(dir.path()), before) << "a temporary file was left, or a target created";
    if (olderTarget) {
      EXPECT_EQ(ReadBytes(dir / targetName), older);
    }
  }
}

// The 4996-byte source: two whole blocks and a remainder, so each kind of
// step occurs: length, open, create, 3 reads and 3 writes, a close, a flush
// to the disk, a close, rename.
constexpr int kCopySteps = 13;
// Create, write, flush to the disk, close, rename.
constexpr int kTextSteps = 5;

const Writer kCopy = [](const ScratchDirectory& dir, kit::System& files) {
  return kit::CopyKitFile(dir / "source", dir / "P - Update.exe", files);
};
const Writer kConfig = [](const ScratchDirectory& dir, kit::System& files) {
  return kit::WriteKitConfig(dir / "P - Update.cfg", Ansi("http://a.b/"), Ansi("P"), files);
};
const Writer kVersion = [](const ScratchDirectory& dir, kit::System& files) {
  return kit::WriteKitVersion(dir / "P - Update.ver", Ansi("1.0.0.0"), files);
};

TEST(FailingStep, CopyOverAnOlderTarget) { FailEveryStepInTurn(kCopy, "P - Update.exe", true, kCopySteps); }
TEST(FailingStep, CopyWithNoOlderTarget) { FailEveryStepInTurn(kCopy, "P - Update.exe", false, kCopySteps); }
TEST(FailingStep, ConfigOverAnOlderFile) { FailEveryStepInTurn(kConfig, "P - Update.cfg", true, kTextSteps); }
TEST(FailingStep, ConfigWithNoOlderFile) { FailEveryStepInTurn(kConfig, "P - Update.cfg", false, kTextSteps); }
TEST(FailingStep, VersionOverAnOlderFile) { FailEveryStepInTurn(kVersion, "P - Update.ver", true, kTextSteps); }
TEST(FailingStep, VersionWithNoOlderFile) { FailEveryStepInTurn(kVersion, "P - Update.ver", false, kTextSteps); }

// A finished file is on the disk before it takes the target's place: a
// power cut after the rename finds the new bytes, not an empty file.
TEST(Durability, FinishedFileIsFlushedBeforeItReplacesTheTarget) {
  using Steps = std::vector<std::string>;
  ScratchDirectory dir;
  WriteBytes(dir / "source", "bytes");
  FailingSystem copy;
  ASSERT_TRUE(kCopy(dir, copy));
  EXPECT_EQ(copy.stepNames(), (Steps{"FileLength", "OpenForReading", "CreateTemporaryFor", "Read", "Write", "Close",
                                     "FlushToDisk", "Close", "RenameOver"}));
  FailingSystem version;
  ASSERT_TRUE(kVersion(dir, version));
  EXPECT_EQ(version.stepNames(), (Steps{"CreateTemporaryFor", "Write", "FlushToDisk", "Close", "RenameOver"}));
}

// Real operations whose length of the source is off by `delta` bytes, as
// when the source changes between the length and the copy.
class ShiftedLength : public FailingSystem {
 public:
  explicit ShiftedLength(std::int64_t delta) : delta_(delta) {}
  kit::Result<std::uint64_t> FileLength(const std::string& path) override {
    kit::Result<std::uint64_t> length = FailingSystem::FileLength(path);
    if (!length) return length;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(*length) + delta_);
  }

 private:
  std::int64_t delta_;
};

TEST(ChangingSource, SourceShorterThanItsLengthFails) {
  for (const std::int64_t missing : {1, 100, 2048, 3000}) {
    ScratchDirectory dir;
    WriteBytes(dir / "source", PatternBytes(4096));
    WriteBytes(dir / "target", "older");
    ShiftedLength files(missing);
    EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target", files)) << missing;
    EXPECT_EQ(files.openFiles(), 0);
    EXPECT_EQ(ReadBytes(dir / "target"), "older");
    EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "target"}));
  }
}

TEST(ChangingSource, SourceLongerThanItsLengthGivesItsFirstBytes) {
  for (const std::int64_t extra : {1, 100, 2048, 3000}) {
    ScratchDirectory dir;
    WriteBytes(dir / "source", PatternBytes(4096 + 3000));
    ShiftedLength files(-extra);
    ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "target", files)) << extra;
    EXPECT_EQ(ReadBytes(dir / "target"), PatternBytes(4096 + 3000 - static_cast<std::size_t>(extra)));
  }
}

// A source far beyond 32-bit lengths, simulated in memory: the copy must
// read and write it whole, block after block, and rename it into place.
class HugeSource : public FailingSystem {
 public:
  explicit HugeSource(std::uint64_t length) : length_(length) {}

  kit::Result<std::uint64_t> FileLength(const std::string&) override { return length_; }
  kit::Result<kit::FileHandle> OpenForReading(const std::string&) override { return kit::FileHandle{1}; }
  kit::Result<kit::FileHandle> CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    temporaryPath = target + ".temporary";
    return kit::FileHandle{2};
  }
  kit::Result<std::size_t> Read(kit::FileHandle file, char* buffer, std::size_t size) override {
    if (file != kit::FileHandle{1}) return Wrong();
    const std::size_t got = static_cast<std::size_t>(std::min<std::uint64_t>(size, length_ - readBytes_));
    // Each block carries its offset, so the writes can be checked in order.
    if (got >= sizeof readBytes_) std::memcpy(buffer, &readBytes_, sizeof readBytes_);
    readBytes_ += got;
    return got;
  }
  kit::Status Write(kit::FileHandle file, const char* data, std::size_t size) override {
    if (file != kit::FileHandle{2}) return Wrong();
    std::uint64_t offset = 0;
    if (size >= sizeof offset) std::memcpy(&offset, data, sizeof offset);
    if (size >= sizeof offset && offset != writtenBytes_) outOfOrder_ = true;
    writtenBytes_ += size;
    lastWrite_ = size;
    return {};
  }
  kit::Status FlushToDisk(kit::FileHandle file) override {
    if (file != kit::FileHandle{2}) return Wrong();
    return {};
  }
  kit::Status Close(kit::FileHandle) override { return {}; }
  kit::Status RenameOver(const std::string& from, const std::string& to) override {
    renamed_ = from + " -> " + to;
    return {};
  }
  kit::Status Remove(const std::string&) override { return Wrong(); }

  std::uint64_t writtenBytes() const { return writtenBytes_; }
  std::size_t lastWrite() const { return lastWrite_; }
  bool outOfOrder() const { return outOfOrder_; }
  const std::string& renamed() const { return renamed_; }

 private:
  std::uint64_t length_;
  std::uint64_t readBytes_ = 0;
  std::uint64_t writtenBytes_ = 0;
  std::size_t lastWrite_ = 0;
  bool outOfOrder_ = false;
  std::string renamed_;

  static kit::SystemError Wrong() { return {std::make_error_code(std::errc::bad_file_descriptor), {}, "huge source"}; }
};

TEST(HugeSource, BeyondFourGibibytesIsCopiedWhole) {
  const std::uint64_t length = (std::uint64_t{1} << 32) + 2049;
  HugeSource files(length);
  ASSERT_TRUE(kit::CopyKitFile("/install/huge", "/kit/huge", files));
  EXPECT_EQ(files.writtenBytes(), length);
  EXPECT_EQ(files.lastWrite(), 1u);
  EXPECT_FALSE(files.outOfOrder());
  EXPECT_EQ(files.renamed(), "/kit/huge.temporary -> /kit/huge");
}

TEST(HugeSource, TwoGibibytesExactlyIsCopiedWhole) {
  const std::uint64_t length = std::uint64_t{1} << 31;
  HugeSource files(length);
  ASSERT_TRUE(kit::CopyKitFile("/install/huge", "/kit/huge", files));
  EXPECT_EQ(files.writtenBytes(), length);
  EXPECT_EQ(files.lastWrite(), kit::kCopyBlockSize);
}

// An exception from a file operation is a failure like any other.
class ThrowingWrite : public FailingSystem {
 public:
  kit::Status Write(kit::FileHandle, const char*, std::size_t) override { throw std::bad_alloc(); }
};

TEST(FailingStep, ExceptionInsideAWriterGivesFalseAndCleansUp) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "bytes");
  ThrowingWrite files;
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target", files));
  EXPECT_FALSE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi("P"), files));
  EXPECT_FALSE(kit::WriteKitVersion(dir / "p.ver", Ansi("1"), files));
  EXPECT_EQ(files.openFiles(), 0);
  EXPECT_EQ(NamesIn(dir.path()), Names{"source"});
}

}  // namespace
