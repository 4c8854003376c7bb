#include "ui/common/placement.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

constexpr int kMainWidth = 638;   // pixels, the main window's client area
constexpr int kMainHeight = 479;  // pixels
constexpr int kSideWidth = 200;   // pixels, tracks and GRS windows alike
constexpr int kSideHeight = 480;  // pixels
constexpr int kTop = 100;         // pixels, the main window's top in these cases
constexpr SideWindow kTracks{0};  // the first window visited
constexpr SideWindow kGRS{1};

// Both side windows hidden and uncounted, the main window at `left`.
Desk deskAt(int screenWidth, int left) {
  Desk desk;
  desk.screenWidth = screenWidth;
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
  EXPECT_EQ(desk.main.left(), 88);                                         // (1024 - 848) div 2
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
  EXPECT_EQ(desk.main.left(), 298);  // (1024 - 848) div 2 + 200 + 10
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

TEST(DragMainWindow, JumpingWindowGoesToTheOuterEndOfTheOtherSide) {
  Desk desk = PositionForm(deskAt(1280, 321), kTracks);
  desk = PositionForm(desk, kGRS);  // 969, 10 lower
  // Only the outer GRS window crosses: 969 + 200 + 112 = 1281.
  desk = DragMainWindow(desk, QPoint(112, 0));
  EXPECT_EQ(desk.box(kTracks).left(), 1071);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(233, kTop));  // 433 - 200, flush
  expectCounts(desk, 1, 1);
  // Now the tracks window crosses too and cascades outside the GRS window.
  desk = DragMainWindow(desk, QPoint(10, 0));
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(233, kTop + 10));  // 443 - 210
  EXPECT_EQ(desk.box(kGRS).left(), 243);
  expectCounts(desk, 2, 0);

  desk = RepositionForms(desk, kGRS);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(243, kTop));
  desk = RepositionForms(desk, kTracks);
  expectCounts(desk, 0, 0);
}

// Drags the main window by `dx` pixels `moves` times, as a mouse reports a slow drag.
// Returns the desk after, and in `sideChanges` how often each window changed sides.
Desk dragInSteps(Desk desk, int moves, int dx, std::array<int, 2>& sideChanges) {
  for (int move = 0; move < moves; ++move) {
    const Desk before = desk;
    desk = DragMainWindow(desk, QPoint(dx, 0));
    for (SideWindow window : {kTracks, kGRS})
      if (desk.dock(window) != before.dock(window)) ++sideChanges[static_cast<int>(window)];
  }
  return desk;
}

TEST(DragMainWindow, NarrowScreenWindowsMoveWithTheDragUntilTheyFitOnTheOtherSide) {
  // 1024 wide, both windows on the left (GRS at 186, tracks cascaded at 176), dragged left
  // one pixel at a time. Each crosses the left edge long before it fits on the right: the
  // first to jump needs L + 638 + 200 <= 1024, the second L + 638 + 10 + 200 <= 1024.
  Desk desk = PositionForm(PositionForm(deskAt(1024, 386), kGRS), kTracks);
  std::array<int, 2> sideChanges{};
  desk = dragInSteps(desk, 199, -1, sideChanges);
  EXPECT_EQ(sideChanges, (std::array<int, 2>{0, 0}));
  EXPECT_EQ(desk.main.left(), 187);
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(-13, kTop));          // 186 - 199
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(-23, kTop + 10));  // 176 - 199
  expectCounts(desk, 2, 0);

  desk = dragInSteps(desk, 1, -1, sideChanges);  // L = 186: the tracks window fits
  EXPECT_EQ(sideChanges, (std::array<int, 2>{1, 0}));
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(824, kTop));  // 186 + 638
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(-14, kTop));
  desk = dragInSteps(desk, 9, -1, sideChanges);
  EXPECT_EQ(sideChanges, (std::array<int, 2>{1, 0}));
  desk = dragInSteps(desk, 1, -1, sideChanges);  // L = 176: the GRS window fits outside it
  EXPECT_EQ(sideChanges, (std::array<int, 2>{1, 1}));
  EXPECT_EQ(desk.box(kGRS).topLeft(), QPoint(824, kTop + 10));  // 176 + 648
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(814, kTop));
  expectCounts(desk, 0, 2);
}

TEST(DragMainWindow, NarrowScreenWindowJumpsOnceWhereItFitsAndBackOnlyWhereItFitsAgain) {
  // 1024 wide: the tracks window opens on the right at 731, the main window moved to 93.
  Desk desk = PositionForm(deskAt(1024, 193), kTracks);
  std::array<int, 2> sideChanges{};
  // It crosses the right edge from main left 94 on, and fits on the left from 200 on.
  desk = dragInSteps(desk, 106, 1, sideChanges);
  EXPECT_EQ(desk.main.left(), 199);
  EXPECT_EQ(desk.box(kTracks).left(), 837);  // 731 + 106, partly off the screen
  EXPECT_EQ(sideChanges[0], 0);
  desk = dragInSteps(desk, 1, 1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(0, kTop));  // 200 - 200
  expectCounts(desk, 1, 0);
  // Back left: it crosses the left edge at once and fits on the right from 186 down.
  desk = dragInSteps(desk, 13, -1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).left(), -13);
  EXPECT_EQ(sideChanges[0], 1);
  desk = dragInSteps(desk, 1, -1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(824, kTop));  // 186 + 638
  EXPECT_EQ(sideChanges[0], 2);
  expectCounts(desk, 0, 1);
}

TEST(DragMainWindow, EightHundredWideScreenWindowJumpsOnlyWhereItIsWhollyOnTheScreen) {
  // 800 wide, main centred at 81, a window counted on its right at 719 (the screen shrank
  // while it was open): it crosses the right edge already, and 638 + 200 > 800 leaves room
  // on the left only once the main window's left is 200 or more.
  Desk desk = deskAt(800, 81);
  desk.box(kTracks).moveTo(719, kTop);
  desk.dock(kTracks) = DockSide::Right;
  std::array<int, 2> sideChanges{};
  desk = dragInSteps(desk, 118, 1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).left(), 837);  // 719 + 118
  EXPECT_EQ(sideChanges[0], 0);
  desk = dragInSteps(desk, 1, 1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(0, kTop));
  // Back on the right it fits only with the main window's left at 800 - 838 = -38 or less.
  desk = dragInSteps(desk, 237, -1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).left(), -237);
  EXPECT_EQ(sideChanges[0], 1);
  desk = dragInSteps(desk, 1, -1, sideChanges);
  EXPECT_EQ(desk.box(kTracks).topLeft(), QPoint(600, kTop));  // -38 + 638
  EXPECT_EQ(sideChanges[0], 2);
  expectCounts(desk, 0, 1);
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
  for (SideWindow window : {kTracks, kGRS, kThird})
    desk = PositionForm(desk, window);
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
