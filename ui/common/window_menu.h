// The actions of a window and its right-click menu. Each action is one QAction that its keys,
// its menu entry and its button on the skin share, so that the three can never disagree.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace kelvra {

// The menu's groups, in the order the menu shows them, each set apart by a line. Leave holds
// what closes or hides the window, last, where a slip of the pointer does not reach it.
enum class MenuGroup { Windows, Time, View, Help, Leave };

// Whether an action first takes a date or time typed but not yet left (ButtonActions): an
// action on the instant shown does; one that only moves, closes or replaces it does not.
enum class Announce { Yes, No };

// Given: the action's text as menus show it ("Animate…"), its keys (the first one is shown),
// what it does. Returns: a new action of `parent`; its tooltip is the text without a trailing
// ellipsis.
QAction* MakeAction(QObject* parent, const QString& text, const QList<QKeySequence>& keys,
                    std::function<void()> act, Announce announce = Announce::Yes);

// What a button that triggers `action` shows as tooltip and says as its accessible name: the
// tooltip and its first key, "Moon events (Ctrl+M)".
QString ActionHint(const QAction& action);

// One window's actions and its right-click menu. The menu opens on a right click anywhere in
// the window except over an edit field (which keeps its own menu) or a widget that refuses
// context menus (the drag handle); the Menu key and Shift+F10 open it from any widget of the
// window, an edit field included. Escape closes it.
class WindowMenu : public QObject {
  Q_OBJECT
 public:
  // `context`: where the actions' keys work, Qt::WindowShortcut (while the window is active)
  // or Qt::ApplicationShortcut (from every window not blocked by a modal one).
  WindowMenu(QWidget& window, Qt::ShortcutContext context);

  // Adds `action` to the window with the menu's context and to the end of its group. A toggle
  // passes `checked`, its state, read whenever the menu opens and after each use.
  void add(MenuGroup group, QAction* action, std::function<bool()> checked = {});

  // The entries in menu order, and the menu as it opens now (built afresh, toggles read).
  std::vector<QAction*> actions() const;
  QMenu& menu();

  // Opens the menu at `global` (screen pixels), or below the window's focused widget.
  void popup(QPoint global);
  void popupAtFocus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    MenuGroup group;
    QAction* action;
    std::function<bool()> checked;
  };
  void readToggles();
  void watchFields();

  QWidget& window_;
  Qt::ShortcutContext context_;
  std::vector<Entry> entries_;
  QMenu* menu_;
};

}  // namespace kelvra
