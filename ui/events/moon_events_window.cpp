#include "ui/events/moon_events_window.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QToolTip>
#include <QWheelEvent>

#include "core/mutual_light.h"

#include "ui/common/messages.h"
#include "ui/common/page_layout.h"
#include "ui/common/picture_style.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/events/events_kind.h"
#include "ui/events/moon_events_page.h"

namespace kelvra {
namespace {

const QColor kBand(40, 40, 40);
const QColor kDay(0, 255, 255);
const QColor kTime(255, 255, 0);
const QColor kMutual(255, 136, 255);  // a mutual event's code and magnitude: on black, the grey
                                      // band and the lit band alike
const QColor kMarked(30, 84, 88);     // the skin's teal, lit: going on at the main window's instant
constexpr int kScrollBarWidth = 3;    // pixels, inside the list's right edge
constexpr int kDayX = 3, kTimeX = 25, kCodeX = 62;  // pixels
// A line not visible from the site: every field in one grey, a mutual line's with a trace of its
// pink; both at least 4.5:1 on black, the grey band and the lit band, yet plainly dimmer than
// the colours of a visible line.
const QColor kGreyed(192, 192, 192);
const QColor kGreyedMutual(208, 184, 208);
constexpr int kWheelLines = 3;
constexpr QRect kVisibleButton{66, 14, 20, 20};  // window pixels, beside the time basis
inline constexpr const char* kExportFolderKey = "Events/ExportFolder";

void drawCell(QPainter& painter, QPoint at, const QString& text, const QColor& colour,
              const QColor& background) {
  painter.setBrush(background);
  DrawOpaqueText(painter, at, text, colour);
}

// One line's fields at row y: the day right-aligned to two digits, the time, then the code, in
// the colours of its kind; a mutual event's magnitude one space after its code.
void drawLine(QPainter& painter, const QFont& font, const MoonEventLine& line, int y,
              const QColor& background, bool greyed) {
  const QFontMetrics metrics(font);
  const MoonEventLineText text = FormatMoonEventLine(line);
  const int dayX = line.day < 10 ? kDayX + metrics.horizontalAdvance('0') : kDayX;
  // Not visible from the site: the whole line in one grey, whatever its kind.
  const QColor grey = line.mutual ? kGreyedMutual : kGreyed;
  const auto shade = [greyed, &grey](const QColor& colour) { return greyed ? grey : colour; };
  drawCell(painter, {dayX, y}, QString::fromStdString(text.day), shade(kDay), background);
  drawCell(painter, {kTimeX, y}, QString::fromStdString(text.time), shade(kTime), background);
  const QString code = QString::fromStdString(text.code);
  const QColor colour = shade(line.mutual ? kMutual : style::kGlyph);
  drawCell(painter, {kCodeX, y}, code, colour, background);
  if (!text.magnitude.empty()) {
    drawCell(painter, {kCodeX + metrics.horizontalAdvance(code + ' '), y},
             QString::fromStdString(text.magnitude), colour, background);
  }
}

const char* moonName(int moon) {
  static constexpr const char* kNames[] = {"Io", "Europa", "Ganymede", "Callisto"};
  return moon >= 1 && moon <= 4 ? kNames[moon - 1] : "";
}

// The filter's button: Jupiter over the horizon, on a lit face while only the visible lines show.
QImage visibleButtonFace(bool on) {
  QImage image(kVisibleButton.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, QRect(QPoint(0, 0), kVisibleButton.size()), on ? kMarked : style::kFace);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 208, 180));
  painter.drawEllipse(QRectF(6, 4, 8, 8));
  painter.setPen(QPen(on ? QColor(Qt::white) : QColor(Qt::black), 1.5));
  painter.drawLine(QPointF(3, 14.5), QPointF(17, 14.5));
  return image;
}

}  // namespace

QString MoonEventToolTip(const MoonEventLine& line, std::int32_t offset) {
  if (!line.mutual) return {};
  const MutualEvent& e = *line.mutual;
  const bool eclipse = e.kind == MutualEventKind::Eclipse;
  const QString active = QString::fromLatin1(moonName(e.active));
  const QString passive = QString::fromLatin1(moonName(e.passive));
  const QString listed = QString::fromStdString(MutualEventMagnitude(e));
  QString magnitude =
      e.total       ? QStringLiteral("total")
      : e.annular   ? QStringLiteral("annular")
      : e.penumbral ? QStringLiteral("penumbral, %1 of the light, not the diameter").arg(listed)
                    : QStringLiteral("magnitude %1").arg(listed);
  const QString where = QString::fromStdString(AgainstJupiterText(PassiveAgainstJupiter(e)));
  if (!where.isEmpty()) magnitude += QStringLiteral(", ") + where;
  const long lost = std::lround(MutualLightLost(e) * 100);
  const QString whose = eclipse ? QStringLiteral("of %1's light").arg(passive)
                                : QStringLiteral("of the pair's light");
  return QStringLiteral("%1: %2 %3 %4, %5\n%6\nlight lost at maximum: %7% %8")
      .arg(QString::fromStdString(MutualEventCode(e)), active,
           eclipse ? QStringLiteral("eclipses") : QStringLiteral("occults"), passive, magnitude,
           QString::fromStdString(MutualContactsText(line, offset)))
      .arg(lost)
      .arg(whose);
}

int MoonEventRowHeight(const QFont& font) {
  return QFontMetrics(font).height();
}

QStringList MoonEventNoticeRows(const QFont& font, int width) {
  const QFontMetrics metrics(font);
  const int room = width - kDayX - kScrollBarWidth - 1;  // pixels, clear of the scroll bar
  QStringList rows;
  for (const QString& word : QStringLiteral("Outside 1900-2100: less accurate").split(' ')) {
    if (!rows.isEmpty() && metrics.horizontalAdvance(rows.back() + ' ' + word) <= room) {
      rows.back() += ' ' + word;
    } else {
      rows.append(word);
    }
  }
  return rows;
}

void DrawMoonEventList(QImage& list, const QFont& font, const std::vector<MoonEventLine>& lines,
                       const MoonEventListView& view) {
  QPainter painter(&list);
  painter.setFont(font);
  painter.setPen(Qt::NoPen);
  const int width = list.width();
  const int height = list.height();
  painter.fillRect(0, 0, width, height, Qt::black);
  const int rowHeight = MoonEventRowHeight(font);
  int y = 0;
  if (!view.accurate) {
    for (const QString& row : MoonEventNoticeRows(font, width)) {
      drawCell(painter, {kDayX, y}, row, style::kAccent, Qt::black);
      y += rowHeight;
    }
  }
  if (!view.passages.isEmpty()) {
    drawCell(painter, {kDayX, y}, view.passages, style::kGlyph, Qt::black);
    y += rowHeight;
  }
  if (lines.empty()) {
    drawCell(painter, {kDayX, y}, QStringLiteral("No events"), style::kGlyph, Qt::black);
    return;
  }
  const int rows = std::max(1, (height - y) / rowHeight);
  const bool scrolls = static_cast<int>(lines.size()) > rows;
  const int textWidth = scrolls ? width - kScrollBarWidth - 1 : width;
  for (std::size_t i = view.top; i < lines.size() && y + rowHeight <= height; ++i, y += rowHeight) {
    const bool marked = std::binary_search(view.marked.begin(), view.marked.end(), i);
    QColor background = lines[i].day % 2 == 1 ? kBand : QColor(Qt::black);
    if (marked) background = kMarked;
    painter.fillRect(0, y, textWidth, rowHeight, background);
    drawLine(painter, font, lines[i], y, background, i < view.greyed.size() && view.greyed[i]);
    if (i == view.selected) {
      painter.setPen(style::kGlyphDim);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(0, y, textWidth - 1, rowHeight - 1);
      painter.setPen(Qt::NoPen);
    }
  }
  if (scrolls) {
    const int barX = width - kScrollBarWidth;
    const int total = static_cast<int>(lines.size());
    painter.fillRect(barX, 0, kScrollBarWidth, height, style::kWell);
    const int thumbTop = static_cast<int>(view.top) * height / total;
    const int thumbHeight = std::max(6, rows * height / total);
    painter.fillRect(barX, std::min(thumbTop, height - thumbHeight), kScrollBarWidth, thumbHeight,
                     style::kFace);
  }
}

TMoonEvents::TMoonEvents(SideWindowHost& host, InstantHost& instants, SettingsStore& settings,
                         QWidget* parent)
    : SideWindowForm(host, kEventsKind, {"MoonEvents", "imgEventsBack", "btnExit", "imgEvents"},
                     nullptr, parent),
      instants_(instants),
      settings_(settings) {
  setFocusPolicy(Qt::StrongFocus);
  connect(&listView(), &ImageView::pressed, this, &TMoonEvents::listPressed);
  listView().installEventFilter(this);

  visibleOnly_ = MakeAction(this, QStringLiteral("Visible only"),
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
                            [this] { setVisibleOnly(!visibleOnly()); });
  visibleOnly_->setToolTip(QStringLiteral("Only the events visible from the site"));
  visibleOnly_->setCheckable(true);
  menu().add(MenuGroup::View, visibleOnly_, [this] { return visibleOnly(); });
  QAction* save = MakeAction(this, QStringLiteral("Export\u2026"),
                             {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { exportMonth(); });
  menu().add(MenuGroup::View, save);
  visibleButton_ = new ImageView(this, "imgVisibleOnly");
  visibleButton_->setGeometry(kVisibleButton);
  visibleButton_->setAction(visibleOnly_);
  updateSiteControls();
}

// Without a site there is nothing to filter: the button hides, the toggle does nothing.
void TMoonEvents::updateSiteControls() {
  const bool site = host().site().has_value();
  visibleOnly_->setEnabled(site);
  visibleOnly_->setChecked(site && visibleOnly());
  visibleButton_->setImage(visibleButtonFace(site && visibleOnly()));
  visibleButton_->setVisible(site);
}

bool TMoonEvents::visibleOnly() const {
  return settings_.ini().value(QString::fromLatin1(kEventsVisibleOnlyKey), false).toBool();
}

void TMoonEvents::setVisibleOnly(bool only) {
  if (!host().site()) return;
  settings_.ini().setValue(QString::fromLatin1(kEventsVisibleOnlyKey), only);
  settings_.syncIni();
  updateSiteControls();
  redraw();
}

void TMoonEvents::siteChanged() {
  updateSiteControls();
  redraw();
}

std::optional<std::size_t> TMoonEvents::lineAt(QPoint position) const {
  const int y = position.y() - listTop();
  if (y < 0 || position.x() >= layout::kListSize.width() - kScrollBarWidth) return std::nullopt;
  const std::size_t index =
      view_.top + static_cast<std::size_t>(y / MoonEventRowHeight(listFont()));
  if (index >= lines_.size()) return std::nullopt;
  return index;
}

QString TMoonEvents::toolTipAt(QPoint position) const {
  const std::optional<std::size_t> index = lineAt(position);
  if (!index) return {};
  // Each part of the tip on lines of its own: the phenomenon's, then the site's sky.
  QStringList parts;
  const QString own = MoonEventToolTip(lines_[*index], computed_.basis.offset());
  if (!own.isEmpty()) parts << own;
  if (*index < sky_.size() && skySite_) parts << MoonEventsSkyText(sky_[*index], skySite_->limits);
  return parts.join('\n');
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
  return settings_.ini().value(QString::fromLatin1(kEventsLocalTimeKey), false).toBool();
}

void TMoonEvents::storeLocalTime(bool local) {
  settings_.ini().setValue(QString::fromLatin1(kEventsLocalTimeKey), local);
  settings_.syncIni();
}

ListMonth TMoonEvents::listMonth() const {
  const MonthKey month = shown_.year >= 0 ? shown_ : monthOfInstant();
  return {static_cast<std::uint16_t>(month.month), static_cast<std::uint16_t>(month.year)};
}

// The pixels above the first line: the notice's rows in a year whose times degrade, the
// passages' row with a site.
int TMoonEvents::listTop() const {
  int rows = view_.passages.isEmpty() ? 0 : 1;
  if (!view_.accurate) {
    rows += static_cast<int>(MoonEventNoticeRows(listFont(), layout::kListSize.width()).size());
  }
  return rows * MoonEventRowHeight(listFont());
}

int TMoonEvents::visibleRows() const {
  return std::max(1, (layout::kListSize.height() - listTop()) / MoonEventRowHeight(listFont()));
}

TMoonEvents::MonthKey TMoonEvents::monthOfInstant() const {
  const TimeBasis basis = timeBasis();
  const CivilDateTime at = CalDate(instants_.displayedInstantUT(), basis.offset());
  return {at.year, at.month, basis};
}

void TMoonEvents::instantChanged(InstantChange why) {
  const JulianDay now = instants_.displayedInstantUT();
  const bool moved = now != seen_;
  seen_ = now;
  if (moved &&
      (why == InstantChange::Set || why == InstantChange::Tick || why == InstantChange::Frame)) {
    shown_ = monthOfInstant();
  }
  revealMarked_ = revealMarked_ || (moved && why == InstantChange::Set);
  if (shown_ == computed_ && !revealMarked_ && MoonEventLinesGoingOn(lines_, now) == view_.marked &&
      !followPassages(now)) {
    return;
  }
  redraw();
}

void TMoonEvents::drawList(QImage& list) {
  const JulianDay now = instants_.displayedInstantUT();
  // Opened, or the time basis changed: the list follows the instant.
  if (shown_.year < 0 || !(shown_.basis == timeBasis())) {
    shown_ = monthOfInstant();
    seen_ = now;
  }
  bool changed = false;
  if (!(shown_ == computed_)) {
    computed_ = shown_;
    month_ =
        ListMoonEvents(shown_.year, shown_.month, shown_.basis.localTime, shown_.basis.zoneOffset);
    view_.accurate = MoonEventsAccurate(shown_.year);
    monthSky_ = SkyOfLines(month_, skySite_);
    changed = true;
  }
  // The sky is computed once per month and site, never per frame.
  if (const std::optional<SiteSetting> site = host().site(); !SameSite(site, skySite_)) {
    skySite_ = site;
    monthSky_ = SkyOfLines(month_, skySite_);
    passagesDay_ = std::numeric_limits<double>::quiet_NaN();
    changed = true;
  }
  followPassages(now);  // before scrolling: the row takes a line's room
  const bool only = skySite_ && visibleOnly();
  if (changed || only != filtered_) {
    filtered_ = only;
    MoonEventsShown shown = ShowMoonEvents(month_, monthSky_, only);
    view_.greyed.assign(shown.lines.size(), false);
    for (std::size_t i = 0; i < shown.lines.size(); ++i) view_.greyed[i] = shown.greyed(i);
    lines_ = std::move(shown.lines);
    sky_ = std::move(shown.sky);
    // Opens at the main window's day: its first line at or after that day's start.
    view_.selected = 0;
    const int day = CalDate(now, shown_.basis.offset()).day;
    while (view_.selected + 1 < lines_.size() && lines_[view_.selected].day < day) {
      ++view_.selected;
    }
    view_.top = 0;
    scrollTo(view_.selected);
  }
  view_.marked = MoonEventLinesGoingOn(lines_, now);
  if (revealMarked_ && !view_.marked.empty()) reveal(view_.marked.front());
  revealMarked_ = false;
  DrawMoonEventList(list, listFont(), lines_, view_);
}

void TMoonEvents::scrollTo(std::size_t top) {
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  const std::size_t last = lines_.size() > rows ? lines_.size() - rows : 0;
  view_.top = std::min(top, last);
}

// Scrolls the line to the top of the list when it is out of sight, so the lines after it show.
void TMoonEvents::reveal(std::size_t index) {
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  if (index < view_.top || index >= view_.top + rows) scrollTo(index);
}

void TMoonEvents::select(std::size_t index) {
  if (lines_.empty()) return;
  view_.selected = std::min(index, lines_.size() - 1);
  const std::size_t rows = static_cast<std::size_t>(visibleRows());
  if (view_.selected < view_.top) view_.top = view_.selected;
  if (view_.selected >= view_.top + rows) view_.top = view_.selected + 1 - rows;
  redraw();
}

void TMoonEvents::jumpTo(std::size_t index) {
  if (index >= lines_.size()) return;
  view_.selected = index;
  instants_.jumpToInstant(MoonEventJumpInstant(lines_[index]));
  redraw();
}

void TMoonEvents::listPressed(QPoint position) {
  if (const std::optional<std::size_t> index = lineAt(position)) jumpTo(*index);
}

void TMoonEvents::keyPressEvent(QKeyEvent* event) {
  const std::size_t page = static_cast<std::size_t>(std::max(1, visibleRows() - 1));
  const std::size_t at = view_.selected;
  switch (event->key()) {
    case Qt::Key_Up:
      select(at > 0 ? at - 1 : 0);
      break;
    case Qt::Key_Down:
      select(at + 1);
      break;
    case Qt::Key_PageUp:
      select(at > page ? at - page : 0);
      break;
    case Qt::Key_PageDown:
      select(at + page);
      break;
    case Qt::Key_Home:
      select(0);
      break;
    case Qt::Key_End:
      select(lines_.empty() ? 0 : lines_.size() - 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      jumpTo(at);
      break;
    default:
      SideWindowForm::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TMoonEvents::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0) return;
  const long long top = static_cast<long long>(view_.top) - notches * kWheelLines;
  scrollTo(static_cast<std::size_t>(std::max(0LL, top)));
  redraw();
  event->accept();
}

void TMoonEvents::hideEvent(QHideEvent* event) {
  shown_ = {};  // opened again, the list starts at the month and day of the main window
  computed_ = {};
  SideWindowForm::hideEvent(event);
}

// With a site, the passages' row follows the main window's day on the list's clock.
// Returns: true when the row changed.
bool TMoonEvents::followPassages(JulianDay now) {
  if (!skySite_) {
    const bool had = !view_.passages.isEmpty();
    view_.passages.clear();
    return had;
  }
  const std::int32_t offset = timeBasis().offset();
  const JulianDay day = DayStartOf(now, offset);
  if (day == passagesDay_) return false;
  passagesDay_ = day;
  view_.passages = RiseTransitSetText(JupiterRiseTransitSet(day, skySite_->place), offset,
                                      JupiterAboveHorizon(day, skySite_->place));
  return true;
}

bool TMoonEvents::PrintMoonEvents(std::uint16_t month, std::uint16_t year) {
  const MoonEventsPageInput input{month, year, timeBasis(), host().site(),
                                  host().site() && visibleOnly()};
  return PrintOnePage(
      QStringLiteral("Jupiter's Moon Events"), PdfFileName(QStringLiteral("Events"), month, year),
      [&input](QPainter& painter, QSize page) { DrawMoonEventsPage(painter, page, input); });
}

void TMoonEvents::exportMonth() {
  const ListMonth month = listMonth();
  QString folder = settings_.ini().value(QString::fromLatin1(kExportFolderKey)).toString();
  if (folder.isEmpty() || !QDir(folder).exists()) folder = PdfFolder();
  const QString name = QStringLiteral("Kelvra95 Events %1-%2")
                           .arg(month.year, 4, 10, QChar('0'))
                           .arg(month.month, 2, 10, QChar('0'));
  QFileDialog dialog(this, QStringLiteral("Export the month's events"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(ExportNameFilters());
  dialog.setDefaultSuffix(QStringLiteral("ics"));
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == ExportNameFilters().value(1) ? QStringLiteral("csv")
                                                                   : QStringLiteral("ics"));
  });
  // The name written may differ from the one the dialog returns (an extension added), so the
  // question before replacing a file is asked here, of the name written.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDirectory(folder);
  dialog.selectFile(name);
  ExportTarget target{};
  for (;;) {
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const ExportFormat chosen = dialog.selectedNameFilter() == ExportNameFilters().value(1)
                                    ? ExportFormat::Csv
                                    : ExportFormat::ICalendar;
    target = ExportTargetOf(dialog.selectedFiles().front(), chosen);
    if (!QFileInfo::exists(target.path)) break;
    QMessageBox replace(QMessageBox::Warning, dialog.windowTitle(),
                        QStringLiteral("%1 already exists.\nDo you want to replace it?")
                            .arg(QFileInfo(target.path).fileName()),
                        QMessageBox::Yes | QMessageBox::No, this);
    replace.setDefaultButton(QMessageBox::No);
    if (RunModal(replace) == QMessageBox::Yes) break;
    dialog.selectFile(QFileInfo(target.path).fileName());  // the dialog again, on that name
  }
  if (exportTo(target.path, target.format)) {
    settings_.ini().setValue(QString::fromLatin1(kExportFolderKey),
                             QFileInfo(target.path).absolutePath());
    settings_.syncIni();
  }
}

bool TMoonEvents::exportTo(const QString& path, ExportFormat format) {
  redraw();  // the month as shown now, even before the window was first drawn
  const std::optional<MoonEventMonth> month = MonthOfMoonEvents(
      computed_.year, computed_.month, computed_.basis.localTime, computed_.basis.zoneOffset);
  const std::vector<MoonEventLine> around = format == ExportFormat::ICalendar && month
                                                ? MoonEventLinesAround(*month)
                                                : std::vector<MoonEventLine>{};
  constexpr JulianDay kUnixEpoch = 2440587.5;  // days, UT: 1970-01-01 00:00
  const JulianDay stamp =
      kUnixEpoch + static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 86400000.0;
  const std::string text =
      MoonEventsExportText(format, lines_, around, computed_.basis.offset(), skySite_, stamp);
  if (!WriteExportFile(path, text)) {
    ShowError(ExportFailedText(path));
    return false;
  }
  return true;
}

}  // namespace kelvra
