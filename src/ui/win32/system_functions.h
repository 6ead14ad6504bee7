// The system's functions that came after the oldest Windows the program
// starts on, bound by name once: each is nullptr where the system lacks it,
// and the caller falls back to the older way.
#pragma once

#include <windows.h>

namespace ui::win32 {

struct SystemFunctions {
  // user32, Windows 10 1607: the per-DPI metrics.
  UINT(WINAPI* getDpiForWindow)(HWND window) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT* rect, DWORD style, BOOL menu, DWORD extendedStyle,
                                         UINT dpi) = nullptr;
  int(WINAPI* getSystemMetricsForDpi)(int index, UINT dpi) = nullptr;
  // comctl32: the common controls' initialisation.
  void(WINAPI* initCommonControls)() = nullptr;
};

// The table, filled on first use.
const SystemFunctions& System();

// shell32, a large library that costs the start of a program under Wine:
// loaded on first use only, as the program splits its command line with it
// only when there is one.
struct Shell32Functions {
  LPWSTR*(WINAPI* commandLineToArgvW)(LPCWSTR commandLine, int* count) = nullptr;
};
const Shell32Functions& Shell32();

// ole32, with the libraries it brings, another large load under Wine: only
// the PNG pictures of the larger scales need it.
struct Ole32Functions {
  HRESULT(WINAPI* coInitializeEx)(void* reserved, DWORD model) = nullptr;
  void(WINAPI* coUninitialize)() = nullptr;
  HRESULT(WINAPI* coCreateInstance)(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId,
                                    void** object) = nullptr;
};
const Ole32Functions& Ole32();

}  // namespace ui::win32
