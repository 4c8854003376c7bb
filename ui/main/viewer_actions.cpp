// The main window's actions: each toolbar button's key and menu entry, and the right-click menu
// that lists them with the side windows' openers.
#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include "ui/common/placement.h"
#include "ui/common/widgets.h"
#include "ui/main/site_dialog.h"
#include "ui/main/viewer.h"

namespace kelvra {

void TViewer::addProgramAction(MenuGroup group, QAction* action, const char* button,
                               std::function<bool()> checked) {
  menu_->add(group, action, std::move(checked));
  if (button == nullptr) return;
  if (auto* target = findChild<MouseTarget*>(QString::fromLatin1(button)))
    target->setAction(action);
}

// A window of a kind not given at creation has no place, no button and no opener.
void TViewer::addSideWindowOpener(SideWindowForm& window) {
  const std::optional<SideWindow> which = whichSide(window);
  if (!which) return;
  const SideWindowKind& kind = window.kind();
  const QList<QKeySequence> keys =
      kind.openKey.toCombined() == 0 ? QList<QKeySequence>{} : QList{QKeySequence(kind.openKey)};
  // The kinds' words are marked in the window folders under one context.
  QAction* open =
      MakeAction(this, QCoreApplication::translate("kelvra::SideWindowKind", kind.buttonHint), keys,
                 [this, side = *which] { showSideWindow(side); });
  addProgramAction(MenuGroup::Windows, open, kind.buttonName);
}

void TViewer::buildActions() {
  menu_ = new WindowMenu(*this, Qt::ApplicationShortcut);
  struct Entry {
    MenuGroup group;
    const char* button;  // object name of the toolbar button that triggers it
    const char* text;
    QList<QKeySequence> keys;
    void (TViewer::*act)();
    Announce announce;
    const char* hint = nullptr;                  // the button's tooltip, when not the text
    bool (TViewer::*checked)() const = nullptr;  // a toggle's state
    QAction** kept = nullptr;                    // where the window keeps the action
  };
  // None of these keys is one a field edits with (Ctrl+A/C/V/X/Z/Y/D/E/K/U, the arrows, Home,
  // End, Delete, Backspace, Insert): the fields keep theirs.
  const Entry entries[] = {
      {MenuGroup::Time,
       "imgNowButton",
       QT_TR_NOOP("Now"),
       {Qt::CTRL | Qt::Key_N},
       &TViewer::imgNowButtonClick,
       Announce::No,
       nullptr,
       nullptr,
       &nowAction_},
      {MenuGroup::Time,
       "lblRealtime",
       QT_TR_NOOP("Real time"),
       {Qt::CTRL | Qt::Key_R},
       &TViewer::lblRealtimeClick,
       Announce::Yes,
       nullptr,
       &TViewer::realTimeOn},
      {MenuGroup::Time,
       "lblAnimate",
       QT_TR_NOOP("Animate\u2026"),
       {Qt::Key_F5},
       &TViewer::lblAnimateClick,
       Announce::Yes},
      {MenuGroup::Time,
       "lblStop",
       QT_TR_NOOP("Stop"),
       {Qt::SHIFT | Qt::Key_F5},
       &TViewer::lblStopClick,
       Announce::Yes},
      {MenuGroup::View,
       "lblMagnify",
       QT_TR_NOOP("Magnify"),
       {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal},
       &TViewer::lblMagnifyClick,
       Announce::Yes},
      {MenuGroup::View,
       "lblReduce",
       QT_TR_NOOP("Reduce"),
       {Qt::CTRL | Qt::Key_Minus},
       &TViewer::lblReduceClick,
       Announce::Yes},
      {MenuGroup::View,
       "imgHemisphere",
       QT_TR_NOOP("Southern hemisphere"),
       {Qt::CTRL | Qt::Key_H},
       &TViewer::imgHemisphereClick,
       Announce::Yes,
       QT_TR_NOOP("Hemisphere"),
       &TViewer::southernHemisphere},
      {MenuGroup::View,
       nullptr,
       QT_TR_NOOP("Modern positions"),
       {Qt::CTRL | Qt::SHIFT | Qt::Key_P},
       &TViewer::togglePositions,
       Announce::Yes,
       nullptr,
       &TViewer::modernPositions},
      {MenuGroup::Help,
       "lblHelp",
       QT_TR_NOOP("Help"),
       {Qt::Key_F1},
       &TViewer::lblHelpClick,
       Announce::Yes},
      {MenuGroup::Help,
       "lblAbout",
       QT_TR_NOOP("About"),
       {Qt::CTRL | Qt::Key_F1},
       &TViewer::lblAboutClick,
       Announce::Yes},
      {MenuGroup::Leave,
       "btnMinimise",
       QT_TR_NOOP("Minimise"),
       {Qt::CTRL | Qt::SHIFT | Qt::Key_M},
       &TViewer::btnMinimiseClick,
       Announce::No},
      {MenuGroup::Leave,
       "btnExit",
       QT_TR_NOOP("Exit"),
       {Qt::CTRL | Qt::Key_Q},
       &TViewer::btnExitClick,
       Announce::No},
  };
  for (const Entry& entry : entries) {
    QAction* action = MakeAction(
        this, tr(entry.text), entry.keys, [this, act = entry.act] { (this->*act)(); },
        entry.announce);
    if (entry.hint != nullptr) action->setToolTip(tr(entry.hint));
    std::function<bool()> checked;
    if (entry.checked != nullptr)
      checked = [this, state = entry.checked] { return (this->*state)(); };
    addProgramAction(entry.group, action, entry.button, std::move(checked));
    if (entry.kept != nullptr) *entry.kept = action;
  }
  // The site is a setting of the whole program, asked for over the main window.
  QAction* siteAction = MakeAction(
      this, tr("Observing site\u2026"), {Qt::CTRL | Qt::SHIFT | Qt::Key_L},
      [this] {
        TSiteDialog dialog(
            observation_.value().site, [this](const auto& next) { setSite(next); }, this);
        dialog.move(CentredOver(geometry(), dialog.size()));
        RunModal(dialog);
      },
      Announce::No);
  addProgramAction(MenuGroup::View, siteAction, nullptr);
}

bool TViewer::realTimeOn() const {
  return Timer1->isActive();
}

bool TViewer::southernHemisphere() const {
  return !NorthernHemisphere;
}

}  // namespace kelvra
