// The Windows program run from its command line as a process of its own: a
// GUI program that still writes to the handles it was started with and
// gives its exit code, so a release script can use it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "built_program_win.h"
#include "install_tree.h"
#include "kit/system.h"
#include "text/wide.h"

namespace {

namespace fs = std::filesystem;

struct ProgramRun {
  DWORD exitCode;
  std::string out;
  std::string err;
};

// An install tree with a copy of the built program at its top.
class ProgramTree : public testing_support::InstallTree {
 public:
  ProgramTree() {
    fs::copy_file(testing_support::BuiltProgramFile(ZVC_PROGRAM_FILE), Path("Zantrel Velquist Creator.exe"));
  }

  // Starts the copy with the arguments, its error output in a file, its
  // standard output in a file or, with brokenOut, in a pipe whose reader
  // has gone. Each run has files of its own: Wine may let go of a finished
  // run's handles a moment after the run ends, and a file it still holds
  // cannot be made anew for the next one.
  PROCESS_INFORMATION Start(const std::vector<std::string>& arguments, bool brokenOut = false) const {
    outputs_ = Root() + "." + std::to_string(++runs_);
    std::wstring commandLine = L"\"" + *text::Utf8ToWide(Root()) + L"\\Zantrel Velquist Creator.exe\"";
    for (const auto& argument : arguments) commandLine += L" \"" + *text::Utf8ToWide(argument) + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    auto output = [&](const char* suffix) {
      const HANDLE file = CreateFileW(text::Utf8ToWide(outputs_ + suffix)->c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      &inherit, CREATE_ALWAYS, 0, nullptr);
      EXPECT_NE(file, INVALID_HANDLE_VALUE) << outputs_ + suffix;
      return file;
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (brokenOut) {
      HANDLE reader = nullptr;
      EXPECT_TRUE(CreatePipe(&reader, &startup.hStdOutput, &inherit, 0));
      CloseHandle(reader);
    } else {
      startup.hStdOutput = output(".out");
    }
    startup.hStdError = output(".err");
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &process));
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    return process;
  }

  ProgramRun Wait(const PROCESS_INFORMATION& process) const {
    WaitForSingleObject(process.hProcess, INFINITE);
    ProgramRun run{};
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    const fs::path out(*text::Utf8ToWide(outputs_ + ".out"));
    if (fs::exists(out)) run.out = testing_support::ReadFileBytes(out);
    run.err = ErrSoFar();
    return run;
  }

  ProgramRun Run(const std::vector<std::string>& arguments, bool brokenOut = false) const {
    return Wait(Start(arguments, brokenOut));
  }

  std::string ErrSoFar() const { return testing_support::ReadFileBytes(fs::path(*text::Utf8ToWide(outputs_ + ".err"))); }

 private:
  mutable int runs_ = 0;
  mutable std::string outputs_;
};

TEST(WindowsProgramTest, WritesTheKitAndPrintsItsFolder) {
  ProgramTree tree;
  const auto run = tree.Run({"--name", "Éditeur", "--program-version", "1.0.0.0", "--address",
                             "https://www.example.com/maj.txt"});
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, tree.Root() + "\\Output\\Éditeur\n");
  EXPECT_EQ(tree.Read("Output/Éditeur/Éditeur - Update.cfg"),
            "ADR https://www.example.com/maj.txt\r\nLOC \\\xC9" "diteur - Update.ver\r\nTIT \xC9" "diteur");
  EXPECT_EQ(tree.Read("Output/Éditeur/Éditeur - Update.ver"), "VER 1.0.0.0");
}

TEST(WindowsProgramTest, RefusalsAndUsageGiveTheirMessagesAndExitCodes) {
  ProgramTree tree;
  const auto refused = tree.Run({"--name", "a/b", "--program-version", "1", "--address", "x"});
  EXPECT_EQ(refused.exitCode, 1u);
  EXPECT_TRUE(refused.err.starts_with("Le nom du programme à mettre à jour ne peut contenir aucun")) << refused.err;
  EXPECT_FALSE(tree.Exists("Output"));

  const auto version = tree.Run({"--version"});
  EXPECT_EQ(version.exitCode, 0u);
  EXPECT_EQ(version.out, "Zantrel Velquist Creator 1.00\n");

  const auto bogus = tree.Run({"--bogus"});
  EXPECT_EQ(bogus.exitCode, 2u);
  EXPECT_EQ(bogus.out, "");
  EXPECT_TRUE(bogus.err.starts_with("Zantrel Velquist Creator : option inconnue : --bogus")) << bogus.err;
}

TEST(WindowsProgramTest, AStandardOutputWhoseReaderHasGoneFailsTheRunAndSaysWhy) {
  ProgramTree tree;
  const auto run = tree.Run({"--version"}, true);
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(run.err,
            "Zantrel Velquist Creator : la sortie standard ne peut pas être écrite (sortie fermée par le programme "
            "qui la lisait).\n");
}

TEST(WindowsProgramTest, ARunForAKitThatAnotherRunHoldsSaysItWaitsAndWaits) {
  ProgramTree tree;
  const std::vector<std::string> arguments{"--name", "Mon Programme", "--program-version", "1", "--address", "x",
                                           "--replace"};
  ASSERT_EQ(tree.Run(arguments).exitCode, 0u);
  auto held = kit::RealSystem().LockKitFolder(tree.Root() + "\\Output\\Mon Programme\\", [] {});
  ASSERT_TRUE(held);

  const PROCESS_INFORMATION process = tree.Start(arguments);
  const std::string waiting =
      "Un autre programme crée en ce moment le système de mise à jour automatique pour \"Mon Programme\" : attente de "
      "la fin de sa création.\n";
  for (int i = 0; i < 6000 && tree.ErrSoFar() != waiting; ++i) Sleep(10);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  (*held).reset();
  const auto finished = tree.Wait(process);
  EXPECT_EQ(finished.exitCode, 0u);
  EXPECT_EQ(finished.err, waiting);
}

}  // namespace
