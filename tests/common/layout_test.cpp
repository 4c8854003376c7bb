// The layout table against the skin pictures drawn from it: every click area of every window
// lies over a face, a well or a plate drawn in its skin, never over bare panel.
#include "ui/common/layout.h"

#include <QImage>

#include <algorithm>

#include <gtest/gtest.h>

#include "assets/skins.h"

namespace kelvra {
namespace {

// The number of pixels inside `area` where `skin` shows the bare panel `ground`, less the
// one in a hundred a bevel may leave to the panel at its corners: an area one pixel off its
// face lays a whole row or column bare, far more.
int barePixels(const QImage& skin, const QImage& ground, QRect area) {
  int bare = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (skin.pixel(x, y) == ground.pixel(x, y)) ++bare;
  return std::max(0, bare - area.width() * area.height() / 100);
}

TEST(Layout, EveryMainWindowButtonLiesOverAFaceOfTheSkin) {
  using Main = layout::MainWindow;
  const QImage skin = skins::MainWindowFrame();
  const QImage ground = skins::Panel(Main::size.width(), Main::size.height());
  const std::pair<const char*, QRect> areas[] = {
      {"magnify", Main::magnify},   {"reduce", Main::reduce},     {"animate", Main::animate},
      {"stop", Main::stop},         {"realTime", Main::realTime}, {"tracks", Main::tracks},
      {"grs", Main::grs},           {"help", Main::help},         {"about", Main::about},
      {"minimise", Main::minimise}, {"exit", Main::exit},         {"namePlate", Main::namePlate},
      {"hemisphere", Main::hemisphere}, {"compass", Main::compass}, {"sideView", Main::sideView},
      {"planView", Main::planView}};
  for (const auto& [name, area] : areas) {
    ASSERT_TRUE(QRect(QPoint(0, 0), Main::size).contains(area)) << name;
    EXPECT_EQ(barePixels(skin, ground, area), 0) << name;
  }
}

TEST(Layout, EverySideWindowButtonLiesOverAFaceOfTheSkin) {
  const QImage skin = skins::SideWindowSkin();
  const QImage ground = skins::Panel(skin.width(), skin.height());
  for (const layout::SideWindowLayout* window : {&layout::kTracksWindow, &layout::kGRSWindow}) {
    EXPECT_EQ(window->size, QSize(200, 479));  // the skin's 480 rows, the last one hidden
    for (const QRect& area : {window->print, window->timeBasis, window->exit, window->list}) {
      EXPECT_EQ(barePixels(skin, ground, area), 0) << area.x() << "," << area.y();
    }
  }
}

TEST(Layout, DialogExitAndFieldLieOverTheirSkins) {
  const QImage about = skins::AboutSkin();
  EXPECT_EQ(about.size(), layout::AboutWindow::size);
  EXPECT_EQ(barePixels(about, skins::Panel(about.width(), about.height()),
                       layout::AboutWindow::exit),
            0);
  const QImage longitude = skins::LongitudeSkin();
  EXPECT_EQ(longitude.size(), layout::kLongitudeDialogSize);
  for (const QRect& field : {layout::kLongitudeField, layout::kDriftField, layout::kEpochField}) {
    EXPECT_EQ(barePixels(longitude, skins::Panel(longitude.width(), longitude.height()), field), 0)
        << field.x() << "," << field.y();
  }
}

}  // namespace
}  // namespace kelvra
