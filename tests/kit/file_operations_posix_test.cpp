// The real file operations on POSIX under conditions that only POSIX calls
// can set up: a FIFO in a source's place, a path at the system's limit, a
// run killed in the middle of a file, and the system's flush calls watched
// as they are made.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "kit/system.h"
#include "kit/kit_writers.h"
#include "kit/temporary_names.h"
#include "failing_system.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FailingSystem;
using kit_test::Ansi;
using kit_test::NamesIn;
using kit_test::ReadBytes;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;
using Names = std::set<std::string>;

// ---------------------------------------------------------------------------
// A FIFO where a source should be. Opening a FIFO for reading waits for a
// writer: should the open wait, these tests never end.

TEST(FifoSource, OpeningFailsAtOnce) {
  ScratchDirectory dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0666), 0);
  EXPECT_EQ(kit_test::Opened(kit::RealSystem().OpenForReading(dir / "fifo")), kit::kNoFile);
}

// The source is an ordinary file when its length is read, and a FIFO by the
// time it is opened.
class SourceBecomesFifo : public FailingSystem {
 public:
  kit::Result<std::uint64_t> FileLength(const std::string& path) override {
    kit::Result<std::uint64_t> length = FailingSystem::FileLength(path);
    fs::remove(path);
    if (::mkfifo(path.c_str(), 0666) != 0) throw std::runtime_error("mkfifo failed");
    return length;
  }
};

TEST(FifoSource, CopyFailsAndLeavesTheOlderTarget) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "bytes");
  WriteBytes(dir / "target", "older");
  SourceBecomesFifo files;
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target", files));
  EXPECT_EQ(files.openFiles(), 0);
  EXPECT_EQ(ReadBytes(dir / "target"), "older");
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "target"}));
}

// ---------------------------------------------------------------------------
// The longest path.

// A directory under the scratch directory, made of as many levels as it
// takes for `name` inside it to have a path of exactly `length` bytes.
std::string DirectoryForPathLength(const ScratchDirectory& dir, std::size_t length, const std::string& name) {
  std::string path = dir.path().string();
  // Each level adds a separator and a name of at most 200 bytes.
  const std::size_t total = length - path.size() - 1 - name.size();
  const std::size_t levels = (total + 200) / 201;
  for (std::size_t level = 0; level < levels; ++level) {
    path += '/';
    path.append(total / levels - 1 + (level < total % levels ? 1 : 0), 'd');
    fs::create_directory(path);
  }
  return path + "/";
}

// The temporary file of a kit file must fit wherever the kit file fits:
// here the shortest kit file name at the longest path the system accepts.
TEST(Writers, TargetAtTheLongestPathIsWritten) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "x");
  const std::string directory = DirectoryForPathLength(dir, PATH_MAX - 1, "P - Update.exe");
  ASSERT_EQ((directory + "P - Update.exe").size(), PATH_MAX - 1u);
  ASSERT_TRUE(fs::is_directory(directory));
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", directory + "P - Update.exe"));
  ASSERT_TRUE(kit::WriteKitConfig(directory + "P - Update.cfg", Ansi("http://a.b/"), Ansi("P")));
  ASSERT_TRUE(kit::WriteKitVersion(directory + "P - Update.ver", Ansi("1")));
  EXPECT_EQ(ReadBytes(directory + "P - Update.exe"), "x");
  EXPECT_EQ(NamesIn(directory), (Names{"P - Update.exe", "P - Update.cfg", "P - Update.ver"}));
}

// ---------------------------------------------------------------------------
// Temporary files left by a run that was killed.

// Starts a writer in a child process that is killed while its temporary
// file is open, half written; gives that file's name.
std::string TemporaryOfAKilledRun(const ScratchDirectory& dir, const std::string& target) {
  const Names before = NamesIn(dir.path());
  const pid_t child = ::fork();
  if (child == 0) {
    std::string path;
    kit::System& files = kit::RealSystem();
    const kit::FileHandle file = kit_test::Opened(files.CreateTemporaryFor(target, path));
    if (file != kit::kNoFile && files.Write(file, "half", 4) && files.FlushToDisk(file)) ::kill(::getpid(), SIGKILL);
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFSIGNALED(status)) throw std::runtime_error("the child run was not killed");
  for (const std::string& name : NamesIn(dir.path()))
    if (!before.contains(name)) return name;
  throw std::runtime_error("the child run left no file");
}

TEST(StaleTemporaries, ThoseOfAKilledRunAreRemovedByTheNextWriterThere) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "bytes");
  const std::string stale = TemporaryOfAKilledRun(dir, dir / "P - Update.exe");
  EXPECT_TRUE(kit::IsTemporaryName(stale));
  EXPECT_EQ(ReadBytes(dir / stale), "half");

  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "P - Update.exe"));
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "P - Update.exe"}));
}

// Only ordinary files of our own name shape go; look-alikes, links,
// folders and the user's files stay.
TEST(StaleTemporaries, NothingElseIsRemoved) {
  ScratchDirectory dir;
  const Names kept = {".zvcABC123.tmp", ".zvcabc12.tmp", ".zvcabc123.tmp.bak", "zvcabc1234.tmp",
                      ".P - Update.exe.Ab3dE9", "notes.txt", ".zvclink00.tmp", ".zvcdir000.tmp",
                      ".zvcfifo00.tmp"};
  for (const std::string& name : kept) WriteBytes(dir / name, "the user's");
  fs::remove(dir / ".zvclink00.tmp");
  fs::create_symlink(dir / "notes.txt", dir / ".zvclink00.tmp");
  fs::remove(dir / ".zvcdir000.tmp");
  fs::create_directory(dir / ".zvcdir000.tmp");
  fs::remove(dir / ".zvcfifo00.tmp");
  ASSERT_EQ(::mkfifo((dir / ".zvcfifo00.tmp").c_str(), 0666), 0);
  WriteBytes(dir / ".zvc000000.tmp", "stale");

  ASSERT_TRUE(kit::WriteKitVersion(dir / "P - Update.ver", Ansi("1")));
  Names expected = kept;
  expected.insert("P - Update.ver");
  EXPECT_EQ(NamesIn(dir.path()), expected);
  EXPECT_EQ(ReadBytes(dir / "notes.txt"), "the user's");
}

// A run that writes in the same folder at the same moment keeps its
// temporary file, open or closed, until it renames it.
TEST(StaleTemporaries, ThoseOfALiveWriterAreLeftAlone) {
  ScratchDirectory dir;
  kit::System& files = kit::RealSystem();
  std::string open;
  const kit::FileHandle file = kit_test::Opened(files.CreateTemporaryFor(dir / "P - Update.exe", open));
  ASSERT_NE(file, kit::kNoFile);
  ASSERT_TRUE(files.Write(file, "live", 4));
  std::string closed;
  const kit::FileHandle other = kit_test::Opened(files.CreateTemporaryFor(dir / "P - Update.lng", closed));
  ASSERT_NE(other, kit::kNoFile);
  ASSERT_TRUE(files.Close(other));

  ASSERT_TRUE(kit::WriteKitVersion(dir / "P - Update.ver", Ansi("1")));
  EXPECT_TRUE(fs::exists(open));
  EXPECT_TRUE(fs::exists(closed));

  ASSERT_TRUE(files.Close(file));
  ASSERT_TRUE(files.RenameOver(open, dir / "P - Update.exe"));
  EXPECT_EQ(ReadBytes(dir / "P - Update.exe"), "live");
  EXPECT_TRUE(files.Remove(closed));
  EXPECT_EQ(NamesIn(dir.path()), (Names{"P - Update.exe", "P - Update.ver"}));
}

// ---------------------------------------------------------------------------
// The flushes to the disk. This program's own fdatasync and fsync come
// before the C library's (the program's definitions are found first); they
// note what each call flushes, then make the system call.

struct Flush {
  std::string path;      // what the descriptor names at the moment of the call
  std::string contents;  // a file's bytes, or for a directory its watched file's bytes
};

struct FlushWatch {
  bool on = false;
  std::string watchedFile;  // whose bytes a directory flush notes
  std::vector<Flush> flushes;
};
FlushWatch g_watch;

void NoteFlush(int descriptor) {
  if (!g_watch.on) return;
  std::error_code error;
  const fs::path path = fs::read_symlink("/proc/self/fd/" + std::to_string(descriptor), error);
  const bool directory = fs::is_directory(path, error);
  g_watch.flushes.push_back({path.string(), ReadBytes(directory ? g_watch.watchedFile : path.string())});
}

}  // namespace

extern "C" int fdatasync(int descriptor) {
  NoteFlush(descriptor);
  return static_cast<int>(::syscall(SYS_fdatasync, descriptor));
}

extern "C" int fsync(int descriptor) {
  NoteFlush(descriptor);
  return static_cast<int>(::syscall(SYS_fsync, descriptor));
}

namespace {

TEST(Durability, FileIsFlushedWholeUnderItsTemporaryNameAndTheFolderAfterTheRename) {
  ScratchDirectory dir;
  const std::string target = dir / "P - Update.ver";
  WriteBytes(target, "VER 0.9");
  g_watch = {true, target, {}};
  const bool written = static_cast<bool>(kit::WriteKitVersion(target, Ansi("1.0")));
  g_watch.on = false;
  ASSERT_TRUE(written);

  ASSERT_EQ(g_watch.flushes.size(), 2u);
  EXPECT_EQ(fs::path(g_watch.flushes[0].path).parent_path(), dir.path());
  EXPECT_TRUE(kit::IsTemporaryName(fs::path(g_watch.flushes[0].path).filename().string()));
  EXPECT_EQ(g_watch.flushes[0].contents, "VER 1.0");
  EXPECT_EQ(g_watch.flushes[1].path, dir.path().string());
  EXPECT_EQ(g_watch.flushes[1].contents, "VER 1.0");
}

}  // namespace
