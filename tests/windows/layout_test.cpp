// The layout table against the skin pictures drawn from it: every click area of every window,
// each registered side window's too, lies over a face, a well or a plate drawn in its skin,
// never over bare panel.
#include "ui/common/layout.h"

#include <QImage>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/skins.h"
#include "ui/grs/grs_kind.h"
#include "ui/windows/side_windows.h"

namespace kelvra {
namespace {

using Main = layout::MainWindow;

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

struct NamedArea {
  std::string name;
  QRect area;
};

// The main window's own buttons, views and plates.
std::vector<NamedArea> mainWindowAreas() {
  return {
      {"magnify", Main::magnify},     {"reduce", Main::reduce},         {"animate", Main::animate},
      {"stop", Main::stop},           {"realTime", Main::realTime},     {"help", Main::help},
      {"about", Main::about},         {"minimise", Main::minimise},     {"exit", Main::exit},
      {"namePlate", Main::namePlate}, {"hemisphere", Main::hemisphere}, {"compass", Main::compass},
      {"sideView", Main::sideView},   {"planView", Main::planView}};
}

TEST(Layout, EveryMainWindowButtonLiesOverAFaceOfTheSkin) {
  const QImage skin = skins::MainWindowFrame(SideWindowKinds());
  const QImage ground = skins::Panel(Main::size.width(), Main::size.height());
  std::vector<NamedArea> areas = mainWindowAreas();
  for (const SideWindowKind* window : SideWindowKinds())
    areas.push_back({window->name, window->button});
  for (const auto& [name, area] : areas) {
    ASSERT_TRUE(QRect(QPoint(0, 0), Main::size).contains(area)) << name;
    EXPECT_EQ(barePixels(skin, ground, area), 0) << name;
  }
}

// A new window's button put where another one lies would take its clicks; a name used twice
// would make one window's rows in build/layout.sh overwrite another's.
TEST(Layout, EverySideWindowHasAButtonOfItsOwnAndANameOfItsOwn) {
  const std::vector<NamedArea> taken = mainWindowAreas();
  std::set<std::string> names;
  std::vector<QRect> buttons;
  for (const SideWindowKind* window : SideWindowKinds()) {
    const std::string name = window->name;
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return std::islower(c); }))
        << name;
    for (const auto& [other, area] : taken) {
      EXPECT_FALSE(area.intersects(window->button)) << name << " over " << other;
    }
    for (const QRect& button : buttons) EXPECT_FALSE(button.intersects(window->button)) << name;
    buttons.push_back(window->button);
  }
  EXPECT_GE(names.size(), 3u);  // tracks, GRS, events at least
}

TEST(Layout, EverySideWindowButtonLiesOverAFaceOfTheSkin) {
  const QImage skin = skins::SideWindowSkin();
  const QImage ground = skins::Panel(skin.width(), skin.height());
  for (const SideWindowKind* window : SideWindowKinds()) {
    const layout::SideWindowLayout& side = window->layout;
    EXPECT_EQ(side.size, QSize(200, 479)) << window->name;  // the skin's 480 rows, the last hidden
    for (const QRect& area : {side.print, side.timeBasis, side.exit, side.list}) {
      EXPECT_EQ(barePixels(skin, ground, area), 0)
          << window->name << " " << area.x() << "," << area.y();
    }
  }
}

TEST(Layout, DialogExitAndFieldLieOverTheirSkins) {
  const QImage about = skins::AboutSkin(true);
  EXPECT_EQ(about.size(), layout::AboutWindow::size);
  EXPECT_EQ(
      barePixels(about, skins::Panel(about.width(), about.height()), layout::AboutWindow::exit), 0);
  const QImage longitude = skins::LongitudeSkin(true);
  EXPECT_EQ(longitude.size(), layout::kLongitudeDialogSize);
  for (const QRect& field : {layout::kLongitudeField, layout::kDriftField, layout::kEpochField}) {
    EXPECT_EQ(barePixels(longitude, skins::Panel(longitude.width(), longitude.height()), field), 0)
        << field.x() << "," << field.y();
  }
}

}  // namespace
}  // namespace kelvra
