#include "ui/common/accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QDialog>
#include <QPointer>
#include <QWindow>

#include <vector>

#include "ui/common/widgets.h"

namespace kelvra {
namespace {

// One line of a list drawn by hand; it reads the line afresh from the picture each time it is
// asked.
class SpokenLineItem : public QAccessibleInterface {
 public:
  SpokenLineItem(ImageView* list, int index) : list_(list), index_(index) {}

  bool isValid() const override { return list_ != nullptr && index_ < lineCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return list_ != nullptr ? list_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(list_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    const SpokenLine line = this->line();
    if (t == QAccessible::Name) return line.text;
    if (t == QAccessible::Description) return line.note;
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect place = line().place;
    if (list_ == nullptr || place.isEmpty()) return {};
    return {list_->mapToGlobal(place.topLeft()), place.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    const SpokenLine line = this->line();
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = line.selected;
    state.focused = line.selected && list_ != nullptr && list_->window()->isActiveWindow();
    state.offscreen = line.place.isEmpty();
    return state;
  }

 private:
  int lineCount() const { return static_cast<int>(list_->spoken().lines.size()); }
  SpokenLine line() const {
    if (list_ == nullptr) return {};
    const std::vector<SpokenLine> lines = list_->spoken().lines;
    return index_ < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index_)]
                                                   : SpokenLine{};
  }

  QPointer<ImageView> list_;
  int index_;
};

// A control the program draws itself, a MouseTarget: what it is follows what it has become (a
// button once it has an action), however early a reader first asked for it. A button is named
// by its tooltip's words and says its key; a chart or a list (ImageView::setSpoken) gives its
// name and description, a list its lines as items; a picture with a name is a graphic.
class DrawnControl : public QAccessibleWidget {
 public:
  explicit DrawnControl(MouseTarget* target) : QAccessibleWidget(target) {}
  ~DrawnControl() override {
    for (const QAccessible::Id id : items_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QAccessible::Role role() const override {
    if (target().isButton()) return QAccessible::Button;
    if (spoken() != nullptr) {
      switch (spoken()->spoken().kind) {
        case SpokenPicture::Kind::Picture:
          return QAccessible::Graphic;
        case SpokenPicture::Kind::Chart:
          return QAccessible::Chart;
        case SpokenPicture::Kind::List:
          return QAccessible::List;
      }
    }
    return target().accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Graphic;
  }
  QString text(QAccessible::Text t) const override {
    if (spoken() != nullptr && t == QAccessible::Name) return spoken()->spoken().name;
    if (spoken() != nullptr && t == QAccessible::Description) return spoken()->spoken().description;
    // Not the tooltip, which only repeats a button's name with its key.
    if (t == QAccessible::Description) return target().accessibleDescription();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (const QAction* action = target().action()) {
      state.checkable = action->isCheckable();
      state.checked = action->isChecked();
      state.disabled = state.disabled || !action->isEnabled();
    }
    return state;
  }
  QStringList actionNames() const override {
    return target().isButton() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    // Queued, as a click comes: what the button opens may be modal, and the reader's request
    // must be answered first.
    if (name == pressAction() && target().isButton())
      QMetaObject::invokeMethod(&target(), &MouseTarget::click, Qt::QueuedConnection);
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    const QAction* action = target().action();
    if (name != pressAction() || action == nullptr || action->shortcut().isEmpty()) return {};
    return {action->shortcut().toString(QKeySequence::NativeText)};
  }

  int childCount() const override {
    return spoken() != nullptr ? static_cast<int>(spoken()->spoken().lines.size()) : 0;
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const auto at = static_cast<std::size_t>(index);
    if (at >= items_.size()) items_.resize(at + 1, 0);
    if (items_[at] == 0) {
      items_[at] = QAccessible::registerAccessibleInterface(new SpokenLineItem(spoken(), index));
    }
    return QAccessible::accessibleInterface(items_[at]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] != 0 && QAccessible::accessibleInterface(items_[i]) == child)
        return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (spoken() == nullptr) return nullptr;
    const QPoint at = target().mapFromGlobal(QPoint(x, y));
    const std::vector<SpokenLine> lines = spoken()->spoken().lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].place.contains(at)) return child(static_cast<int>(i));
    }
    return nullptr;
  }

  // The picture was drawn again. Returns: what a reader must hear of to read it as it is now,
  // its name or description changed (another month). Its lines are read afresh whenever asked.
  std::vector<QAccessible::Event> redrawn() {
    if (spoken() == nullptr) return {};
    const SpokenPicture now = spoken()->spoken();
    std::vector<QAccessible::Event> changes;
    if (now.name != said_.name) changes.push_back(QAccessible::NameChanged);
    if (now.description != said_.description) changes.push_back(QAccessible::DescriptionChanged);
    said_ = {now.kind, now.name, now.description, {}};
    return changes;
  }

 private:
  MouseTarget& target() const { return *static_cast<MouseTarget*>(widget()); }
  // The picture, when it is a chart or a list.
  ImageView* spoken() const {
    auto* view = qobject_cast<ImageView*>(widget());
    return view != nullptr && view->isSpoken() ? view : nullptr;
  }

  mutable std::vector<QAccessible::Id> items_;  // by line; 0: not asked for yet
  SpokenPicture said_;                          // its name and description as last told
};

QAccessibleInterface* accessibleControl(const QString& key, QObject* object) {
  // Only the program's own classes; Qt's widgets keep Qt's interfaces.
  if (!key.startsWith(QLatin1String("kelvra::")) || !object->isWidgetType()) return nullptr;
  if (auto* target = qobject_cast<MouseTarget*>(object)) return new DrawnControl(target);
  auto* widget = static_cast<QWidget*>(object);
  if (widget->isWindow() && qobject_cast<QDialog*>(widget) == nullptr) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(&accessibleControl);
    return true;
  }();
  (void)installed;
}

void TellPictureRedrawn(QWidget& picture) {
  if (!QAccessible::isActive()) return;
  auto* control = dynamic_cast<DrawnControl*>(QAccessible::queryAccessibleInterface(&picture));
  if (control == nullptr) return;
  for (const QAccessible::Event change : control->redrawn()) {
    QAccessibleEvent event(control, change);
    QAccessible::updateAccessibility(&event);
  }
}

void TellLineSelected(QWidget& list, std::size_t from, std::size_t to) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&list);
  if (spoken == nullptr) return;
  const auto item = [spoken](std::size_t index) {
    return index < static_cast<std::size_t>(spoken->childCount())
               ? spoken->child(static_cast<int>(index))
               : nullptr;
  };
  QAccessibleInterface* left = from == to ? nullptr : item(from);
  QAccessibleInterface* selected = item(to);
  if (selected == nullptr) return;
  if (list.window()->isActiveWindow()) {
    QAccessibleEvent focus(selected, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
  for (QAccessibleInterface* changed : {left, selected}) {
    if (changed == nullptr) continue;
    QAccessibleEvent selection(changed, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
  }
}

}  // namespace kelvra
