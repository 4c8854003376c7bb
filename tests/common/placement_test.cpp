#include "ui/common/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvra {
namespace {

constexpr int kMainWidth = 638;     // pixels, the main window's client area
constexpr int kMainHeight = 479;    // pixels
constexpr int kSideWidth = 200;     // pixels, tracks and GRS windows alike
constexpr int kSideHeight = 480;    // pixels
constexpr int kTop = 100;           // pixels, the main window's top in these cases
constexpr int kScreenHeight = 768;  // pixels
constexpr SideWindow kTracks{0};    // the first window visited
constexpr SideWindow kGRS{1};

// Both side windows hidden and uncounted, the main window at `left`.
Desk deskAt(int screenWidth, int left) {
  Desk desk;
  desk.screenWidth = screenWidth;
  desk.screenHeight = kScreenHeight;
  desk.main = QRect(left, kTop, kMainWidth, kMainHeight);
  desk.side = {QRect(0, 0, kSideWidth, kSideHeight), QRect(0, 0, kSideWidth, kSideHeight)};
  return desk;
}

void expectCounts(const Desk& desk, int left, int right) {
  EXPECT_EQ(desk.count(DockSide::Left), left);
  EXPECT_EQ(desk.count(DockSide::Right), right);
}

TEST(PositionForm, WideScreenCascadesOnTheRightAndClosingUpSlidesTheOuterWindowIn) {
  // 1280 wide, main centred: (1280 - 638) div 2 = 321.
  Desk desk = PositionForm(deskAt(1280, 321), kTracks);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(959, kTop));  // 321 + 638
  desk = PositionForm(desk, kGRS);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(969, kTop + 10));
  EXPECT_EQ(desk.main.left(), 321);
  expectCounts(desk, 0, 2);

  desk = RepositionForms(desk, kTracks);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(959, kTop));
  expectCounts(desk, 0, 1);
  desk = RepositionForms(desk, kGRS);
  expectCounts(desk, 0, 0);
}

TEST(PositionForm, ClosingTheOuterWindowLeavesTheInnerOneInPlace) {
  Desk desk = PositionForm(PositionForm(deskAt(1280, 321), kTracks), kGRS);
  desk = RepositionForms(desk, kGRS);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(959, kTop));
  expectCounts(desk, 0, 1);
}

TEST(PositionForm, NoRoomOnEitherSideMovesTheMainWindowLeft) {
  // 1024 wide, main centred at 193: neither 193 nor 1024 - 831 = 193 exceeds 200.
  const Desk desk = PositionForm(deskAt(1024, 193), kTracks);
  EXPECT_EQ(desk.main.left(), 93);  // (1024 - 838) div 2
  EXPECT_EQ(desk.main.top(), kTop);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(731, kTop));  // 93 + 638
  expectCounts(desk, 0, 1);
}

TEST(PositionForm, MainWindowAtTheRightEdgeGetsItsFirstWindowOnTheLeft) {
  // 1024 - 638 = 386: nothing fits on the right, 386 > 200 fits on the left.
  Desk desk = PositionForm(deskAt(1024, 386), kGRS);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(186, kTop));  // flush: 386 - 200
  expectCounts(desk, 1, 0);
  // The used side is kept: the second window cascades out on the left, 10 further and lower.
  desk = PositionForm(desk, kTracks);
  EXPECT_EQ(desk.main.left(), 386);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(176, kTop + 10));
  expectCounts(desk, 2, 0);

  desk = RepositionForms(desk, kGRS);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(186, kTop));
  expectCounts(desk, 1, 0);
}

TEST(PositionForm, SecondWindowWithoutRoomOnItsSideMovesMainAndFirstWindow) {
  Desk desk = deskAt(1024, 180);
  desk.box(kTracks).moveTo(818, kTop);  // 180 + 638
  desk.dock(kTracks) = DockSide::Right;
  // 1024 - 818 = 206 is not more than 10 + 200.
  desk = PositionForm(desk, kGRS);
  EXPECT_EQ(desk.main.left(), 88);                              // (1024 - 848) div 2
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(726, kTop));    // 818 - 92
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(736, kTop + 10));  // 88 + 638 + 10
  expectCounts(desk, 0, 2);

  desk = RepositionForms(RepositionForms(desk, kGRS), kTracks);
  expectCounts(desk, 0, 0);
}

TEST(PositionForm, SecondWindowWithoutRoomOnTheLeftMovesMainRight) {
  Desk desk = deskAt(1024, 205);
  desk.box(kTracks).moveTo(5, kTop);  // 205 - 200
  desk.dock(kTracks) = DockSide::Left;
  // 10 + 200 is not less than 205.
  desk = PositionForm(desk, kGRS);
  EXPECT_EQ(desk.main.left(), 298);                            // (1024 - 848) div 2 + 200 + 10
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(98, kTop));    // 5 + 93
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(88, kTop + 10));  // 298 - 210
  expectCounts(desk, 2, 0);
}

TEST(PositionForm, WindowAlreadyCountedIsNotCountedTwice) {
  const Desk once = PositionForm(deskAt(1280, 321), kTracks);
  const Desk twice = PositionForm(once, kTracks);
  EXPECT_EQ(twice.box(kTracks), once.box(kTracks));
  expectCounts(twice, 0, 1);
}

TEST(DragMainWindow, CountedWindowsFollowTheMainWindow) {
  Desk desk = PositionForm(PositionForm(deskAt(1280, 321), kTracks), kGRS);
  desk = DragMainWindow(desk, QPoint(-30, 25));
  EXPECT_EQ(desk.main.topLeft(), QPoint(291, kTop + 25));
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(929, kTop + 25));
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(939, kTop + 35));
  expectCounts(desk, 0, 2);
}

TEST(DragMainWindow, WindowJumpsSidesAtEitherScreenEdge) {
  Desk desk = PositionForm(deskAt(1280, 321), kTracks);  // tracks at 959
  // 959 + 200 + 121 = 1280 still fits; one pixel more crosses the right edge.
  desk = DragMainWindow(desk, QPoint(121, 0));
  EXPECT_EQ(desk.box(kTracks).left(), 1080);
  expectCounts(desk, 0, 1);
  desk = DragMainWindow(desk, QPoint(1, 0));
  EXPECT_EQ(desk.main.left(), 443);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(243, kTop));  // 443 - 200
  expectCounts(desk, 1, 0);

  // Back left: at 243 - 243 = 0 it still fits; one pixel more crosses the left edge.
  desk = DragMainWindow(desk, QPoint(-243, 0));
  EXPECT_EQ(desk.box(kTracks).left(), 0);
  desk = DragMainWindow(desk, QPoint(-1, 0));
  EXPECT_EQ(desk.main.left(), 199);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(837, kTop));  // 199 + 638
  expectCounts(desk, 0, 1);
}

TEST(DragMainWindow, WindowsOfASideJumpTogetherInTheirCascadeOrder) {
  Desk desk = PositionForm(deskAt(1280, 321), kTracks);
  desk = PositionForm(desk, kGRS);              // 969, 10 lower
  desk = DragMainWindow(desk, QPoint(111, 0));  // 969 + 111 + 200 = 1280 still fits
  EXPECT_EQ(desk.box(kGRS).left(), 1080);
  // One pixel more and the outer window would cross: both go, the inner one stays inner.
  desk = DragMainWindow(desk, QPoint(1, 0));
  EXPECT_EQ(desk.main.left(), 433);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(233, kTop));    // flush: 433 - 200
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(223, kTop + 10));  // 433 - 210
  expectCounts(desk, 2, 0);

  desk = RepositionForms(desk, kTracks);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(233, kTop));
  desk = RepositionForms(desk, kGRS);
  expectCounts(desk, 0, 0);
}

// The pointer drags the handle so that, unhindered, the main window's left would be `left`:
// the displacement is measured from where the main window stands, as the handle reports it.
Desk pointerAt(const Desk& desk, int left, int down = 0) {
  return DragMainWindow(desk, QPoint(left - desk.main.left(), down));
}

// 1024 wide with the tracks and GRS windows open: 638 + 200 + 10 + 200 = 1048 pixels do not
// fit, so for main-window lefts from 177 (1024 - 848 = 176 is the last with room on the right)
// to 209 (210 = 200 + 10 is the first with room on the left) neither side has room for both.
TEST(DragMainWindow, WhereNeitherSideHasRoomTheMainWindowStopsUntilTheOtherSideHasRoom) {
  Desk desk = PositionForm(PositionForm(deskAt(1024, 193), kTracks), kGRS);
  ASSERT_EQ(desk.main.left(), 93);
  for (int left = 94; left <= 208; ++left) desk = pointerAt(desk, left);
  EXPECT_EQ(desk.main.left(), 176);
  desk = pointerAt(desk, 204, 5);  // released here: nothing off the screen, the top follows
  EXPECT_EQ(desk.main.topLeft(), QPoint(176, kTop + 5));
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(814, kTop + 5));  // 176 + 638
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(824, kTop + 15));    // right edge 1024
  expectCounts(desk, 0, 2);
  desk = pointerAt(desk, 209);
  EXPECT_EQ(desk.main.left(), 176);
  desk = pointerAt(desk, 210);
  EXPECT_EQ(desk.main.left(), 210);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(10, kTop + 5));
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(0, kTop + 15));
  expectCounts(desk, 2, 0);

  // Back to the left: the main window stops at 210 while the pointer passes 184 to 180.
  for (int left = 209; left >= 180; --left) desk = pointerAt(desk, left);
  EXPECT_EQ(desk.main.left(), 210);
  EXPECT_EQ(desk.box(kGRS).left(), 0);
  expectCounts(desk, 2, 0);
  desk = pointerAt(desk, 176);
  EXPECT_EQ(desk.main.left(), 176);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(814, kTop + 5));
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(824, kTop + 15));
  expectCounts(desk, 0, 2);
}

// Slow and fast drags across the whole screen and beyond, there and back, left and right and
// then up and down, with one to three side windows (200 wide) on a 1024 and a 1280 screen.
TEST(DragMainWindow, NoSideWindowEverStandsPartlyOffTheScreenNorIsTheDragHeldWithoutNeed) {
  for (const int screen : {1024, 1280}) {
    for (const int windows : {1, 2, 3}) {
      for (const int step : {1, 37}) {
        Desk desk = deskAt(screen, (screen - kMainWidth) / 2);
        desk.side.resize(windows, QRect(0, 0, kSideWidth, kSideHeight));
        for (int i = 0; i < windows; ++i) desk = PositionForm(desk, static_cast<SideWindow>(i));
        const int reach = kSideWidth + (windows - 1) * 10;  // pixels, one side's cascade
        const auto roomAt = [&](int left) {  // wholly on the screen on one side or the other
          const bool right = left + kMainWidth >= 0 && left + kMainWidth + reach <= screen;
          return right || (left - reach >= 0 && left <= screen);
        };
        const int fall = kSideHeight + (windows - 1) * 10;  // pixels, below the main's top
        const int centre = (screen - kMainWidth) / 2;
        std::vector<QPoint> pointer;  // where the main window's top left would go
        for (int left = -300; left <= screen + 300; left += step) pointer.emplace_back(left, kTop);
        for (int left = screen + 300; left >= -300; left -= step) pointer.emplace_back(left, kTop);
        for (int top = kTop; top <= kScreenHeight + 300; top += step)
          pointer.emplace_back(centre, top);
        for (int top = kScreenHeight + 300; top >= -300; top -= step)
          pointer.emplace_back(centre, top);
        for (const QPoint to : pointer) {
          const int left = to.x();
          desk = DragMainWindow(desk, to - desk.main.topLeft());
          const std::string where = std::to_string(screen) + " px, " + std::to_string(windows) +
                                    " windows, step " + std::to_string(step) + ", pointer at " +
                                    std::to_string(left) + ", " + std::to_string(to.y());
          ASSERT_TRUE(desk.main.left() == left || !roomAt(left)) << where;
          const bool roomAbove = to.y() >= 0 && to.y() + fall <= kScreenHeight;
          ASSERT_TRUE(desk.main.top() == to.y() || !roomAbove) << where;
          ASSERT_TRUE(desk.count(DockSide::Left) == windows ||
                      desk.count(DockSide::Right) == windows)
              << where;
          std::vector<int> gaps;
          for (int i = 0; i < windows; ++i) {
            const QRect& box = desk.box(static_cast<SideWindow>(i));
            ASSERT_GE(box.left(), 0) << where;
            ASSERT_LE(box.left() + box.width(), screen) << where;
            ASSERT_GE(box.top(), 0) << where;
            ASSERT_LE(box.top() + box.height(), kScreenHeight) << where;
            const int gap = desk.count(DockSide::Right) > 0 ? box.left() - desk.main.right() - 1
                                                            : desk.main.left() - box.right() - 1;
            ASSERT_EQ(box.top(), desk.main.top() + gap) << where;
            gaps.push_back(gap);
          }
          std::sort(gaps.begin(), gaps.end());
          for (int i = 0; i < windows; ++i) ASSERT_EQ(gaps[i], 10 * i) << where;
        }
      }
    }
  }
}

// A window opened beside a main window low on the screen lifts the desk so that it fits (the
// drags up and down are in the sweep above).
TEST(PositionForm, AWindowThatWouldReachBelowTheScreenLiftsTheDesk) {
  Desk low = deskAt(1024, 193);
  low.main.moveTop(kScreenHeight - kMainHeight);  // no side window yet: nothing held it
  low = PositionForm(low, kTracks);
  EXPECT_EQ(low.box(kTracks).bottom() + 1, kScreenHeight);
  EXPECT_EQ(low.main.top(), kScreenHeight - kSideHeight);
}

TEST(DragMainWindow, DeskPartlyOffTheScreenMovesBackButNeverFartherOut) {
  // 800 wide, main centred at 81, a window counted on its right at 719 (the screen shrank
  // while it was open): 638 + 200 > 800, so the left side has room only from 200 on.
  Desk desk = deskAt(800, 81);
  desk.box(kTracks).moveTo(719, kTop);
  desk.dock(kTracks) = DockSide::Right;
  desk = pointerAt(desk, 199);
  EXPECT_EQ(desk.main.left(), 81);
  EXPECT_EQ(desk.box(kTracks).left(), 719);
  desk = pointerAt(desk, 200);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(0, kTop));
  expectCounts(desk, 1, 0);

  Desk shrunk = deskAt(800, 81);
  shrunk.box(kTracks).moveTo(719, kTop);
  shrunk.dock(kTracks) = DockSide::Right;
  shrunk = pointerAt(shrunk, 20);  // back toward the screen: follows the pointer
  EXPECT_EQ(shrunk.box(kTracks).left(), 658);
  shrunk = pointerAt(shrunk, 30);  // out again: held
  EXPECT_EQ(shrunk.main.left(), 20);
  shrunk = pointerAt(shrunk, -100);  // wholly on the screen from -38 on: free again
  EXPECT_EQ(shrunk.main.left(), -100);
  EXPECT_EQ(shrunk.box(kTracks).left(), 538);
}

TEST(RepositionForms, WindowThatWasNeverCountedLeavesTheCountsAlone) {
  // 800 wide: shown modally over the main window, never counted.
  const Desk desk = deskAt(800, 81);
  const Desk closed = RepositionForms(desk, kTracks);
  expectCounts(closed, 0, 0);
  EXPECT_EQ(closed.main, desk.main);

  const Desk withGrs = PositionForm(deskAt(1280, 321), kGRS);
  expectCounts(RepositionForms(withGrs, kTracks), 0, 1);
}

// A third side window (the next number after kGRS) follows the same rules: the cascade grows
// one place per window, and closing the innermost slides each outer window one place in.
TEST(RepositionForms, ThreeWindowsOnOneSideCloseUpOnePlaceEach) {
  constexpr auto kThird = static_cast<SideWindow>(2);
  Desk desk = deskAt(1280, 321);
  desk.side.push_back(QRect(0, 0, kSideWidth, kSideHeight));
  for (SideWindow window : {kTracks, kGRS, kThird}) desk = PositionForm(desk, window);
  EXPECT_EQ(desk.box(kThird).topLeft(), QPoint(979, kTop + 20));  // 959 + 2 x 10
  expectCounts(desk, 0, 3);

  desk = RepositionForms(desk, kTracks);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(959, kTop));
  EXPECT_EQ(desk.box(kThird).topLeft(), QPoint(969, kTop + 10));
  expectCounts(desk, 0, 2);
  desk = RepositionForms(desk, kTracks);  // already closed: nothing changes
  expectCounts(desk, 0, 2);
  desk = RepositionForms(RepositionForms(desk, kThird), kGRS);
  expectCounts(desk, 0, 0);
}

TEST(SmallWindowPlaces, NarrowScreenAboutAndIntervalDialog) {
  const QRect main(81, 60, kMainWidth, kMainHeight);                // 800 wide screen, main centred
  EXPECT_EQ(NarrowScreenPlace(main, kSideWidth), QPoint(519, 60));  // 81 + 638 - 200
  EXPECT_EQ(CentredOver(main, QSize(210, 155)), QPoint(295, 222));  // 81 + 214, 60 + 162
  EXPECT_EQ(CentredOver(QRect(0, 0, 5, 5), QSize(8, 8)), QPoint(-1, -1));  // -3 div 2
  EXPECT_EQ(IntervalDialogPlace(main), QPoint(171, 98));                   // 81 + 90, 60 + 38
}

}  // namespace
}  // namespace kelvra
