// Where the borderless windows go: the side windows beside the main window, the small dialogs
// over it. Pure arithmetic on screen rectangles; the windows apply the results.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <vector>

namespace kelvra {

// A side window's number: its place in the program's list of side windows, the order in which
// they are always visited. The rules below hold for any number of windows.
enum class SideWindow : std::size_t {};

// The side of the main window a side window is counted on; None for a window that is hidden
// or was shown without being counted (modal on a narrow screen).
enum class DockSide { None, Left, Right };

// The main window, the side windows and which side each is counted on. Every placement
// function takes one and returns the next: the caller moves each window whose rectangle
// changed. The dock counts are derived from `docked`, so a window that was never counted can
// never take a count below 0, and the counts always match the windows beside the main window.
struct Desk {
  int screenWidth = 0;           // pixels
  int screenHeight = 0;          // pixels
  QRect main;                    // the main window, screen pixels
  std::vector<QRect> side;       // the side windows (SideWindow order), screen pixels
  std::vector<DockSide> docked;  // SideWindow order; missing entries count as None

  // The number of side windows counted on `where` (LeftDockCount, RightDockCount), 0..n.
  int count(DockSide where) const;
  QRect& box(SideWindow window) { return side[index(window)]; }
  const QRect& box(SideWindow window) const { return side[index(window)]; }
  DockSide& dock(SideWindow window);
  DockSide dock(SideWindow window) const;
  int windows() const { return static_cast<int>(side.size()); }
  static std::size_t index(SideWindow window) { return static_cast<std::size_t>(window); }
};

// At this screen width or less there is no room beside the main window: the side windows are
// shown modally over it instead.
inline constexpr int kNarrowScreenWidth = 800;  // pixels

// Places a side window that is about to be shown beside the main window and counts it.
// Given: the desk; the window, hidden, with its size in desk.side.
// Returns: the desk with the window's new place, counted on its side. When neither side has
// room the main window is moved horizontally (its new left in main) and the counted windows
// move with it; when the window would stand partly above or below the screen, the main window
// and its counted windows move up or down as far as needed. A window already counted is left
// where it is.
Desk PositionForm(Desk desk, SideWindow window);

// A drag of the main window by `displacement` (pixels, where the pointer would take it).
// Given: the desk, every counted side window wholly on the screen, all on one side.
// Returns: the desk after. The main window and its side windows move together while they all
// stay on the screen; where they would not, they all jump, cascade order kept, to the other
// side if it has room for all of them there; where neither side has room the main window
// stops at the last place its windows fit until the pointer reaches a place where the other
// side has room. Up and down they stop where the first side window would leave the screen's
// top or bottom edge. A side window never stands partly off the screen. A desk that starts
// partly off (the screen shrank) may move back, never farther out.
Desk DragMainWindow(Desk desk, QPoint displacement);

// A side window is closing: takes it off its side's count and closes up that side, so that
// each window cascaded outside it slides one place in (10 pixels in and 10 up).
// Returns the desk after; unchanged for a window that was not counted.
Desk RepositionForms(Desk desk, SideWindow closing);

// Returns: the top-left corner, screen pixels, of a side window `width` pixels wide shown over
// the right-hand part of the main window on a narrow screen: top level with the main window's,
// right edge on the main window's right edge.
QPoint NarrowScreenPlace(QRect main, int width);

// Returns: the top-left corner, screen pixels, that centres a window of `size` over `main`
// (the About window); halves round toward zero.
QPoint CentredOver(QRect main, QSize size);

// Returns: the top-left corner, screen pixels, of the interval dialog: just below the main
// window's Animate button.
QPoint IntervalDialogPlace(QRect main);

}  // namespace kelvra
