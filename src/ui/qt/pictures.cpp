#include "ui/qt/pictures.h"

#include <QString>

namespace ui::qt {

QPixmap PicturePixmap(Picture picture) {
  switch (picture) {
    case Picture::Logo: return QPixmap(QStringLiteral(":/pictures/logo.bmp"));
    case Picture::PageIcon: return QPixmap(QStringLiteral(":/pictures/page_icon.gif"));
    case Picture::Separator: return QPixmap(QStringLiteral(":/pictures/separator.bmp"));
    case Picture::None: break;
  }
  return {};
}

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/pictures/app_icon.ico")); }

}  // namespace ui::qt
