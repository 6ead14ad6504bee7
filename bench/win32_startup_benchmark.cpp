// Start-up of the Windows program: the time from starting the process to
// its welcome page being visible, against the same for a bare Win32
// window, measured alternately in the same run. Prints the medians and
// their ratio.
//   win32_startup_benchmark <program.exe> <bare_window.exe> [runs]
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
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: %ls <program.exe> <bare_window.exe> [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 15;
  std::vector<double> program, bare;
  // One untimed start of each fills the system's caches.
  TimeToWindow(argv[1], L"Zantrel Velquist Creator - Bienvenue...");
  TimeToWindow(argv[2], L"Bare Win32 window");
  for (int run = 0; run < runs; ++run) {
    const double p = TimeToWindow(argv[1], L"Zantrel Velquist Creator - Bienvenue...");
    const double b = TimeToWindow(argv[2], L"Bare Win32 window");
    if (p < 0 || b < 0) {
      std::fwprintf(stderr, L"a window did not appear\n");
      return 1;
    }
    program.push_back(p);
    bare.push_back(b);
  }
  const double p = Median(program), b = Median(bare);
  std::wprintf(L"start-up to the visible window, median of %d runs:\n", runs);
  std::wprintf(L"  welcome page   %8.1f ms\n  bare window    %8.1f ms\n  ratio          %8.2f\n", p, b, p / b);
  return 0;
}
