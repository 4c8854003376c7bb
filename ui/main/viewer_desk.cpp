// The main window's drag and the places of the side windows beside it: the window gathers
// where everything stands (a Desk), the placement functions decide, the window applies.
#include <QScreen>

#include <optional>

#include "ui/common/placement.h"
#include "ui/common/side_window.h"
#include "ui/main/viewer.h"

namespace kelvra {

void TViewer::lblKelvra95MouseDown(QPoint position) {
  dragStart_ = position;
  Dragging = true;
}

void TViewer::lblKelvra95MouseMove(QPoint position) {
  if (Dragging) applyDesk(DragMainWindow(desk(), position - dragStart_));
}

void TViewer::lblKelvra95MouseUp() {
  Dragging = false;
}

void TViewer::adoptSideWindow(std::unique_ptr<SideWindowForm> window) {
  // A second window of a kind whose place is taken is a stray too: replacing the first would
  // destroy a window its caller still holds, and give the place a second opener.
  for (SidePlace& place : sides_) {
    if (place.kind == &window->kind() && place.window == nullptr) {
      place.window = std::move(window);
      return;
    }
  }
  strays_.push_back(std::move(window));
}

SideWindowForm* TViewer::sideWindow(SideWindow which) const {
  return sides_[Desk::index(which)].window.get();
}

std::optional<SideWindow> TViewer::whichSide(const QWidget& window) const {
  for (std::size_t i = 0; i < sides_.size(); ++i) {
    if (sides_[i].window.get() == &window) return SideWindow{i};
  }
  return std::nullopt;
}

std::vector<SideWindowForm*> TViewer::sideWindows() const {
  std::vector<SideWindowForm*> windows;
  for (const SidePlace& place : sides_) {
    if (place.window != nullptr) windows.push_back(place.window.get());
  }
  return windows;
}

Desk TViewer::desk() const {
  Desk desk;
  desk.screenWidth = screen()->geometry().width();
  desk.screenHeight = screen()->geometry().height();
  desk.main = geometry();
  for (const SidePlace& place : sides_) {
    const QWidget* window = place.window.get();
    desk.side.push_back(window != nullptr ? QRect(window->pos(), window->size()) : QRect());
  }
  desk.docked = docked_;
  return desk;
}

void TViewer::applyDesk(const Desk& next) {
  if (next.main.topLeft() != pos()) {
    move(next.main.topLeft());
    repaint();
  }
  for (std::size_t i = 0; i < sides_.size(); ++i) {
    const SideWindow which{i};
    QWidget* window = sideWindow(which);
    if (window != nullptr && next.box(which).topLeft() != window->pos()) {
      window->move(next.box(which).topLeft());
    }
  }
  docked_ = next.docked;
}

void TViewer::sideWindowClosing(QWidget& window) {
  if (const std::optional<SideWindow> which = whichSide(window)) {
    applyDesk(RepositionForms(desk(), *which));
  }
  // Without a window manager nobody gives on the keyboard of a window that hides, and no key
  // would reach the program until a click: the main window takes it back once the window has
  // gone, as it does from a box (RunModal).
  if (window.isActiveWindow()) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (isVisible()) activateWindow();
        },
        Qt::QueuedConnection);
  }
}

void TViewer::showSideWindow(SideWindow which) {
  SideWindowForm* window = sideWindow(which);
  if (window == nullptr || !window->isUsable()) return;
  if (!window->isVisible()) {
    if (screen()->geometry().width() > kNarrowScreenWidth) {
      window->setWindowModality(Qt::NonModal);
      applyDesk(PositionForm(desk(), which));
    } else {
      window->move(NarrowScreenPlace(geometry(), window->width()));
      window->setWindowModality(Qt::ApplicationModal);
    }
  }
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace kelvra
