#include <windows.h>

#include "ui/themes_xp.h"

namespace ThèmesXP {

void InitCommonControls() {
  // Bound by name on first use, so that the program starts on systems whose
  // ComCtl32.dll lacks the function; its result is of no interest.
  using InitFunction = void(WINAPI*)();
  static const auto init = [] {
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    return library ? reinterpret_cast<InitFunction>(GetProcAddress(library, "InitCommonControls")) : nullptr;
  }();
  if (init) init();
}

}  // namespace ThèmesXP
