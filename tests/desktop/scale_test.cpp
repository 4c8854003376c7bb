// A list on a screen of two device pixels per pixel (this program starts Qt at a scale of 2):
// drawn at the screen's pixels, its text is as sharp as Qt's own, not each pixel doubled.
#include <QApplication>
#include <QSet>

#include <gtest/gtest.h>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_transits.h"

namespace kelvra {
namespace {

TEST(ScaleTwo, TheRedSpotListIsDrawnInTheScreensOwnPixels) {
  ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  testing::FakeHost host;
  SettingsStore store{host.directory(), {}};
  TGRSTransits window{host, nullptr, &store};
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

}  // namespace
}  // namespace kelvra

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
