#include "ui/common/placement.h"

#include <algorithm>
#include <limits>

namespace kelvra {
namespace {

constexpr int kCascadeStep = 10;  // pixels out and down per window already on a side

// The side a new window goes to: a side already in use, else the right if it has room, else
// the left if it has room, else the right (after the main window has moved over).
DockSide sideForNewWindow(const Desk& desk, int width) {
  if (desk.count(DockSide::Right) > 0) return DockSide::Right;
  if (desk.count(DockSide::Left) > 0) return DockSide::Left;
  if (desk.screenWidth - (desk.main.left() + desk.main.width()) > width) return DockSide::Right;
  if (desk.main.left() > width) return DockSide::Left;
  return DockSide::Right;
}

std::vector<SideWindow> countedWindows(const Desk& desk) {
  std::vector<SideWindow> counted;
  for (int i = 0; i < desk.windows(); ++i) {
    const auto window = static_cast<SideWindow>(i);
    if (desk.dock(window) != DockSide::None) counted.push_back(window);
  }
  return counted;
}

// The main window and every counted side window move by `displacement`, pixels.
void moveAll(Desk& desk, QPoint displacement) {
  desk.main.translate(displacement);
  for (SideWindow window : countedWindows(desk)) desk.box(window).translate(displacement);
}

// How far out a window stands in its side's cascade: the gap, pixels, between its near edge
// and the main window (0 for the window flush against it, 10 for the next, ...).
int cascadeGap(const Desk& desk, SideWindow window) {
  const QRect& box = desk.box(window);
  return desk.dock(window) == DockSide::Right ? box.left() - (desk.main.left() + desk.main.width())
                                              : desk.main.left() - (box.left() + box.width());
}

// The counted windows innermost first, each side's cascade kept in its order.
std::vector<SideWindow> cascadeOrder(const Desk& desk, std::vector<SideWindow> windows) {
  std::stable_sort(windows.begin(), windows.end(), [&desk](SideWindow a, SideWindow b) {
    return cascadeGap(desk, a) < cascadeGap(desk, b);
  });
  return windows;
}

// Puts `windows`, innermost first, in a cascade on `side` of the main window and counts them
// there.
void stack(Desk& desk, const std::vector<SideWindow>& windows, DockSide side) {
  const int L = desk.main.left();
  const int T = desk.main.top();
  const int W = desk.main.width();
  int out = 0;  // pixels
  for (SideWindow window : windows) {
    QRect& box = desk.box(window);
    box.moveTo(side == DockSide::Right ? L + W + out : L - box.width() - out, T + out);
    desk.dock(window) = side;
    out += kCascadeStep;
  }
}

bool allOnScreen(const Desk& desk, const std::vector<SideWindow>& windows) {
  return std::all_of(windows.begin(), windows.end(), [&desk](SideWindow window) {
    const QRect& box = desk.box(window);
    return box.left() >= 0 && box.left() + box.width() <= desk.screenWidth;
  });
}

// The moves along one axis, pixels, that keep every one of `windows` wholly on the screen:
// lowest > highest when no move does.
struct Room {
  int lowest = std::numeric_limits<int>::min();   // pixels, the farthest move left or up
  int highest = std::numeric_limits<int>::max();  // pixels, the farthest move right or down

  // Given: a wanted move along the axis. Returns: the move held within the room; a desk that
  // stands partly off already may move back toward the screen, never farther out.
  int hold(int move) const {
    if (lowest > highest) return move;
    return std::clamp(move, std::min(lowest, 0), std::max(highest, 0));
  }
};

// The room the windows leave between them and the screen's edges along one axis.
Room roomAlong(Qt::Orientation axis, const Desk& desk, const std::vector<SideWindow>& windows) {
  const bool across = axis == Qt::Horizontal;
  const int screen = across ? desk.screenWidth : desk.screenHeight;  // pixels
  Room room;
  for (SideWindow window : windows) {
    const QRect& box = desk.box(window);
    const int start = across ? box.left() : box.top();
    const int end = start + (across ? box.width() : box.height());
    room.lowest = std::max(room.lowest, -start);
    room.highest = std::min(room.highest, screen - end);
  }
  return room;
}

}  // namespace

int Desk::count(DockSide where) const {
  return static_cast<int>(std::count(docked.begin(), docked.end(), where));
}

DockSide& Desk::dock(SideWindow window) {
  if (docked.size() < side.size()) docked.resize(side.size(), DockSide::None);
  return docked[index(window)];
}

DockSide Desk::dock(SideWindow window) const {
  return index(window) < docked.size() ? docked[index(window)] : DockSide::None;
}

Desk PositionForm(Desk desk, SideWindow window) {
  if (desk.dock(window) != DockSide::None) return desk;
  const int S = desk.screenWidth;
  const int L = desk.main.left();
  const int W = desk.main.width();
  const int f = desk.box(window).width();
  const DockSide side = sideForNewWindow(desk, f);
  const int out = desk.count(side) * kCascadeStep;  // pixels
  if (side == DockSide::Right) {
    if (!(S - (L + W) > out + f)) moveAll(desk, QPoint((S - (W + f + out)) / 2 - L, 0));
    desk.box(window).moveTo(desk.main.left() + W + out, desk.main.top() + out);
  } else {
    if (!(out + f < L)) moveAll(desk, QPoint((S - (W + f + out)) / 2 + f + out - L, 0));
    desk.box(window).moveTo(desk.main.left() - f - out, desk.main.top() + out);
  }
  desk.dock(window) = side;
  // Low or high on the screen the new window would reach past its edge: all move to fit.
  const Room room = roomAlong(Qt::Vertical, desk, countedWindows(desk));
  if (room.lowest <= room.highest)
    moveAll(desk, QPoint(0, std::clamp(0, room.lowest, room.highest)));
  return desk;
}

Desk DragMainWindow(Desk desk, QPoint displacement) {
  const std::vector<SideWindow> counted = countedWindows(desk);
  // Up and down the side windows keep their places beside the main window whichever side
  // they end on, so the vertical move is held first, for every outcome alike.
  displacement.setY(roomAlong(Qt::Vertical, desk, counted).hold(displacement.y()));
  Desk followed = desk;
  moveAll(followed, displacement);
  if (allOnScreen(followed, counted)) return followed;
  // Pushed against an edge: all of them jump to the other side once it has room for all of
  // them, tried first on the side the drag moves away from.
  const DockSide order[] = {displacement.x() > 0 ? DockSide::Left : DockSide::Right,
                            displacement.x() > 0 ? DockSide::Right : DockSide::Left};
  for (DockSide side : order) {
    if (desk.count(side) == static_cast<int>(counted.size())) continue;  // that is `followed`
    Desk jumped = desk;
    jumped.main.translate(displacement);
    stack(jumped, cascadeOrder(desk, counted), side);
    if (allOnScreen(jumped, counted)) return jumped;
  }
  // Room on neither side: the main window stops where its side windows still fit (it follows
  // the pointer up and down) until the pointer reaches a place where the other side has room.
  displacement.setX(roomAlong(Qt::Horizontal, desk, counted).hold(displacement.x()));
  moveAll(desk, displacement);
  return desk;
}

Desk RepositionForms(Desk desk, SideWindow closing) {
  const DockSide side = desk.dock(closing);
  if (side == DockSide::None) return desk;
  desk.dock(closing) = DockSide::None;
  const int step = kCascadeStep;  // pixels, one place in the cascade
  const int closingLeft = desk.box(closing).left();
  for (int i = 0; i < desk.windows(); ++i) {
    const auto window = static_cast<SideWindow>(i);
    if (desk.dock(window) != side) continue;
    QRect& box = desk.box(window);
    if (side == DockSide::Left && box.left() < closingLeft) box.translate(step, -step);
    if (side == DockSide::Right && box.left() > closingLeft) box.translate(-step, -step);
  }
  return desk;
}

QPoint NarrowScreenPlace(QRect main, int width) {
  return {main.left() + main.width() - width, main.top()};
}

QPoint CentredOver(QRect main, QSize size) {
  return {main.left() + (main.width() - size.width()) / 2,
          main.top() + (main.height() - size.height()) / 2};
}

QPoint IntervalDialogPlace(QRect main) {
  return {main.left() + 90, main.top() + 38};
}

}  // namespace kelvra
