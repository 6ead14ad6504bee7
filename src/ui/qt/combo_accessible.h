// On Linux Qt gives a combo box its current text as accessible name, so a
// screen reader would announce "Français" instead of what the box is for.
// The page's combo box is named like the fields, by its label, and reports
// its text as its value.
#pragma once

namespace ui::qt {

// Makes every combo box of the program answer screen readers so; once per
// process, before the first page opens.
void InstallComboAccessibility();

}  // namespace ui::qt
