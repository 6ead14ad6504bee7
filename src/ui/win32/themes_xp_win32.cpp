#include "ui/themes_xp.h"

#include "ui/win32/system_functions.h"

namespace ThèmesXP {

void InitCommonControls() {
  // Bound by name, so that the program starts on systems whose ComCtl32.dll
  // lacks the function; its result is of no interest.
  if (const auto init = ui::win32::System().initCommonControls) init();
}

}  // namespace ThèmesXP
