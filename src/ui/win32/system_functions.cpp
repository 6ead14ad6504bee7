#include "ui/win32/system_functions.h"

namespace ui::win32 {
namespace {

template <typename Function>
void Bind(Function& function, HMODULE library, const char* name) {
  if (library) function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

SystemFunctions Bound() {
  SystemFunctions functions;
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  Bind(functions.getDpiForWindow, user32, "GetDpiForWindow");
  Bind(functions.adjustWindowRectExForDpi, user32, "AdjustWindowRectExForDpi");
  Bind(functions.getSystemMetricsForDpi, user32, "GetSystemMetricsForDpi");
  // Loaded, not only looked up: the program may not have loaded it yet.
  Bind(functions.initCommonControls, LoadLibraryW(L"comctl32.dll"), "InitCommonControls");
  return functions;
}

}  // namespace

const SystemFunctions& System() {
  static const SystemFunctions functions = Bound();
  return functions;
}

const Shell32Functions& Shell32() {
  static const Shell32Functions functions = [] {
    Shell32Functions bound;
    Bind(bound.commandLineToArgvW, LoadLibraryW(L"shell32.dll"), "CommandLineToArgvW");
    return bound;
  }();
  return functions;
}

const Ole32Functions& Ole32() {
  static const Ole32Functions functions = [] {
    Ole32Functions bound;
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    Bind(bound.coInitializeEx, ole32, "CoInitializeEx");
    Bind(bound.coUninitialize, ole32, "CoUninitialize");
    Bind(bound.coCreateInstance, ole32, "CoCreateInstance");
    // All three or none: the caller then has no imaging component.
    if (!bound.coInitializeEx || !bound.coUninitialize || !bound.coCreateInstance) bound = Ole32Functions();
    return bound;
  }();
  return functions;
}

}  // namespace ui::win32
