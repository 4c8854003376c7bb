// The main window's drag and the places of the side windows beside it: the window gathers
// where everything stands (a Desk), the placement functions decide, the window applies.
#include <QScreen>

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

SideWindowForm* TViewer::sideWindow(SideWindow which) const {
  switch (which) {
    case SideWindow::Tracks: return tracks_;
    case SideWindow::GRS: return grs_;
    case SideWindow::Events: return events_;
  }
  return nullptr;
}

SideWindow TViewer::whichSide(const QWidget& window) const {
  if (&window == tracks_) return SideWindow::Tracks;
  return &window == grs_ ? SideWindow::GRS : SideWindow::Events;
}

Desk TViewer::desk() const {
  Desk desk;
  desk.screenWidth = screen()->geometry().width();
  desk.main = geometry();
  for (SideWindow which : {SideWindow::Tracks, SideWindow::GRS, SideWindow::Events}) {
    const QWidget* window = sideWindow(which);
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
  for (SideWindow which : {SideWindow::Tracks, SideWindow::GRS, SideWindow::Events}) {
    QWidget* window = sideWindow(which);
    if (window != nullptr && next.box(which).topLeft() != window->pos()) {
      window->move(next.box(which).topLeft());
    }
  }
  docked_ = next.docked;
}

void TViewer::sideWindowClosing(QWidget& window) {
  applyDesk(RepositionForms(desk(), whichSide(window)));
}

void TViewer::showSideWindow(SideWindowForm& window) {
  if (!window.isUsable()) return;
  if (!window.isVisible()) {
    if (screen()->geometry().width() > kNarrowScreenWidth) {
      window.setWindowModality(Qt::NonModal);
      applyDesk(PositionForm(desk(), whichSide(window)));
    } else {
      window.move(NarrowScreenPlace(geometry(), window.width()));
      window.setWindowModality(Qt::ApplicationModal);
    }
  }
  window.show();
  window.raise();
  window.activateWindow();
}

void TViewer::lblTracksClick() {
  if (tracks_ != nullptr) showSideWindow(*tracks_);
}

void TViewer::lblGRSClick() {
  if (grs_ != nullptr) showSideWindow(*grs_);
}

void TViewer::lblEventsClick() {
  if (events_ != nullptr) showSideWindow(*events_);
}

}  // namespace kelvra
