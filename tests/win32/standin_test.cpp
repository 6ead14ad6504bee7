// The stand-in updater that ships in Redistributable\Program and in every
// kit made from a fresh package: run as a user would run it, it shows one
// message box that says what it is, and ends with success once answered.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "built_program_win.h"
#include "win32_test_support.h"

namespace {

using win32_testing::WindowText;

struct BoxSearch {
  DWORD process;
  HWND box;
};

BOOL CALLBACK FindProcessBox(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<BoxSearch*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t className[16]{};
  GetClassNameW(window, className, 16);
  if (process != wanted.process || lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  wanted.box = window;
  return FALSE;
}

HWND WaitForBoxOf(DWORD process) {
  BoxSearch search{process, nullptr};
  for (int attempt = 0; attempt < 200 && !search.box; ++attempt) {
    Sleep(50);
    EnumWindows(FindProcessBox, reinterpret_cast<LPARAM>(&search));
  }
  return search.box;
}

TEST(StandInUpdater, SaysInOneMessageBoxThatItStandsInForTheUpdaterAndEndsWithSuccess) {
  const std::wstring program = testing_support::BuiltProgramFile(ZVC_STANDIN_FILE);
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));

  const HWND box = WaitForBoxOf(process.dwProcessId);
  ASSERT_NE(box, nullptr) << "no message box from the stand-in";
  EXPECT_EQ(WindowText(box), "Zantrel Velquist");
  const std::string text = WindowText(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find("tient la place du logiciel de mise à jour"), std::string::npos) << text;
  EXPECT_NE(text.find("ne recherche et n'installe aucune mise à jour"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Redistributable\""), std::string::npos) << text;
  // One box, with OK alone.
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
