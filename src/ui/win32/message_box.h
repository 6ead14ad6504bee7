// The system's own message box, with the flags of the pages passed as they
// are and the application title.
#pragma once

#include <windows.h>

#include <string>

#include "ui/message_box.h"

namespace ui::win32 {

// Modal to the owner (the open page, or none).
Answer ShowMessageBox(HWND owner, const std::string& prompt, unsigned flags);

}  // namespace ui::win32
