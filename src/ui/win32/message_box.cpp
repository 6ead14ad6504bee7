#include "ui/win32/message_box.h"

#include "ui/win32/utf16.h"

namespace ui::win32 {

// The pages' flags and answers are the system's own values.
static_assert(mb::kOk == MB_OK && mb::kYesNo == MB_YESNO && mb::kButtonsMask == MB_TYPEMASK);
static_assert(mb::kIconError == MB_ICONERROR && mb::kIconQuestion == MB_ICONQUESTION &&
              mb::kIconWarning == MB_ICONWARNING && mb::kIconInformation == MB_ICONINFORMATION &&
              mb::kIconMask == MB_ICONMASK);
static_assert(mb::kDefaultButton2 == MB_DEFBUTTON2 && mb::kDefaultButtonMask == MB_DEFMASK);
static_assert(mb::kSetForeground == MB_SETFOREGROUND);
static_assert(static_cast<int>(Answer::Ok) == IDOK && static_cast<int>(Answer::Yes) == IDYES &&
              static_cast<int>(Answer::No) == IDNO);

Answer ShowMessageBox(HWND owner, const std::string& prompt, unsigned flags) {
  const int answer = MessageBoxW(owner, Wide(prompt).c_str(), Wide(kApplicationTitle).c_str(), flags);
  switch (answer) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    case IDOK: return Answer::Ok;
    default:
      // No box could be shown: the safe answer.
      return (flags & mb::kButtonsMask) == mb::kYesNo ? Answer::No : Answer::Ok;
  }
}

}  // namespace ui::win32
