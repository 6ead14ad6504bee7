// The font of every window and control: an 8-point sans-serif face.
#pragma once

#include <QFont>

namespace ui::qt {

QFont DialogFont();

}  // namespace ui::qt
