#include "ui/radio/radio_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QSettings>
#include <QStringList>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "ui/common/accessibility.h"
#include "ui/common/clock.h"
#include "ui/common/export_file.h"
#include "ui/common/list_keys.h"
#include "ui/common/messages.h"
#include "ui/common/page_layout.h"
#include "ui/common/pictures.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/radio/radio_kind.h"
#include "ui/radio/radio_page.h"

namespace kelvra {
namespace {

constexpr QRect kVisibleButton{66, 14, 20, 20};  // window pixels, as the events window's
constexpr QRect kTrackButton{91, 14, 20, 20};
constexpr double kNightStep = 5.0 / 1440;   // days between the night track's points
constexpr double kMonthStep = 20.0 / 1440;  // and the month's
const FolderKey kRadioExportFolderKey{"Radio/ExportFolder", &kLastFolderKey};

}  // namespace

QString RadioExportFailedText(const QString& path) {
  return TRadio::tr("The radio windows could not be exported.\nCannot write \"%1\".")
      .arg(QDir::toNativeSeparators(path));
}

TRadio::TRadio(const SideWindowLinks& links, QWidget* parent)
    : SideWindowForm(links, kRadioKind, {"Radio", "imgRadioBack", "btnExit", "imgRadio"}, nullptr,
                     parent) {
  setFocusPolicy(Qt::StrongFocus);
  connect(&listView(), &ImageView::pressed, this, &TRadio::listPressed);

  visibleOnly_ = MakeAction(this, tr("Visible only"),
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, [this] {
                              if (!observation().site) return;
                              Observation next = observation();
                              next.visibleOnly = !next.visibleOnly;
                              kEventsVisibleOnlyKey.write(settings().ini(), next.visibleOnly);
                              settings().syncIni();
                              observationOwner().set(next);  // the events window's too
                            });
  visibleOnly_->setToolTip(tr("Only the windows Jupiter is up for at the site"));
  visibleOnly_->setCheckable(true);
  menu().add(MenuGroup::View, visibleOnly_, [this] { return visibleOnly(); });
  monthTrack_ =
      MakeAction(this, tr("Month's track"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
                 [this] { setMonthTrack(!monthTrack()); });
  monthTrack_->setToolTip(tr("The night's or the month's track"));
  monthTrack_->setCheckable(true);
  menu().add(MenuGroup::View, monthTrack_, [this] { return monthTrack(); });
  QAction* save = MakeAction(this, tr("Export\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                             [this] { exportMonth(); });
  menu().add(MenuGroup::View, save);

  visibleButton_ = new ImageView(this, "imgVisibleOnly");
  visibleButton_->setGeometry(kVisibleButton);
  visibleButton_->setAction(visibleOnly_);
  trackButton_ = new ImageView(this, "imgMonthTrack");
  trackButton_->setGeometry(kTrackButton);
  trackButton_->setAction(monthTrack_);
  updateButtons();
}

bool TRadio::visibleOnly() const {
  return observation().site && observation().visibleOnly;
}

bool TRadio::monthTrack() const {
  return kRadioMonthTrackKey.read(settings().ini());
}

void TRadio::setMonthTrack(bool month) {
  kRadioMonthTrackKey.write(settings().ini(), month);
  settings().syncIni();
  updateButtons();
  redraw();
}

// Without a site there is nothing to filter: its button hides, its toggle does nothing.
void TRadio::updateButtons() {
  const bool site = observation().site.has_value();
  const bool on = visibleOnly();
  visibleOnly_->setEnabled(site);
  visibleOnly_->setChecked(on);
  visibleButton_->setPicture(
      [on](double ratio) { return VisibleOnlyButtonFace(kVisibleButton.size(), on, ratio); });
  visibleButton_->setVisible(site);
  const bool month = monthTrack();
  monthTrack_->setChecked(month);
  trackButton_->setPicture(
      [month](double ratio) { return RadioTrackButtonFace(kTrackButton.size(), month, ratio); });
}

bool TRadio::localTime() const {
  return kRadioLocalTimeKey.read(settings().ini());
}

void TRadio::storeLocalTime(bool local) {
  kRadioLocalTimeKey.write(settings().ini(), local);
  settings().syncIni();
}

ListMonth TRadio::listMonth() const {
  const CivilDateTime t = CalDate(observation().instantUT, timeBasis().offset());
  return {t.month, t.year};
}

void TRadio::observationChanged(ObservationChanges what, InstantChange) {
  if (what & (ObservationChange::Site | ObservationChange::Filter)) updateButtons();
  if (isVisible() && what.testAnyFlags(ObservationChange::Instant | ObservationChange::Zone |
                                       ObservationChange::Site | ObservationChange::Filter)) {
    redraw();
  }
}

void TRadio::follow() {
  const JulianDay now = observation().instantUT;
  const std::int32_t offset = timeBasis().offset();
  const Key key{listMonth(), offset, observation().site, visibleOnly()};
  if (!(key == key_)) {
    if (key.month != key_.month || key.offset != key_.offset || key.site != key_.site) {
      lines_ = RadioLinesOf(key.month, offset, key.site);
    }
    shown_ = ShownRadioLines(lines_, key.visibleOnly);
    key_ = key;
    opened_ = true;
  }
  const RadioSpan span =
      monthTrack() ? RadioMonthSpan(key.month, offset) : RadioNightOf(now, offset);
  if (!(span == trackSpan_)) {
    track_ = RadioTrackOf(span, monthTrack() ? kMonthStep : kNightStep);
    trackSpan_ = span;
  }
  view_.site = key.site.has_value();
  view_.marked.reset();
  const auto after = std::find_if(shown_.begin(), shown_.end(),
                                  [now](const RadioLine& l) { return l.window.end > now; });
  // Within half a second: the main window's whole second at a span's start counts as inside.
  if (after != shown_.end() && after->window.start <= now + 0.5 / 86400)
    view_.marked = static_cast<std::size_t>(after - shown_.begin());
  if (opened_ && !shown_.empty()) {
    view_.selected = std::min(static_cast<std::size_t>(after - shown_.begin()), shown_.size() - 1);
    view_.top = 0;
    scrollTo(view_.selected);
  }
  if (view_.selected >= shown_.size()) view_.selected = shown_.empty() ? 0 : shown_.size() - 1;
  opened_ = false;
}

void TRadio::drawList(QImage& list) {
  follow();
  const JulianDay now = observation().instantUT;
  RadioPlot plot{track_,
                 RadioTrackPoint{now, CentralMeridianIII(now), GeocentricPhase(1, now), false},
                 false, monthTrack()};
  const RadioReadings readings{plot.instant->cm, plot.instant->phase, GeocentricPhase(2, now),
                               GeocentricPhase(3, now)};
  DrawRadioScreen(list, listFont(), plot, readings, shown_, key_.offset, view_);
}

SpokenPicture TRadio::spokenList() const {
  SpokenPicture spoken = SideWindowForm::spokenList();
  spoken.kind = SpokenPicture::Kind::List;
  const JulianDay now = observation().instantUT;
  QStringList above;
  above << (monthTrack() ? tr("Io's phase up, the central meridian in System III across, the "
                              "regions Io-A to Io-D boxed, the non-Io bands behind; the month's "
                              "track")
                         : tr("Io's phase up, the central meridian in System III across, the "
                              "regions Io-A to Io-D boxed, the non-Io bands behind; the night's "
                              "track"));
  for (const QString& row : RadioReadingRows({CentralMeridianIII(now), GeocentricPhase(1, now),
                                              GeocentricPhase(2, now), GeocentricPhase(3, now)}))
    above << row;
  if (view_.site) above << RadioDaylightNote();
  if (shown_.empty()) above << tr("No windows");
  spoken.description = above.join(QStringLiteral("; "));
  const int rowHeight = QFontMetrics(listFont()).height();
  const int top = RadioListTop(listFont(), view_.site);
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    QStringList note;
    if (view_.marked == i) note << tr("going on");
    if (shown_[i].greyed) note << tr("Jupiter below its least altitude");
    if (shown_[i].daytime) note << tr("in daylight: the ionosphere often blocks it");
    QRect place;
    if (i >= view_.top && i < view_.top + rows)
      place = {0, top + static_cast<int>(i - view_.top) * rowHeight, layout::kListSize.width(),
               rowHeight};
    spoken.lines.push_back({RadioLineText(shown_[i], key_.offset), note.join(QStringLiteral("; ")),
                            i == view_.selected, place});
  }
  return spoken;
}

int TRadio::visibleRows() const {
  const int rowHeight = QFontMetrics(listFont()).height();
  return std::max(1,
                  (layout::kListSize.height() - RadioListTop(listFont(), view_.site)) / rowHeight);
}

void TRadio::scrollTo(std::size_t top) {
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  view_.top = std::min(top, shown_.size() > rows ? shown_.size() - rows : 0);
}

void TRadio::select(std::size_t index) {
  if (shown_.empty()) return;
  const std::size_t before = view_.selected;
  view_.selected = std::min(index, shown_.size() - 1);
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  if (view_.selected < view_.top) view_.top = view_.selected;
  if (view_.selected >= view_.top + rows) view_.top = view_.selected + 1 - rows;
  redraw();
  TellLineSelected(listView(), before, view_.selected);
}

void TRadio::jumpTo(std::size_t index) {
  if (index >= shown_.size()) return;
  const std::size_t before = view_.selected;
  view_.selected = index;
  // The main window shows whole seconds: the first one inside the span.
  host().jumpToInstant(std::ceil(shown_[index].window.start * 86400 - 1e-3) / 86400);
  redraw();
  TellLineSelected(listView(), before, view_.selected);
}

void TRadio::listPressed(QPoint position) {
  const int rowHeight = QFontMetrics(listFont()).height();
  const int y = position.y() - RadioListTop(listFont(), view_.site);
  if (y < 0 || position.x() >= layout::kListSize.width() - kRadioScrollBarWidth) return;
  jumpTo(view_.top + static_cast<std::size_t>(y / rowHeight));
}

void TRadio::keyPressEvent(QKeyEvent* event) {
  const ListKey key = ListKeyOf(event->key(), view_.selected, shown_.size(), visibleRows());
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

void TRadio::wheelEvent(QWheelEvent* event) {
  const std::optional<std::size_t> top = WheelTop(view_.top, event->angleDelta().y());
  if (!top) return;
  scrollTo(*top);
  redraw();
  event->accept();
}

void TRadio::hideEvent(QHideEvent* event) {
  opened_ = true;  // opened again, the list starts at the instant's span
  SideWindowForm::hideEvent(event);
}

bool TRadio::PrintRadio(std::uint16_t month, std::uint16_t year) {
  const ListMonth shown{month, year};
  const std::int32_t offset = timeBasis().offset();
  // Another month than the list's has no night of the instant: its page takes the month's.
  const bool wholeMonth = monthTrack() || listMonth() != shown;
  RadioPageInput input{shown, timeBasis(), observation().site, visibleOnly(), wholeMonth, {}, {}};
  input.lines = ShownRadioLines(RadioLinesOf(shown, offset, input.site), input.visibleOnly);
  const RadioSpan span =
      wholeMonth ? RadioMonthSpan(shown, offset) : RadioNightOf(observation().instantUT, offset);
  input.track = RadioTrackOf(span, wholeMonth ? kMonthStep : kNightStep);
  return PrintOnePage(
      settings(), RadioTitle(month, year), PdfFileName(QStringLiteral("Radio"), month, year),
      [&input](QPainter& painter, QSize page) { DrawRadioPage(painter, page, input); });
}

void TRadio::exportMonth() {
  const std::optional<ExportTarget> target =
      AskExportTarget(this, listMonth(), kRadioExportFolderKey.read(settings().ini()),
                      QStringLiteral("Radio"), tr("Export the month's radio windows"));
  if (target && exportTo(target->path, target->format)) {
    kRadioExportFolderKey.write(settings().ini(), QFileInfo(target->path).absolutePath());
    settings().syncIni();
  }
}

bool TRadio::exportTo(const QString& path, ExportFormat format) {
  follow();  // the month as shown now, even before the window was first drawn
  // The file's own stamp: when it was written, on the program's one clock.
  const JulianDay stamp = JulianDayFromUnixTime(static_cast<double>(Now()));
  if (!WriteExportFile(path,
                       RadioExportText(format, shown_, key_.offset, observation().site, stamp))) {
    ShowError(RadioExportFailedText(path));
    return false;
  }
  return true;
}

}  // namespace kelvra
