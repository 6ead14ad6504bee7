// What screen readers are told about the page windows and the combo box
// beyond Qt's own interfaces:
// - a page window is a plain QWidget, which Qt reports as a filler: it is
//   reported as a window (a frame on AT-SPI), so its caption is announced;
// - on Linux Qt gives a combo box its current text as name, so a screen
//   reader would announce "Français" instead of what the box is for: the
//   combo box is named like the fields, by its label, and reports its text
//   as its value.
#pragma once

namespace ui::qt {

// Once per process, before the first page opens.
void InstallAccessibleInterfaces();

}  // namespace ui::qt
