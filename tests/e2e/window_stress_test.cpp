// The whole program in one process, driven hard: thousands of animation starts and stops with
// the event loop turning, and a thousand openings and closings of each side window.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "core/calendar.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/clock.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_kind.h"
#include "ui/grs/grs_transits.h"
#include "ui/main/about.h"
#include "ui/main/interval.h"
#include "ui/main/viewer.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/tracks/tracks_kind.h"

namespace kelvra {
namespace {

constexpr const SideWindowKind* kTracksAndGRS[] = {&kTracksKind, &kGRSKind};

// The main window, the two dialogs and the tracks and GRS windows as the program makes them,
// on a 1280 x 1024 screen.
class WindowStress : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PrepareMainWindowStart();
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 1280);
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings, kTracksAndGRS);
    ASSERT_TRUE(viewer->startedUp());
    tracks = &viewer->addSideWindow(std::make_unique<TSatTracks>(parts.links(*viewer)));
    interval = std::make_unique<TInterval>(viewer->animationInterval());
    about = std::make_unique<TAboutWin>();
    grs = &viewer->addSideWindow(std::make_unique<TGRSTransits>(parts.links(*viewer)));
    viewer->setOtherWindows(interval.get(), about.get());
    viewer->show();
    QApplication::processEvents();
  }

  void TearDown() override {
    viewer->setOtherWindows(nullptr, nullptr);
    about.reset();
    interval.reset();
    viewer.reset();
    SetClockForTesting({});
  }

  // A click on a toolbar button of the main window, as the user clicks it.
  void clickButton(const char* name) {
    auto* button = viewer->findChild<ClickArea*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  void lblTracksClick() { clickButton("lblTracks"); }
  void lblGRSClick() { clickButton("lblGRS"); }

  // The exit button of a side window, clicked as the user clicks it.
  static void clickExit(QWidget& window, const char* name) {
    auto* exit = window.findChild<ClickArea*>(QString::fromLatin1(name));
    ASSERT_NE(exit, nullptr) << name;
    QTest::mouseClick(exit, Qt::LeftButton, {}, exit->rect().center());
  }

  // Minutes from 2000-01-01 00:00 UT to the instant the fields show.
  double shownMinutes() const {
    return std::round(
        (parts.observation.value().instantUT - JulianDayFromDate(1, 1, 2000, 0, 0, 0, 0)) * 1440);
  }

  testing::MessageLog messages;
  testing::ProgramParts parts;
  std::unique_ptr<TViewer> viewer;
  TSatTracks* tracks = nullptr;  // the main window's
  std::unique_ptr<TInterval> interval;
  std::unique_ptr<TAboutWin> about;
  TGRSTransits* grs = nullptr;  // the main window's
};

// Each cycle starts from the instant shown, lets the worker deliver at least one frame, and
// stops. A frame shows its instant and then steps one minute on, so after k frames the fields
// have moved k - 1 minutes: the instant shown at the end counts every frame that ran, and a
// frame lost, doubled or run after Stop shows up as a difference.
TEST_F(WindowStress, TenThousandAnimateStopCyclesLoseNoFrame) {
  constexpr int kCycles = 10000;
  viewer->animationInterval() = 1;  // minute per frame
  const double startMinutes = shownMinutes();
  long frames = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    const JulianDay start = parts.observation.value().instantUT;
    viewer->StartAnimation();
    ASSERT_TRUE(viewer->animationRunning());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (viewer->animationJulianDay() == start && std::chrono::steady_clock::now() < deadline) {
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ASSERT_NE(viewer->animationJulianDay(), start) << "no frame within 5 s in cycle " << cycle;
    viewer->lblStopClick();
    ASSERT_FALSE(viewer->animationRunning());
    frames += std::lround((viewer->animationJulianDay() - start) * 1440);
  }
  const JulianDay stoppedAt = viewer->animationJulianDay();
  QTest::qWait(100);  // a frame requested before the last Stop must not run now
  EXPECT_EQ(viewer->animationJulianDay(), stoppedAt);
  EXPECT_EQ(shownMinutes() - startMinutes, static_cast<double>(frames - kCycles));
  EXPECT_GE(frames, kCycles);
  EXPECT_TRUE(messages.errors.isEmpty());
  EXPECT_TRUE(messages.plain.isEmpty());
  RecordProperty("frames", static_cast<int>(frames));
}

TEST_F(WindowStress, ThousandOpeningsOfEachSideWindowLeaveTheCountsAtZero) {
  constexpr int kRounds = 1000;
  const QPoint home = viewer->pos();
  for (int round = 0; round < kRounds; ++round) {
    lblTracksClick();
    lblGRSClick();
    QApplication::processEvents();
    ASSERT_TRUE(tracks->isVisible());
    ASSERT_TRUE(grs->isVisible());
    ASSERT_EQ(viewer->LeftDockCount() + viewer->RightDockCount(), 2) << "round " << round;
    // Alternate which closes first, so both ways of closing up the cascade are taken.
    if (round % 2 == 0) {
      clickExit(*tracks, "lblTracksExit");
      clickExit(*grs, "btnExit");
    } else {
      clickExit(*grs, "btnExit");
      clickExit(*tracks, "lblTracksExit");
    }
    QApplication::processEvents();
    ASSERT_FALSE(tracks->isVisible());
    ASSERT_FALSE(grs->isVisible());
    ASSERT_EQ(viewer->LeftDockCount(), 0) << "round " << round;
    ASSERT_EQ(viewer->RightDockCount(), 0) << "round " << round;
  }
  EXPECT_EQ(viewer->pos(), home);  // 1280 wide: room on the right, the main window never moves
  EXPECT_TRUE(messages.errors.isEmpty());
  EXPECT_TRUE(messages.plain.isEmpty());
}

// Opening one window a thousand times while the other stays open, and opening an open window.
TEST_F(WindowStress, ReopeningAnOpenWindowCountsItOnce) {
  lblGRSClick();
  for (int round = 0; round < 1000; ++round) {
    lblTracksClick();
    lblTracksClick();
    lblGRSClick();
    ASSERT_EQ(viewer->LeftDockCount() + viewer->RightDockCount(), 2) << "round " << round;
    clickExit(*tracks, "lblTracksExit");
    ASSERT_EQ(viewer->LeftDockCount() + viewer->RightDockCount(), 1) << "round " << round;
  }
  clickExit(*grs, "btnExit");
  EXPECT_EQ(viewer->LeftDockCount(), 0);
  EXPECT_EQ(viewer->RightDockCount(), 0);
}

}  // namespace
}  // namespace kelvra
