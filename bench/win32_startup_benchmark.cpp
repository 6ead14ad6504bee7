// Start-up of the Windows program: the time from starting the process to
// its welcome page being visible, against the same for a bare Win32 window
// with common controls 6 (the program's manifest and InitCommonControls)
// and for a bare window alone, measured in turn in the same run, in an order
// that turns from run to run. Prints the medians and the program's ratio to
// each.
//   win32_startup_benchmark <program.exe> <bare_window_controls.exe> <bare_window.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER count{}, frequency{};
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Starts the program, waits for its visible window of that title, closes
// it and gives the time to the window in milliseconds (negative on failure).
double TimeToWindow(const std::wstring& program, const wchar_t* title) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const double started = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  HWND window = nullptr;
  double shown = -1;
  while (Now() - started < 30) {
    window = FindWindowW(nullptr, title);
    if (window && IsWindowVisible(window)) {
      shown = (Now() - started) * 1000;
      break;
    }
    Sleep(0);
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return shown;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 4) {
    std::fwprintf(stderr, L"usage: %ls <program.exe> <bare_window_controls.exe> <bare_window.exe> [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 4 ? std::max(1, _wtoi(argv[4])) : 15;
  struct Program {
    const wchar_t* file;
    const wchar_t* title;
    std::vector<double> times;
  };
  std::vector<Program> programs = {{argv[1], L"Zantrel Velquist Creator - Bienvenue...", {}},
                                   {argv[2], L"Bare Win32 window with common controls 6", {}},
                                   {argv[3], L"Bare Win32 window", {}}};
  // One untimed start of each fills the system's caches.
  for (const Program& program : programs) TimeToWindow(program.file, program.title);
  // The order turns from one run to the next: a program started first, or
  // after a given other, is not favoured.
  for (int run = 0; run < runs; ++run) {
    for (std::size_t turn = 0; turn < programs.size(); ++turn) {
      Program& program = programs[(turn + static_cast<std::size_t>(run)) % programs.size()];
      const double time = TimeToWindow(program.file, program.title);
      if (time < 0) {
        std::fwprintf(stderr, L"the window \"%ls\" did not appear\n", program.title);
        return 1;
      }
      program.times.push_back(time);
    }
  }
  const double p = Median(programs[0].times), c = Median(programs[1].times), b = Median(programs[2].times);
  std::wprintf(L"start-up to the visible window, median of %d runs:\n", runs);
  std::wprintf(L"  welcome page                          %8.1f ms\n", p);
  std::wprintf(L"  bare window with common controls 6    %8.1f ms\n", c);
  std::wprintf(L"  bare window                           %8.1f ms\n", b);
  std::wprintf(L"  ratio to the bare window with common controls 6  %5.2f\n", p / c);
  std::wprintf(L"  ratio to the bare window                         %5.2f\n", p / b);
  return 0;
}
