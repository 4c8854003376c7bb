// A side window the program does not have, entered after the real ones: its toolbar button
// opens it, it docks and cascades with them, follows a drag and is closed up after, all through
// the main window's own code.
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window.h"
#include "ui/events/moon_events_window.h"
#include "ui/grs/grs_transits.h"
#include "ui/main/viewer.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/windows/side_windows.h"

namespace kelvra {
namespace {

void drawNoButton(QPainter&, const QRect&) {}

constexpr SideWindowKind kFakeKind{
    .name = "fake",
    .layout = layout::kSideWindowSkin,
    .button = {430, 12, 19, 19},  // between the events button and the hemisphere
    .buttonName = "lblFake",
    .buttonHint = "A fake window",
    .drawButton = &drawNoButton,
};

class FakeWindow : public SideWindowForm {
 public:
  explicit FakeWindow(const SideWindowLinks& links)
      : SideWindowForm(links, kFakeKind, {"Fake", "imgFakeBack", "btnFakeExit", "imgFake"}, nullptr,
                       nullptr) {}
  int draws = 0;  // lists drawn

 protected:
  void drawList(QImage&) override { ++draws; }
  void print(std::uint16_t, std::uint16_t) override {}
  bool localTime() const override { return false; }
  void storeLocalTime(bool) override {}
};

class FakeSideWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PrepareMainWindowStart();
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 1280);
    kinds.assign(SideWindowKinds().begin(), SideWindowKinds().end());
    kinds.push_back(&kFakeKind);
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings, kinds);
    ASSERT_TRUE(viewer->startedUp());
    const SideWindowLinks links = parts.links(*viewer);
    viewer->addSideWindow(std::make_unique<TSatTracks>(links));
    viewer->addSideWindow(std::make_unique<TGRSTransits>(links));
    viewer->addSideWindow(std::make_unique<TMoonEvents>(links));
    fake = &viewer->addSideWindow(std::make_unique<FakeWindow>(links));
    viewer->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    viewer.reset();
    SetClockForTesting({});
  }

  // Clicks a component of `window` by its object name, as the user does.
  static void click(QWidget& window, const char* name) {
    auto* target = window.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(target, nullptr) << name;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
  }
  QPoint placeOf(const char* windowName) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QLatin1String(windowName)) return top->pos();
    ADD_FAILURE() << windowName;
    return {};
  }

  testing::MessageLog messages;
  testing::ProgramParts parts;
  std::vector<const SideWindowKind*> kinds;
  std::unique_ptr<TViewer> viewer;
  FakeWindow* fake = nullptr;
};

TEST_F(FakeSideWindow, DocksCascadesFollowsADragAndClosesUpWithTheRealOnes) {
  const QPoint main = viewer->pos();  // 1280 x 1024: centred, room on the right
  click(*viewer, "lblTracks");
  click(*viewer, "lblFake");
  click(*viewer, "lblEvents");
  ASSERT_TRUE(fake->isVisible());
  EXPECT_EQ(placeOf("SatTracks"), main + QPoint(638, 0));
  EXPECT_EQ(fake->pos(), main + QPoint(648, 10));  // one place out
  EXPECT_EQ(placeOf("MoonEvents"), main + QPoint(658, 20));
  EXPECT_EQ(viewer->RightDockCount(), 3);

  // A new month reaches it as it reaches the others.
  const int draws = fake->draws;
  viewer->txtYear->setFocus(Qt::TabFocusReason);
  viewer->txtYear->selectAll();
  QTest::keyClicks(viewer->txtYear, "2001");
  QTest::keyClick(viewer->txtYear, Qt::Key_Return);
  EXPECT_GT(fake->draws, draws);

  // A drag of the name plate takes every docked window along.
  QWidget* handle = viewer->findChild<QWidget*>("lblKelvra95");
  QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(handle, QPoint(-20, 35));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-20, 35));
  const QPoint dragged = main + QPoint(-30, 25);
  ASSERT_EQ(viewer->pos(), dragged);
  EXPECT_EQ(fake->pos(), dragged + QPoint(648, 10));
  EXPECT_EQ(placeOf("MoonEvents"), dragged + QPoint(658, 20));

  // Its exit closes up its side: the events window slides into its place.
  click(*fake, "btnFakeExit");
  EXPECT_FALSE(fake->isVisible());
  EXPECT_EQ(placeOf("MoonEvents"), dragged + QPoint(648, 10));
  EXPECT_EQ(placeOf("SatTracks"), dragged + QPoint(638, 0));
  EXPECT_EQ(viewer->RightDockCount(), 2);
  EXPECT_TRUE(messages.errors.isEmpty());
}

}  // namespace
}  // namespace kelvra
