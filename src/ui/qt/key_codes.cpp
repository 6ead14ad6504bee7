#include "ui/qt/key_codes.h"

namespace ui::qt {

std::u16string TypedCodes(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return u"\r";
    case Qt::Key_Backspace: return u"\b";
    case Qt::Key_Escape: return u"\x1b";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return {};
    default: break;
  }
  // The standard shortcuts, whatever keys the platform binds them to.
  if (event.matches(QKeySequence::Copy)) return u"\x03";
  if (event.matches(QKeySequence::Paste)) return u"\x16";
  if (event.matches(QKeySequence::Cut)) return u"\x18";
  const auto modifiers = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return std::u16string(1, static_cast<char16_t>(key - Qt::Key_A + 1));
  }
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  return event.text().toStdU16String();
}

bool IsSystemKey(const QKeyEvent& event) {
  return (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0;
}

}  // namespace ui::qt
