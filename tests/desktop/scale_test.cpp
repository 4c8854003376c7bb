// A list on a screen of two device pixels per pixel (the scale of 2 of a dense laptop screen):
// drawn in the screen's own pixels, its text is as sharp as Qt's own, not each pixel doubled,
// also when its window comes over from a plain screen. This program's main gives Qt a plain
// and a dense screen side by side.
#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/pictures.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_transits.h"

namespace kelvra {
namespace {

QScreen* screenOfRatio(double ratio) {
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->devicePixelRatio() == ratio) return screen;
  }
  return nullptr;
}

TEST(DenseScreen, TheRedSpotListIsDrawnInTheScreensOwnPixels) {
  QScreen* dense = screenOfRatio(2);
  ASSERT_NE(dense, nullptr);
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  testing::FakeHost host;
  TGRSTransits window{host.links()};
  window.setScreen(dense);
  window.move(dense->geometry().topLeft());
  window.show();
  window.CalcGRS();  // January 2000
  const QImage shown = window.findChild<ImageView*>("imgGRS")->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(320, 806));
  // Scaled from one pixel per pixel, each 2 x 2 block would be one colour (or, smoothed, the
  // colours blended). Drawn at two, glyph strokes are one device pixel wide: half blocks.
  const QSet<QRgb> colours = {qRgb(0, 0, 0), qRgb(40, 40, 40), qRgb(0, 255, 255),
                              qRgb(255, 255, 0)};
  int textBlocks = 0, halfBlocks = 0;
  for (int y = 0; y + 1 < shown.height(); y += 2) {
    for (int x = 0; x + 1 < shown.width(); x += 2) {
      const QSet<QRgb> block = {shown.pixel(x, y), shown.pixel(x + 1, y), shown.pixel(x, y + 1),
                                shown.pixel(x + 1, y + 1)};
      ASSERT_TRUE(colours.contains(block)) << "a blended pixel at " << x << ", " << y;
      const bool text = block.contains(qRgb(0, 255, 255)) || block.contains(qRgb(255, 255, 0));
      textBlocks += text;
      halfBlocks += text && block.size() > 1;
    }
  }
  ASSERT_GT(textBlocks, 1000);            // days and transit times on every row
  EXPECT_GT(halfBlocks, textBlocks / 2);  // 87% at commit time
}

// A window dragged from the plain screen to the dense one: a picture is drawn again at the new
// ratio by itself, a canvas asks its owner to draw it again, once.
TEST(DenseScreen, PicturesAndCanvasesFollowTheirWindowToAnotherRatio) {
  QScreen* plain = screenOfRatio(1);
  QScreen* dense = screenOfRatio(2);
  ASSERT_TRUE(plain != nullptr && dense != nullptr);
  QWidget window;
  window.resize(40, 20);
  ImageView picture(&window, "picture");
  picture.setPicture([](double ratio) { return TimeBasisButton(true, ratio); }, true);
  ImageView canvas(&window, "canvas");
  canvas.setGeometry(20, 0, 20, 20);
  canvas.setImage(QImage(20, 20, QImage::Format_RGB32));
  canvas.canvas().fill(Qt::black);
  int redraws = 0;
  QObject::connect(&canvas, &ImageView::pixelRatioChanged, [&] {
    ++redraws;
    canvas.canvas().fill(Qt::black);
  });
  window.setScreen(plain);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(redraws, 0);
  window.setScreen(dense);
  EXPECT_TRUE(QTest::qWaitFor([&] { return redraws > 0; }));
  canvas.grab();  // painted again, now drawn at the screen's ratio: it asks no more
  EXPECT_EQ(redraws, 1);
  EXPECT_TRUE(picture.image() == TimeBasisButton(true, 2));
  EXPECT_EQ(canvas.canvas().size(), QSize(40, 40));
}

}  // namespace
}  // namespace kelvra

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KELVRA_TWO_SCREENS);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
