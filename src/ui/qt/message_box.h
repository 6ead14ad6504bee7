// The modal message box, with the flags and answers of the Windows one and
// its French buttons.
#pragma once

#include <string>

#include "ui/message_box.h"

namespace ui::qt {

Answer ShowMessageBox(const std::string& prompt, unsigned flags);

}  // namespace ui::qt
