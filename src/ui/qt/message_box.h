// The modal message box, with the flags and answers of the Windows one and
// its French buttons.
#pragma once

#include <string>

#include "ui/message_box.h"

class QWidget;

namespace ui::qt {

// The box belongs to `owner`, the open page window if there is one: the
// window manager keeps it above that page. It stays application-modal.
Answer ShowMessageBox(const std::string& prompt, unsigned flags, QWidget* owner = nullptr);

}  // namespace ui::qt
