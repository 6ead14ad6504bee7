// The message box flags and answers, with the values of the Windows message
// box, and the application title that every box bears.
#pragma once

namespace ui {

inline constexpr const char* kApplicationTitle = "Zantrel Velquist Creator";

namespace mb {
// Buttons.
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kButtonsMask = 0xF;
// Icons.
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconWarning = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr unsigned kIconMask = 0xF0;
// Default button: the first unless one of these says otherwise.
inline constexpr unsigned kDefaultButton2 = 0x100;
inline constexpr unsigned kDefaultButtonMask = 0xF00;
// Brings the box to the foreground.
inline constexpr unsigned kSetForeground = 0x10000;
}  // namespace mb

// The button that closed a box.
enum class Answer { Ok = 1, Yes = 6, No = 7 };

}  // namespace ui
