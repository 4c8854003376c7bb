#include "ui/events/moon_events_window.h"

#include <algorithm>

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSettings>
#include <QStringList>
#include <QToolTip>
#include <QWheelEvent>

#include "ui/common/accessibility.h"
#include "ui/common/clock.h"
#include "ui/common/list_keys.h"
#include "ui/common/messages.h"
#include "ui/common/page_layout.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/events/event_reminders.h"
#include "ui/events/events_kind.h"
#include "ui/events/moon_events_export_dialog.h"
#include "ui/events/moon_events_page.h"

namespace kelvra {
namespace {

constexpr QRect kVisibleButton{66, 14, 20, 20};  // window pixels, beside the time basis
// The folder the month was last exported to; before a first export, the PDFs' folder.
const FolderKey kExportFolderKey{"Events/ExportFolder", &kLastFolderKey};

}  // namespace

TMoonEvents::TMoonEvents(const SideWindowLinks& links, QWidget* parent)
    : SideWindowForm(links, kEventsKind, {"MoonEvents", "imgEventsBack", "btnExit", "imgEvents"},
                     nullptr, parent),
      settings_(links.settings) {
  setFocusPolicy(Qt::StrongFocus);
  connect(&listView(), &ImageView::pressed, this, &TMoonEvents::listPressed);
  listView().installEventFilter(this);

  visibleOnly_ =
      MakeAction(this, tr("Visible only"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
                 [this] { setVisibleOnly(!visibleOnly()); });
  visibleOnly_->setToolTip(tr("Only the events visible from the site"));
  visibleOnly_->setCheckable(true);
  menu().add(MenuGroup::View, visibleOnly_, [this] { return visibleOnly(); });
  QAction* save = MakeAction(this, tr("Export\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                             [this] { exportMonth(); });
  menu().add(MenuGroup::View, save);
  reminders_ = new EventReminders(
      settings_, [this](JulianDay now) { return linesAround(now); },
      [this] { return timeBasis().offset(); }, this);
  connect(reminders_, &EventReminders::lineChanged, this, [this] {
    if (isVisible()) redraw();
  });
  menu().add(MenuGroup::Time,
             MakeAction(
                 this, tr("Reminders\u2026"), {}, [this] { askReminders(); }, Announce::No));
  // The log: its stamp key is the program's (main.cpp), its window opens from here.
  stamp_ = MakeAction(
      this, tr("Stamp the time"), {QKeySequence(Qt::Key_F9)}, [this] { stamp(); }, Announce::No);
  menu().add(MenuGroup::View,
             MakeAction(
                 this, tr("Observing log\u2026"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
                 [this] { showLog(); }, Announce::No));
  visibleButton_ = new ImageView(this, "imgVisibleOnly");
  visibleButton_->setGeometry(kVisibleButton);
  visibleButton_->setAction(visibleOnly_);
  updateSiteControls();
}

// Without a site there is nothing to filter: the button hides, the toggle does nothing.
void TMoonEvents::updateSiteControls() {
  const bool site = observation().site.has_value();
  visibleOnly_->setEnabled(site);
  visibleOnly_->setChecked(site && visibleOnly());
  const bool on = site && visibleOnly();
  visibleButton_->setPicture(
      [on](double ratio) { return MoonEventsVisibleButtonFace(kVisibleButton.size(), on, ratio); });
  visibleButton_->setVisible(site);
}

bool TMoonEvents::visibleOnly() const {
  return observation().visibleOnly;
}

// The filter is shared with the radio window: it is stored, then told to every window.
void TMoonEvents::setVisibleOnly(bool only) {
  if (!observation().site) return;
  kEventsVisibleOnlyKey.write(settings_.ini(), only);
  settings_.syncIni();
  Observation next = observation();
  next.visibleOnly = only;
  observationOwner().set(next);
}

void TMoonEvents::observationChanged(ObservationChanges what, InstantChange why) {
  // The controls, shown or not.
  if (what & (ObservationChange::Site | ObservationChange::Filter)) siteChanged();
  if (what & (ObservationChange::Site | ObservationChange::Zone | ObservationChange::Filter))
    reminders_->check();
  if (!isVisible()) return;
  if (what.testFlag(ObservationChange::Instant)) {
    instantChanged(why);
  } else if (what.testFlag(ObservationChange::Zone)) {
    redraw();
  }
}

void TMoonEvents::siteChanged() {
  updateSiteControls();
  redraw();
}

std::optional<std::size_t> TMoonEvents::lineAt(QPoint position) const {
  const int y = position.y() - listTop();
  if (y < 0 || position.x() >= layout::kListSize.width() - kMoonEventScrollBarWidth)
    return std::nullopt;
  const std::size_t index =
      view_.top + static_cast<std::size_t>(y / MoonEventRowHeight(listFont()));
  if (index >= model_.lines().size()) return std::nullopt;
  return index;
}

QString TMoonEvents::toolTipAt(QPoint position) const {
  const std::optional<std::size_t> index = lineAt(position);
  return index ? model_.toolTip(*index) : QString();
}

bool TMoonEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &listView() && event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, &listView());
    }
    return true;
  }
  return SideWindowForm::eventFilter(watched, event);
}

bool TMoonEvents::localTime() const {
  return kEventsLocalTimeKey.read(settings_.ini());
}

void TMoonEvents::storeLocalTime(bool local) {
  kEventsLocalTimeKey.write(settings_.ini(), local);
  settings_.syncIni();
  reminders_->check();
}

ListMonth TMoonEvents::listMonth() const {
  const MonthKey month = shown_.year >= 0 ? shown_ : monthOfInstant();
  return {static_cast<std::uint16_t>(month.month), static_cast<std::uint16_t>(month.year)};
}

// The pixels above the first line: the notice's rows in a year whose times degrade, the
// reminder's row while no notification service answers, the passages' row with a site.
int TMoonEvents::listTop() const {
  int rows = (view_.passages.isEmpty() ? 0 : 1) + (view_.reminder.isEmpty() ? 0 : 1);
  if (!view_.accurate) {
    rows += static_cast<int>(MoonEventNoticeRows(listFont(), layout::kListSize.width()).size());
  }
  return rows * MoonEventRowHeight(listFont());
}

int TMoonEvents::visibleRows() const {
  return std::max(1, (layout::kListSize.height() - listTop()) / MoonEventRowHeight(listFont()));
}

TMoonEvents::MonthKey TMoonEvents::monthOfInstant() const {
  return MoonEventsModel::MonthOf(observation().instantUT, timeBasis());
}

void TMoonEvents::instantChanged(InstantChange why) {
  const JulianDay now = observation().instantUT;
  const bool moved = now != seen_;
  seen_ = now;
  if (moved &&
      (why == InstantChange::Set || why == InstantChange::Tick || why == InstantChange::Frame)) {
    shown_ = monthOfInstant();
  }
  revealMarked_ = revealMarked_ || (moved && why == InstantChange::Set);
  if (shown_ == model_.month() && !revealMarked_ && model_.goingOn(now) == view_.marked &&
      !followPassages(now)) {
    return;
  }
  redraw();
}

void TMoonEvents::drawList(QImage& list) {
  const JulianDay now = observation().instantUT;
  view_.reminder = reminders_->line();
  // Opened, or the time basis changed: the list follows the instant.
  if (shown_.year < 0 || !(shown_.basis == timeBasis())) {
    shown_ = monthOfInstant();
    seen_ = now;
  }
  const bool changed = model_.show(shown_, observation().site, visibleOnly());
  followPassages(now);  // before scrolling: the row takes a line's room
  if (changed) {
    view_.accurate = model_.accurate();
    view_.greyed = model_.greyed();
    // Opens at the main window's day: its first line at or after that day's start.
    view_.selected = model_.firstLineOfDay(CalDate(now, shown_.basis.offset()).day);
    view_.top = 0;
    scrollTo(view_.selected);
  }
  view_.marked = model_.goingOn(now);
  if (revealMarked_ && !view_.marked.empty()) reveal(view_.marked.front());
  revealMarked_ = false;
  DrawMoonEventList(list, listFont(), model_.lines(), view_);
  tellSelection();
}

void TMoonEvents::tellSelection() {
  Observation next = observation();
  next.selected.reset();
  if (isVisible() && view_.selected < model_.lines().size()) {
    const MoonEventLine& line = model_.lines()[view_.selected];
    next.selected = EventLineId{FormatMoonEventLine(line).code, line.instant};
  }
  observationOwner().set(next);
}

SpokenPicture TMoonEvents::spokenList() const {
  SpokenPicture spoken = SideWindowForm::spokenList();
  spoken.kind = SpokenPicture::Kind::List;
  QStringList above;
  if (!view_.accurate)
    above << MoonEventNoticeRows(listFont(), layout::kListSize.width()).join(' ');
  if (!view_.reminder.isEmpty()) above << tr("Reminder: %1").arg(view_.reminder);
  if (!view_.passages.isEmpty()) above << view_.passages;
  if (model_.lines().empty()) above << MoonEventsNoneText();
  spoken.description = above.join(QStringLiteral("; "));
  const int rowHeight = MoonEventRowHeight(listFont());
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  for (std::size_t i = 0; i < model_.lines().size(); ++i) {
    QStringList note;
    if (std::binary_search(view_.marked.begin(), view_.marked.end(), i)) note << tr("going on");
    if (i < view_.greyed.size() && view_.greyed[i]) note << tr("not visible from the site");
    const QString tip = model_.toolTip(i);
    if (!tip.isEmpty()) note << tip.split('\n');
    QRect place;
    if (i >= view_.top && i < view_.top + rows) {
      place = {0, listTop() + static_cast<int>(i - view_.top) * rowHeight,
               layout::kListSize.width(), rowHeight};
    }
    spoken.lines.push_back({QString::fromStdString(FormatMoonEventLine(model_.lines()[i]).joined()),
                            note.join(QStringLiteral("; ")), i == view_.selected, place});
  }
  return spoken;
}

void TMoonEvents::scrollTo(std::size_t top) {
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  const std::size_t last = model_.lines().size() > rows ? model_.lines().size() - rows : 0;
  view_.top = std::min(top, last);
}

// Scrolls the line to the top of the list when it is out of sight, so the lines after it show.
void TMoonEvents::reveal(std::size_t index) {
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  if (index < view_.top || index >= view_.top + rows) scrollTo(index);
}

void TMoonEvents::select(std::size_t index) {
  if (model_.lines().empty()) return;
  const std::size_t before = view_.selected;
  view_.selected = std::min(index, model_.lines().size() - 1);
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  if (view_.selected < view_.top) view_.top = view_.selected;
  if (view_.selected >= view_.top + rows) view_.top = view_.selected + 1 - rows;
  redraw();
  TellLineSelected(listView(), before, view_.selected);
}

void TMoonEvents::jumpTo(std::size_t index) {
  if (index >= model_.lines().size()) return;
  const std::size_t before = view_.selected;
  view_.selected = index;
  host().jumpToInstant(MoonEventJumpInstant(model_.lines()[index]));
  redraw();
  TellLineSelected(listView(), before, view_.selected);
}

void TMoonEvents::listPressed(QPoint position) {
  if (const std::optional<std::size_t> index = lineAt(position)) jumpTo(*index);
}

void TMoonEvents::keyPressEvent(QKeyEvent* event) {
  const ListKey key = ListKeyOf(event->key(), view_.selected, model_.lines().size(), visibleRows());
  switch (key.does) {
    case ListKey::Does::Select:
      select(key.line);
      break;
    case ListKey::Does::Activate:
      jumpTo(key.line);
      break;
    case ListKey::Does::Nothing:
      SideWindowForm::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TMoonEvents::wheelEvent(QWheelEvent* event) {
  const std::optional<std::size_t> top = WheelTop(view_.top, event->angleDelta().y());
  if (!top) return;
  scrollTo(*top);
  redraw();
  event->accept();
}

void TMoonEvents::hideEvent(QHideEvent* event) {
  shown_ = {};  // opened again, the list starts at the month and day of the main window
  model_.forgetMonth();
  SideWindowForm::hideEvent(event);
  tellSelection();
}

// With a site, the passages' row follows the main window's day on the list's clock.
// Returns: true when the row changed.
bool TMoonEvents::followPassages(JulianDay now) {
  const bool changed = model_.followPassages(now, timeBasis().offset());
  view_.passages = model_.passages();
  return changed;
}

bool TMoonEvents::PrintMoonEvents(std::uint16_t month, std::uint16_t year) {
  const std::optional<SiteSetting>& site = observation().site;
  const MoonEventsPageInput input{month, year, timeBasis(), site, site && visibleOnly()};
  return PrintOnePage(
      settings_, tr("Jupiter's Moon Events"), PdfFileName(QStringLiteral("Events"), month, year),
      [&input](QPainter& painter, QSize page) { DrawMoonEventsPage(painter, page, input); });
}

void TMoonEvents::exportMonth() {
  const std::optional<ExportTarget> target =
      AskExportTarget(this, listMonth(), kExportFolderKey.read(settings_.ini()));
  if (target && exportTo(target->path, target->format)) {
    kExportFolderKey.write(settings_.ini(), QFileInfo(target->path).absolutePath());
    settings_.syncIni();
  }
}

bool TMoonEvents::exportTo(const QString& path, ExportFormat format) {
  redraw();  // the month as shown now, even before the window was first drawn
  // The file's own stamp: when it was written, on the program's one clock.
  const JulianDay stamp = JulianDayFromUnixTime(static_cast<double>(Now()));
  if (!WriteExportFile(path, model_.exportText(format, stamp, reminders_->lead()))) {
    ShowError(ExportFailedText(path));
    return false;
  }
  return true;
}

}  // namespace kelvra
