#include "ui/qt/pictures.h"

#include <QImageReader>
#include <QString>

#include <array>
#include <cmath>

namespace ui::qt {
namespace {

constexpr std::array<int, 3> kScales = {100, 150, 200};

QString PictureFile(Picture picture, int scale) {
  const QString suffix = scale == 100 ? QString() : QStringLiteral("_%1").arg(scale);
  switch (picture) {
    case Picture::Logo: return QStringLiteral(":/pictures/logo%1.bmp").arg(suffix);
    case Picture::Separator: return QStringLiteral(":/pictures/separator%1.bmp").arg(suffix);
    // The 32-pixel GIF at 100 %; the larger drawings are the 48- and
    // 64-pixel images of the Windows edition's ICO.
    case Picture::PageIcon:
      return scale == 100 ? QStringLiteral(":/pictures/page_icon.gif") : QStringLiteral(":/pictures/page_icon.ico");
    case Picture::None: break;
  }
  return {};
}

// The image of FILE whose width is WIDTH (an ICO holds several), or its only one.
QImage ReadImage(const QString& file, int width) {
  QImageReader reader(file);
  for (int i = 0; i < reader.imageCount(); ++i) {
    if (!reader.jumpToImage(i) || reader.size().width() != width) continue;
    return reader.read();
  }
  return QImageReader(file).read();
}

}  // namespace

int PictureScale(qreal devicePixelRatio) {
  for (int scale : kScales) {
    if (devicePixelRatio * 100 <= scale + 0.5) return scale;
  }
  return kScales.back();
}

QPixmap PicturePixmap(Picture picture, qreal devicePixelRatio) {
  if (picture == Picture::None) return {};
  const QSize logical = QImageReader(PictureFile(picture, 100)).size();
  const int scale = PictureScale(devicePixelRatio);
  QImage image = ReadImage(PictureFile(picture, scale), logical.width() * scale / 100);
  if (image.isNull()) image = QImage(PictureFile(picture, 100));
  const QSize device(static_cast<int>(std::lround(logical.width() * devicePixelRatio)),
                     static_cast<int>(std::lround(logical.height() * devicePixelRatio)));
  if (image.size() != device) image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/pictures/app_icon.ico")); }

PictureLabel::PictureLabel(Picture picture, QWidget* parent) : QLabel(parent), picture_(picture) {
  shownRatio_ = devicePixelRatio();
  setPixmap(PicturePixmap(picture_, shownRatio_));
}

void PictureLabel::paintEvent(QPaintEvent* event) {
  // The ratio is the screen's: it changes when the window moves to a
  // screen of another scale.
  if (devicePixelRatio() != shownRatio_) {
    shownRatio_ = devicePixelRatio();
    setPixmap(PicturePixmap(picture_, shownRatio_));
  }
  QLabel::paintEvent(event);
}

}  // namespace ui::qt
