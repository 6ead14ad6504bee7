// The program's pictures: formats, sizes and the pixels that are fixed.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <set>
#include <string>

#include "install_tree.h"
#include "pages/page_layouts.h"
#include "qt_test_support.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_window.h"

namespace {

std::string Asset(const char* name) { return testing_support::ReadFileBytes(std::string(ZVC_ASSETS_DIR) + "/" + name); }

std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// The fields of a BMP's info header: width, height, bits per pixel, compression.
struct BmpInfo {
  std::uint32_t width, height, bitsPerPixel, compression, paletteSize;
};
BmpInfo ReadBmpInfo(const std::string& bytes) {
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Little(bytes, 2, 4), bytes.size());
  EXPECT_EQ(Little(bytes, 14, 4), 40u);
  return {Little(bytes, 18, 4), Little(bytes, 22, 4), Little(bytes, 28, 2), Little(bytes, 30, 4),
          Little(bytes, 46, 4)};
}

TEST(PicturesTest, TheLogoIsAnUncompressedPaletteBitmap) {
  const std::string bytes = Asset("logo.bmp");
  const BmpInfo info = ReadBmpInfo(bytes);
  EXPECT_EQ(info.width, 128u);
  EXPECT_EQ(info.height, 280u);
  EXPECT_EQ(info.bitsPerPixel, 8u);
  EXPECT_EQ(info.compression, 0u);
  EXPECT_TRUE(info.paletteSize == 0 || info.paletteSize == 256);
  const QPixmap logo = ui::qt::PicturePixmap(ui::Picture::Logo);
  EXPECT_EQ(logo.size(), QSize(128, 280));
}

TEST(PicturesTest, TheSeparatorIsAGreyPixelOverAWhiteOne) {
  const std::string bytes = Asset("separator.bmp");
  const BmpInfo info = ReadBmpInfo(bytes);
  EXPECT_EQ(info.width, 1u);
  EXPECT_EQ(info.height, 2u);
  EXPECT_EQ(info.bitsPerPixel, 24u);
  EXPECT_EQ(info.compression, 0u);
  const QImage separator = ui::qt::PicturePixmap(ui::Picture::Separator).toImage();
  EXPECT_EQ(separator.pixel(0, 0), qRgb(172, 168, 153));
  EXPECT_EQ(separator.pixel(0, 1), qRgb(255, 255, 255));
}

TEST(PicturesTest, ThePageIconIsAOneFrameGifWithATransparentFirstColour) {
  const std::string bytes = Asset("page_icon.gif");
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  EXPECT_EQ(Little(bytes, 6, 2), 32u);
  EXPECT_EQ(Little(bytes, 8, 2), 32u);
  const auto packed = static_cast<unsigned char>(bytes[10]);
  EXPECT_TRUE(packed & 0x80) << "a global colour table";
  EXPECT_EQ(packed & 0x07, 7) << "of 256 colours";
  // The graphic control extension follows the 256-colour table: transparency on, index 0.
  const std::size_t extension = 13 + 3 * 256;
  ASSERT_EQ(static_cast<unsigned char>(bytes[extension]), 0x21);
  ASSERT_EQ(static_cast<unsigned char>(bytes[extension + 1]), 0xF9);
  EXPECT_TRUE(bytes[extension + 3] & 0x01);
  EXPECT_EQ(static_cast<unsigned char>(bytes[extension + 6]), 0);

  QImageReader reader(QStringLiteral(":/pictures/page_icon.gif"));
  EXPECT_EQ(reader.imageCount(), 1);
  const QImage icon = reader.read();
  ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(icon.size(), QSize(32, 32));
  EXPECT_EQ(qAlpha(icon.convertToFormat(QImage::Format_ARGB32).pixel(0, 0)), 0) << "a transparent corner";
}

TEST(PicturesTest, TheApplicationIconHoldsSixImages) {
  const std::string bytes = Asset("app_icon.ico");
  ASSERT_EQ(Little(bytes, 0, 2), 0u);
  ASSERT_EQ(Little(bytes, 2, 2), 1u);
  ASSERT_EQ(Little(bytes, 4, 2), 6u);
  std::multiset<std::pair<int, int>> entries;  // size, bits per pixel
  for (int i = 0; i < 6; ++i) {
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    const int size = static_cast<unsigned char>(bytes[entry]);
    const std::uint32_t offset = Little(bytes, entry + 12, 4);
    // Each image is a DIB; its own header gives its depth.
    entries.insert({size, static_cast<int>(Little(bytes, offset + 14, 2))});
  }
  EXPECT_EQ(entries, (std::multiset<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
  QImageReader reader(QStringLiteral(":/pictures/app_icon.ico"));
  EXPECT_EQ(reader.imageCount(), 6);
  for (int i = 0; i < reader.imageCount(); ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    EXPECT_FALSE(reader.read().isNull()) << "image " << i;
  }
}

// Runs at the screen's scale, and again with QT_SCALE_FACTOR=2 (CMakeLists).
TEST(PicturesTest, TheLogoShownIsTheDrawingMadeForTheScaleQtReports) {
  ui::qt::QtPlatform platform;
  qt_testing::NoEvents events;
  ui::qt::QtWindow window(pages::WelcomeWizardLayout(), events, platform);
  auto* logo = static_cast<QLabel*>(window.Widget(ui::ControlId::Image1));
  const qreal ratio = logo->devicePixelRatio();
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
    EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
  }
  const char* drawing = ratio == 2 ? "logo_200.bmp" : ratio == 1.5 ? "logo_150.bmp" : "logo.bmp";
  const QImage expected = QImage(QString::fromUtf8(ZVC_ASSETS_DIR) + "/" + drawing).convertToFormat(QImage::Format_RGB32);
  const QPixmap shown = logo->pixmap();
  EXPECT_EQ(shown.devicePixelRatio(), ratio);
  EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(128, 280)) << "the same room at every scale";
  EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), expected) << drawing;
}

}  // namespace
