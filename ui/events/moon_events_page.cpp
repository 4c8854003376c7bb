#include "ui/events/moon_events_page.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "ui/events/moon_events_sky.h"

namespace kelvra {
namespace {

constexpr int kColumns = 4;
constexpr int kMutualColumns = 3;    // the mutual events' block: day, three times, code, magnitude
constexpr double kListPoints = 9.0;  // points, shrunk when a month would not fit the page

const QColor kGreyed(150, 150, 150);  // a line not visible from the site

}  // namespace

QString MoonEventsTitleText(const QString& monthName, int year) {
  return QStringLiteral("Jupiter's Moon Events: %1 %2").arg(monthName).arg(year);
}

QString MoonEventsBasisText(bool localTime, std::int32_t timeZoneOffset) {
  if (!localTime) return QStringLiteral("[Universal Time]");
  // UT = local + offset, so a zone east of Greenwich has a negative offset and a "+".
  const std::int32_t east = -timeZoneOffset;
  const std::int32_t minutes = east < 0 ? -east : east;
  return QStringLiteral("[Local Time, UTC%1%2:%3]")
      .arg(east < 0 ? QChar('-') : QChar('+'))
      .arg(minutes / 60)
      .arg(minutes % 60, 2, 10, QChar('0'));
}

QString MoonEventsMutualLegend() {
  return QStringLiteral(
      "Mutual events: day, start, maximum, end, code (2O1 Europa occults Io, "
      "3E1 Ganymede eclipses Io), magnitude (T total, A annular).");
}

QString MoonEventsSubtitle(const MoonEventsPageInput& input) {
  QString text = MoonEventsBasisText(input.basis.localTime, input.basis.zoneOffset);
  if (!input.site) return text;
  text += QStringLiteral("  ") + MoonEventsSiteText(*input.site);
  if (input.visibleOnly) text += QStringLiteral(", visible events only");
  return text;
}

PageHeights DrawMoonEventsPage(QPainter& painter, QSize page, const MoonEventsPageInput& input) {
  const QString monthName = QLocale::system().standaloneMonthName(input.month, QLocale::LongFormat);
  const PageHeights heights = PrintPageTitle(
      painter, page, MoonEventsTitleText(monthName, input.year), MoonEventsSubtitle(input));

  const int margin = page.width() / 12;  // dots
  const std::vector<MoonEventLine> all =
      ListMoonEvents(input.year, input.month, input.basis.localTime, input.basis.zoneOffset);
  const MoonEventsShown shown = ShowMoonEvents(all, SkyOfLines(all, input.site), input.visibleOnly);
  const std::vector<MoonEventLine>& lines = shown.lines;

  // The contact rule, in the title block's small font, under the subtitle; in a year whose
  // times degrade, the notice on a line of its own, since both would not fit on one.
  QFont note(QStringLiteral("Times New Roman"));
  note.setPointSizeF(9);
  note.setItalic(true);
  painter.setFont(note);
  QStringList notes{
      QStringLiteral("Times to the minute at the first and last contact with the "
                     "disc or its shadow; hidden instants left out.")};
  if (!MoonEventsAccurate(input.year)) notes << QStringLiteral("Outside 1900-2100: less accurate.");
  const int noteHeight = painter.fontMetrics().height();
  int noteTop = heights.TitleHeight;
  for (const QString& text : notes) {
    painter.drawText(QRect(margin, noteTop, page.width() - 2 * margin, noteHeight),
                     Qt::AlignHCenter | Qt::AlignTop, text);
    noteTop += noteHeight;
  }
  const int top = noteTop + noteHeight;
  const int bottom = page.height() - 2 * heights.FooterHeight;

  // The moons' own lines in four columns; mutual events in a block of their own under them.
  std::vector<MoonEventLine> events, mutual;
  std::vector<bool> eventsGreyed, mutualGreyed;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    (lines[i].mutual ? mutual : events).push_back(lines[i]);
    (lines[i].mutual ? mutualGreyed : eventsGreyed).push_back(shown.greyed(i));
  }
  const int mutualRows = (static_cast<int>(mutual.size()) + kMutualColumns - 1) / kMutualColumns;
  // Rows under the columns: a blank one, the legend, the block.
  const int blockRows = mutual.empty() ? 0 : 2 + mutualRows;

  // Arial 9 points, smaller only when the month would overflow its four columns.
  QFont font(QStringLiteral("Arial"));
  double points = kListPoints;
  int rowHeight = 0;
  int perColumn = 0;
  for (;;) {
    font.setPointSizeF(points);
    rowHeight = QFontMetrics(font, painter.device()).height();
    const int rows = std::max(1, (bottom - top) / std::max(1, rowHeight));
    if (mutual.empty()) {
      perColumn = rows;
      if (static_cast<int>(events.size()) <= perColumn * kColumns || points <= 5) break;
    } else {
      perColumn = std::max(1, (static_cast<int>(events.size()) + kColumns - 1) / kColumns);
      if (perColumn + blockRows <= rows || points <= 5) break;
    }
    points -= 0.5;
  }
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  const int columnWidth = (page.width() - 2 * margin) / kColumns;
  const int dayWidth = metrics.horizontalAdvance(QStringLiteral("00  "));
  const int timeWidth = metrics.horizontalAdvance(QStringLiteral("00:00  "));
  const auto drawDay = [&](int x, int y, const std::string& day) {
    painter.drawText(
        QRect(x, y, dayWidth - metrics.horizontalAdvance(QStringLiteral("  ")), rowHeight),
        Qt::AlignRight | Qt::AlignTop, QString::fromStdString(day));
  };
  const auto drawField = [&](int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
  };
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < events.size(); ++i) {
    const int column = static_cast<int>(i) / perColumn;
    const int row = static_cast<int>(i) % perColumn;
    if (column >= kColumns) break;
    const int x = margin + column * columnWidth;
    const int y = top + row * rowHeight;
    const MoonEventLineText text = FormatMoonEventLine(events[i]);
    painter.setPen(eventsGreyed[i] ? kGreyed : QColor(Qt::black));
    drawDay(x, y, text.day);
    drawField(x + dayWidth, y, QString::fromStdString(text.time));
    drawField(x + dayWidth + timeWidth, y, QString::fromStdString(text.code));
  }
  if (!mutual.empty()) {
    const int legendTop = top + (perColumn + 1) * rowHeight;
    painter.setFont(note);
    painter.setPen(Qt::black);
    painter.drawText(QRect(margin, legendTop, page.width() - 2 * margin, rowHeight),
                     Qt::AlignLeft | Qt::AlignTop, MoonEventsMutualLegend());
    painter.setFont(font);
    const int blockTop = legendTop + rowHeight;
    const int blockColumnWidth = (page.width() - 2 * margin) / kMutualColumns;
    const int codeWidth = metrics.horizontalAdvance(QStringLiteral("0O0  "));
    const int offset = input.basis.localTime ? input.basis.zoneOffset : 0;
    for (std::size_t i = 0; i < mutual.size(); ++i) {
      const int column = static_cast<int>(i) / mutualRows;
      const int row = static_cast<int>(i) % mutualRows;
      const int x = margin + column * blockColumnWidth;
      const int y = blockTop + row * rowHeight;
      if (y + rowHeight > bottom) break;
      const MoonEventLineText text = FormatMoonEventLine(mutual[i]);
      painter.setPen(mutualGreyed[i] ? kGreyed : QColor(Qt::black));
      drawDay(x, y, text.day);
      int at = x + dayWidth;
      for (const JulianDay t : {mutual[i].eventStart, mutual[i].instant, mutual[i].eventEnd}) {
        const CivilDateTime c = CalDate(t, offset);
        drawField(at, y,
                  QStringLiteral("%1:%2")
                      .arg(c.hour, 2, 10, QChar('0'))
                      .arg(c.minute, 2, 10, QChar('0')));
        at += timeWidth;
      }
      drawField(at, y, QString::fromStdString(text.code));
      drawField(at + codeWidth, y, QString::fromStdString(text.magnitude));
    }
  }
  painter.setPen(Qt::black);
  PrintPageFooter(painter, page, heights.FooterHeight);
  return heights;
}

}  // namespace kelvra
