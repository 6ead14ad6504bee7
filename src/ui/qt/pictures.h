// The program's pictures, built into it.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "ui/page_layout.h"

namespace ui::qt {

QPixmap PicturePixmap(Picture picture);
QIcon ApplicationIcon();

}  // namespace ui::qt
