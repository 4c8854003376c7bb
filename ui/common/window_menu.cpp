#include "ui/common/window_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

#include <algorithm>

#include "ui/common/widgets.h"

namespace kelvra {

QAction* MakeAction(QObject* parent, const QString& text, const QList<QKeySequence>& keys,
                    std::function<void()> act, Announce announce) {
  auto* action = new QAction(text, parent);
  action->setShortcuts(keys);
  QString tip = text;
  if (tip.endsWith(QChar(0x2026))) tip.chop(1);  // the entry "Animate…" is the button "Animate"
  action->setToolTip(tip);
  QObject::connect(action, &QAction::triggered, action, [act = std::move(act), announce] {
    if (announce == Announce::Yes) emit ButtonActions::instance().aboutToAct();
    act();
  });
  return action;
}

QString ActionHint(const QAction& action) {
  const QKeySequence key = action.shortcut();
  if (key.isEmpty()) return action.toolTip();
  return QStringLiteral("%1 (%2)").arg(action.toolTip(), key.toString(QKeySequence::NativeText));
}

WindowMenu::WindowMenu(QWidget& window, Qt::ShortcutContext context)
    : QObject(&window), window_(window), context_(context), menu_(new QMenu(&window)) {
  menu_->setObjectName(QStringLiteral("windowMenu"));
  // Shift+F10 is the menu key's stand-in; X11 turns only the menu key itself into a request.
  auto* open = new QAction(this);
  open->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
  open->setShortcutContext(Qt::WindowShortcut);
  window.addAction(open);
  connect(open, &QAction::triggered, this, &WindowMenu::popupAtFocus);
  window.installEventFilter(this);
}

void WindowMenu::add(MenuGroup group, QAction* action, std::function<bool()> checked) {
  action->setShortcutContext(context_);
  window_.addAction(action);
  if (checked) {
    action->setCheckable(true);
    // Read again once the action has done its work (a trigger toggles the check blindly);
    // the menu reads it too when it opens, for a state changed elsewhere (an animation
    // starting stops real time).
    connect(action, &QAction::triggered, this, &WindowMenu::readToggles);
  }
  // Kept in menu order: after the last entry of its group or of a group before it.
  const auto after = std::find_if(entries_.begin(), entries_.end(),
                                  [group](const Entry& entry) { return entry.group > group; });
  entries_.insert(after, {group, action, std::move(checked)});
}

std::vector<QAction*> WindowMenu::actions() const {
  std::vector<QAction*> ordered;
  for (const Entry& entry : entries_) ordered.push_back(entry.action);
  return ordered;
}

void WindowMenu::readToggles() {
  for (const Entry& entry : entries_) {
    if (entry.checked) entry.action->setChecked(entry.checked());
  }
}

QMenu& WindowMenu::menu() {
  readToggles();
  menu_->clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i > 0 && entries_[i].group != entries_[i - 1].group) menu_->addSeparator();
    menu_->addAction(entries_[i].action);
  }
  return *menu_;
}

void WindowMenu::popup(QPoint global) {
  menu().popup(global);
}

void WindowMenu::popupAtFocus() {
  const QWidget* focus = window_.focusWidget();
  if (focus != nullptr && focus != &window_ && focus->isVisible()) {
    popup(focus->mapToGlobal(QPoint(0, focus->height())));
  } else {
    popup(window_.mapToGlobal(window_.rect().center()));
  }
}

// Fields are watched from the window's first showing on, when every field has been made.
void WindowMenu::watchFields() {
  for (QLineEdit* field : window_.findChildren<QLineEdit*>()) {
    if (field->window() == &window_) field->installEventFilter(this);
  }
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched == &window_) watchFields();
  if (event->type() != QEvent::ContextMenu) return false;
  const auto* request = static_cast<QContextMenuEvent*>(event);
  // The menu key goes to the focused widget; a field would open its own editing menu.
  if (request->reason() == QContextMenuEvent::Keyboard) {
    popupAtFocus();
    return true;
  }
  // A right click reaches the window unless the widget under it kept it (a field's own menu).
  if (watched != &window_) return false;
  popup(request->globalPos());
  return true;
}

}  // namespace kelvra
