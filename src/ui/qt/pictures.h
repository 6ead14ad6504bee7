// The program's pictures, built into it, drawn for the screen's scale.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include "ui/page_layout.h"

namespace ui::qt {

// The drawing made for 100 %, 150 % or 200 % that serves a device pixel
// ratio: the smallest not smaller than it, so a picture is shrunk, never
// enlarged, except beyond 200 %.
int PictureScale(qreal devicePixelRatio);

// The picture for a device pixel ratio: the drawing of PictureScale(),
// brought to the exact number of device pixels where the ratio lies between
// the drawings, and marked with the ratio, so that it covers the same
// logical size at every scale.
QPixmap PicturePixmap(Picture picture, qreal devicePixelRatio = 1.0);
QIcon ApplicationIcon();

// An image control that shows its picture drawn for the scale of the screen
// it is on, again whenever that changes.
class PictureLabel : public QLabel {
 public:
  PictureLabel(Picture picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
  qreal shownRatio_ = 0;
};

}  // namespace ui::qt
