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

  // Runs the copy with the arguments, its outputs in files, and waits.
  ProgramRun Run(const std::vector<std::string>& arguments) const {
    std::wstring commandLine = L"\"" + *text::Utf8ToWide(Root()) + L"\\Zantrel Velquist Creator.exe\"";
    for (const auto& argument : arguments) commandLine += L" \"" + *text::Utf8ToWide(argument) + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    auto output = [&](const char* suffix) {
      return CreateFileW(text::Utf8ToWide(Root() + suffix)->c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                         CREATE_ALWAYS, 0, nullptr);
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output(".out");
    startup.hStdError = output(".err");
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &process));
    WaitForSingleObject(process.hProcess, INFINITE);
    ProgramRun run{};
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    for (HANDLE handle : {process.hProcess, process.hThread, startup.hStdOutput, startup.hStdError}) CloseHandle(handle);
    run.out = testing_support::ReadFileBytes(fs::path(*text::Utf8ToWide(Root() + ".out")));
    run.err = testing_support::ReadFileBytes(fs::path(*text::Utf8ToWide(Root() + ".err")));
    return run;
  }
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

}  // namespace
