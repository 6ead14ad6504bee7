#include "ui/qt/dialog_font.h"

namespace ui::qt {

QFont DialogFont() {
  // The narrow face of Liberation Sans: at 8 points every label's text fits
  // the rectangle it was laid out in for the Windows dialog font.
  QFont font(QStringLiteral("Liberation Sans Narrow"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8);
  return font;
}

}  // namespace ui::qt
