// The kit writers where Windows has rules of its own: the system's ANSI code
// page, the hidden temporary file, files held open by other programs, the
// path-length limit, the program's own directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

#include "kit/ansi_encoding.h"
#include "kit/system.h"
#include "kit/system.h"
#include "kit/kit_writers.h"
#include "kit_test_support.h"

namespace {

namespace fs = std::filesystem;
using kit_test::Ansi;
using kit_test::NamesIn;
using kit_test::PathOf;
using kit_test::PatternBytes;
using kit_test::ReadBytes;
using kit_test::ScratchDirectory;
using kit_test::WriteBytes;
using Names = std::set<std::string>;

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(PathOf(path).c_str()); }

// A handle that another program holds on a file, with the sharing it grants.
class HeldFile {
 public:
  HeldFile(const std::string& path, DWORD access, DWORD sharing)
      : handle_(CreateFileW(PathOf(path).c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldFile() { Release(); }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (held()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

// Another program holding a file open for reading without sharing its
// deletion (tests/kit/hold_file.cpp), until Release.
class OtherProgramHolding {
 public:
  explicit OtherProgramHolding(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outputWrite, inputRead;
    if (!CreatePipe(&output_, &outputWrite, &inherit, 0)) return;
    if (!CreatePipe(&inputRead, &input_, &inherit, 0)) return;
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputRead;
    startup.hStdOutput = outputWrite;
    startup.hStdError = outputWrite;
    const std::wstring program = PathOf(kit_test::ExecutableDirectory() + "\\hold_file.exe").wstring();
    std::wstring commandLine = L"hold_file \"" + PathOf(path).wstring() + L"\"";
    started_ = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &startup, &process_);
    CloseHandle(outputWrite);
    CloseHandle(inputRead);
    char said[5] = {};
    DWORD got = 0;
    held_ = started_ && ReadFile(output_, said, 4, &got, nullptr) && got == 4 && std::string(said) == "held";
  }
  ~OtherProgramHolding() {
    Release();
    if (output_) CloseHandle(output_);
  }
  bool held() const { return held_; }
  // Ends the program, which lets the file go.
  void Release() {
    if (input_) CloseHandle(std::exchange(input_, nullptr));
    if (started_) {
      WaitForSingleObject(process_.hProcess, INFINITE);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
      started_ = false;
    }
  }

 private:
  HANDLE output_ = nullptr;
  HANDLE input_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
  bool held_ = false;
};

// ---------------------------------------------------------------------------
// The system's ANSI code page. test-windows.sh runs these cases a second
// time with Wine set to Windows-1250 (ZVC_EXPECTED_CODE_PAGE=1250).

TEST(SystemCodePage, IsTheOneTheRunAsksFor) {
  const char* expected = std::getenv("ZVC_EXPECTED_CODE_PAGE");
  EXPECT_EQ(kit::AnsiCodePage(), expected ? std::strtoul(expected, nullptr, 10) : GetACP());
}

TEST(SystemCodePage, GeneratedFilesAreWrittenInIt) {
  ScratchDirectory dir;
  std::string name, bytes;
  switch (kit::AnsiCodePage()) {
    case 1252:
      name = "Œuvre éditée", bytes = "\x8Cuvre \xE9" "dit\xE9" "e";
      break;
    case 1250:
      name = "Łódź éditée", bytes = "\xA3\xF3" "d\x9F \xE9" "dit\xE9" "e";
      break;
    default:
      GTEST_SKIP() << "no sample for code page " << kit::AnsiCodePage();
  }
  ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi(name)));
  EXPECT_EQ(ReadBytes(dir / "p.cfg"), "ADR a\r\nLOC \\" + bytes + " - Update.ver\r\nTIT " + bytes);
}

// Ā (U+0100) and the full-width Ａ have best-fit look-alikes ("A") in the
// Western and Central European code pages; writing one would name a
// version file that does not exist.
TEST(SystemCodePage, CharacterItCannotHoldIsRefusedNeverReplaced) {
  for (const char* name : {"Programme \xC4\x80", "Programme \xEF\xBC\xA1", "Programme \xE2\x86\x92"}) {
    EXPECT_EQ(kit::ToAnsi(name), std::nullopt) << name;
    EXPECT_EQ(kit::EncodeToAnsi(name), std::nullopt) << name;  // so no writer can be given it
  }
}

// ---------------------------------------------------------------------------
// The temporary file

TEST(TemporaryFileWindows, HiddenWhileWrittenAndReadableByOthers) {
  ScratchDirectory dir;
  kit::System& files = kit::RealSystem();
  std::string temporary;
  const kit::FileHandle file = kit_test::Opened(files.CreateTemporaryFor(dir / "P - Update.exe", temporary));
  ASSERT_NE(file, kit::kNoFile);
  EXPECT_NE(AttributesOf(temporary) & FILE_ATTRIBUTE_HIDDEN, 0u);
  ASSERT_TRUE(files.Write(file, "MZ", 2));
  {
    HeldFile reader(temporary, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    EXPECT_TRUE(reader.held()) << "another program may read the file";
    HeldFile writer(temporary, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    EXPECT_FALSE(writer.held()) << "no other program may change it";
  }
  ASSERT_TRUE(files.Close(file));
  EXPECT_TRUE(files.Remove(temporary));
}

TEST(TemporaryFileWindows, HiddenMarkNeverReachesTheTarget) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(3000));
  WriteBytes(dir / "older.exe", "older");
  SetFileAttributesW(PathOf(dir / "older.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "new.exe"));
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "older.exe"));
  ASSERT_TRUE(kit::WriteKitConfig(dir / "p.cfg", Ansi("a"), Ansi("P")));
  ASSERT_TRUE(kit::WriteKitVersion(dir / "p.ver", Ansi("1")));
  for (const std::string name : {"new.exe", "older.exe", "p.cfg", "p.ver"})
    EXPECT_EQ(AttributesOf(dir / name) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u) << name;
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "new.exe", "older.exe", "p.cfg", "p.ver"}));
}

// ---------------------------------------------------------------------------
// Temporary files left by an interrupted run: removed by the next writer in
// their folder, unless another program holds them open (a live writer's
// handle does not share deletion).

TEST(StaleTemporariesWindows, OnlyUnheldFilesOfTheTemporaryShapeAreRemoved) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "x");
  for (const char* name : {".zvcabc123.tmp", ".zvcdef456.tmp", ".zvcUPPER0.tmp", ".zvcheld00.tmp", "zvcabc123.tmp",
                           ".zvcabc1234.tmp", "notes.tmp"})
    WriteBytes(dir / name, "left");
  SetFileAttributesW(PathOf(dir / ".zvcdef456.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  fs::create_directory(PathOf(dir / ".zvcfolder.tmp"));
  HeldFile liveWriter(dir / ".zvcheld00.tmp", GENERIC_WRITE, FILE_SHARE_READ);
  ASSERT_TRUE(liveWriter.held());
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", dir / "P - Update.exe"));
  // ".zvcUPPER0.tmp" has upper-case letters: not a name of ours.
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "P - Update.exe", ".zvcUPPER0.tmp", ".zvcheld00.tmp", "zvcabc123.tmp",
                                       ".zvcabc1234.tmp", "notes.tmp", ".zvcfolder.tmp"}));
}

// ---------------------------------------------------------------------------
// Files held open by other programs

// A program reading the older kit file without letting it be deleted (an
// updater running from the kit, an editor): the older file stays whole, the
// writer fails after a short wait and leaves no temporary file behind.
TEST(HeldFiles, TargetHeldWithoutDeleteSharingStaysWhole) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(5000));
  WriteBytes(dir / "P - Update.exe", "older");
  WriteBytes(dir / "P - Update.cfg", "older cfg");
  OtherProgramHolding updater(dir / "P - Update.exe");
  HeldFile editor(dir / "P - Update.cfg", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(updater.held() && editor.held());
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "P - Update.exe"));
  EXPECT_FALSE(kit::WriteKitConfig(dir / "P - Update.cfg", Ansi("a"), Ansi("P")));
  EXPECT_EQ(ReadBytes(dir / "P - Update.exe"), "older");
  EXPECT_EQ(ReadBytes(dir / "P - Update.cfg"), "older cfg");
  EXPECT_EQ(NamesIn(dir.path()), (Names{"source", "P - Update.exe", "P - Update.cfg"}));

  updater.Release();
  editor.Release();
  EXPECT_TRUE(kit::CopyKitFile(dir / "source", dir / "P - Update.exe"));
  EXPECT_EQ(ReadBytes(dir / "P - Update.exe"), PatternBytes(5000));
}

// A reader that shares everything (a virus scanner, say) does not stop the
// copy from reading the source.
TEST(HeldFiles, ReaderSharingEverythingDoesNotStopTheCopy) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(5000));
  HeldFile scanner(dir / "source", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_TRUE(scanner.held());
  EXPECT_TRUE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_EQ(ReadBytes(dir / "target"), PatternBytes(5000));
}

// A source that another program is writing is not copied half-written.
TEST(HeldFiles, SourceBeingWrittenByAnotherProgramIsNotCopied) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", PatternBytes(5000));
  HeldFile writer(dir / "source", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_TRUE(writer.held());
  EXPECT_FALSE(kit::CopyKitFile(dir / "source", dir / "target"));
  EXPECT_EQ(NamesIn(dir.path()), Names{"source"});
}

// ---------------------------------------------------------------------------
// Path length: a kit file whose path has the most characters Windows takes
// without long-path support (259) is written, although its temporary file
// has a longer name than the target.

TEST(PathLimitWindows, TargetAtTheLimitIsWritten) {
  ScratchDirectory dir;
  WriteBytes(dir / "source", "MZ");
  const std::string name = "Mon Programme - Update.exe.manifest";
  const std::size_t used = fs::path(PathOf(dir.WithSeparator())).wstring().size() + 1 + name.size();
  ASSERT_LT(used, 259u);
  const std::string folder = std::string(259 - used, 'd');
  ASSERT_LE(folder.size(), 255u);
  kit_test::CreateDirectoryLevel(dir / folder);
  const std::string target = dir / folder + "\\" + name;
  ASSERT_EQ(PathOf(target).wstring().size(), 259u);
  ASSERT_TRUE(kit::CopyKitFile(dir / "source", target));
  EXPECT_EQ(ReadBytes(target), "MZ");
  EXPECT_EQ(NamesIn(dir / folder), Names{name});
}

// ---------------------------------------------------------------------------
// The program's own directory

TEST(ExecutableDirectoryWindows, IsTheTestProgramsDirectory) {
  const std::string directory = kit_test::ExecutableDirectory();
  EXPECT_TRUE(kit_test::FileExists(directory + "\\kit_tests.exe")) << directory;
  EXPECT_FALSE(directory.ends_with("\\"));
}

// What a program prints on its standard output, run to its end.
std::string OutputOf(const std::wstring& program) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "no pipe";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                      &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  char buffer[256];
  DWORD got = 0;
  while (started && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  CloseHandle(readEnd);
  if (!started) return "not started";
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return output;
}

// scripts/test-windows.sh maps a drive letter to an empty test folder
// (a link in the Wine prefix's dosdevices) and names it in ZVC_TEST_DRIVE.
TEST(ExecutableDirectoryWindows, AtTheRootOfADriveKeepsItsBackslashAndTheInstallRootLosesIt) {
  const char* drive = std::getenv("ZVC_TEST_DRIVE");
  if (!drive) GTEST_SKIP() << "no test drive: run through scripts/test-windows.sh";
  const std::wstring beside = PathOf(kit_test::ExecutableDirectory() + "\\print_executable_directory.exe").wstring();
  const std::wstring atRoot = PathOf(std::string(drive) + "\\print_executable_directory.exe").wstring();
  ASSERT_TRUE(CopyFileW(beside.c_str(), atRoot.c_str(), FALSE));
  std::string output = OutputOf(atRoot);
  DeleteFileW(atRoot.c_str());
  std::erase(output, '\r');  // the C library's text mode
  EXPECT_EQ(output, std::string(drive) + "\\\n" + drive + "\n");
}

}  // namespace
