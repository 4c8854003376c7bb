#include "ui/common/placement.h"

#include <algorithm>

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

// Moves the main window horizontally to `left` (screen pixels), taking the counted side
// windows with it.
void moveMainTo(Desk& desk, int left) {
  const int dx = left - desk.main.left();
  desk.main.moveLeft(left);
  for (int i = 0; i < desk.windows(); ++i) {
    const auto window = static_cast<SideWindow>(i);
    if (desk.dock(window) != DockSide::None) desk.box(window).translate(dx, 0);
  }
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
    if (!(S - (L + W) > out + f)) moveMainTo(desk, (S - (W + f + out)) / 2);
    desk.box(window).moveTo(desk.main.left() + W + out, desk.main.top() + out);
  } else {
    if (!(out + f < L)) moveMainTo(desk, (S - (W + f + out)) / 2 + f + out);
    desk.box(window).moveTo(desk.main.left() - f - out, desk.main.top() + out);
  }
  desk.dock(window) = side;
  return desk;
}

Desk MoveForm(Desk desk, SideWindow window, QPoint displacement) {
  QRect& box = desk.box(window);
  const int f = box.width();
  const int L = desk.main.left();
  const int T = desk.main.top();
  const int W = desk.main.width();
  DockSide& dock = desk.dock(window);
  // Where the window would go on the other side: the outer end of that side's cascade.
  const int leftOut = desk.count(DockSide::Left) * kCascadeStep;    // pixels
  const int rightOut = desk.count(DockSide::Right) * kCascadeStep;  // pixels
  const QPoint onLeft(L - f - leftOut, T + leftOut);
  const QPoint onRight(L + W + rightOut, T + rightOut);
  // A window already on the side it would jump to just moves: jumping would only put it at
  // the far end of its own cascade. Nor does it jump where it would cross the other edge:
  // on a narrow screen it would jump back at the next move.
  const auto fits = [&](QPoint place) {
    return place.x() >= 0 && place.x() + f <= desk.screenWidth;
  };
  if (desk.screenWidth < box.left() + f + displacement.x() && dock != DockSide::Left &&
      fits(onLeft)) {
    box.moveTo(onLeft);
    dock = DockSide::Left;
  } else if (box.left() + displacement.x() < 0 && dock != DockSide::Right && fits(onRight)) {
    box.moveTo(onRight);
    dock = DockSide::Right;
  } else {
    box.translate(displacement);
  }
  return desk;
}

Desk DragMainWindow(Desk desk, QPoint displacement) {
  desk.main.translate(displacement);
  for (int i = 0; i < desk.windows(); ++i) {
    const auto window = static_cast<SideWindow>(i);
    if (desk.dock(window) != DockSide::None) desk = MoveForm(desk, window, displacement);
  }
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
