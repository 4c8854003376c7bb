#include "ui/events/moon_events_page.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include "core/moon_event_list.h"
#include "core/mutual_light.h"
#include "ui/common/event_words.h"
#include "ui/events/moon_events_sky.h"

namespace kelvra {
namespace {

constexpr int kColumns = 4;
constexpr double kListPoints = 9.0;  // points, shrunk when a month would not fit the page

const QColor kGreyed(150, 150, 150);  // a line not visible from the site

// The height the legend takes above the block: one row of the list when it fits one line, else
// its own lines' height.
int legendHeight(const QFontMetrics& note, const QString& legend, int width, int rowHeight) {
  const int height =
      note.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, legend).height();
  return height < 2 * note.height() ? rowHeight : height;
}

}  // namespace

MutualPageRow MutualPageRowOf(const MoonEventLine& line, std::int32_t offset) {
  const MutualEvent& e = *line.mutual;
  const MoonEventLineText text = FormatMoonEventLine(line);
  MutualPageRow row{QString::fromStdString(text.day),
                    {},
                    QString::fromStdString(text.code),
                    QString::fromStdString(text.magnitude)};
  const AgainstJupiter where = PassiveAgainstJupiter(e);
  row.nearJupiter = where != AgainstJupiter::Clear;
  if (row.nearJupiter) {
    //: The page's short mark of a moon at the edge of Jupiter's disc (fits a narrow column).
    const QString limb = QCoreApplication::translate("kelvra::MoonEventsPage", "limb");
    //: The page's short mark of a moon in front of Jupiter's disc.
    const QString disc = QCoreApplication::translate("kelvra::MoonEventsPage", "disc");
    row.magnitude += ' ' + (where == AgainstJupiter::AtLimb ? limb : disc);
  }
  row.magnitude += ' ' + QString::fromStdString(MagnitudeDropText(
                             MagnitudeDropOf(1 - MutualLightLost(e)), TranslatedLightLossWords()));
  const auto put = [&](std::size_t slot, JulianDay ut) {
    row.times[slot] =
        QString::fromStdString(ListClockText(ListedMinuteOf(line, ut), offset, line.day));
    row.otherDay = row.otherDay || row.times[slot].contains(QChar(' '));
  };
  const bool eclipse = e.kind == MutualEventKind::Eclipse;
  if (eclipse) put(0, e.lightStart);
  if (!e.penumbral) put(1, e.start);
  put(2, line.instant);
  if (!e.penumbral) put(3, e.end);
  if (eclipse) put(4, e.lightEnd);
  return row;
}

QString MoonEventsTitleText(const QString& monthName, int year) {
  //: The page's title: %1 the month's name, %2 the year.
  return QCoreApplication::translate("kelvra::MoonEventsPage", "Jupiter's Moon Events: %1 %2")
      .arg(monthName)
      .arg(year);
}

QString MoonEventsBasisText(bool localTime, std::int32_t timeZoneOffset) {
  return TimeBasisSubtitle(TimeBasis{localTime, timeZoneOffset});
}

QString MoonEventsMutualLegend(const MutualLegendNotes& notes) {
  //: The legend's start; the codes and the letters T, A (and Q) stay as printed. The legend
  //: goes on with the next two parts: mind the open parenthesis.
  QString text = QCoreApplication::translate(
      "kelvra::MoonEventsPage",
      "Mutual events: day, start, maximum, end, code (2O1 Europa occults Io, "
      "3E1 Ganymede eclipses Io), magnitude (T total, A annular");
  if (notes.eclipses) {
    //: Added after "A annular" in a month with eclipses; it closes the parenthesis.
    text += QCoreApplication::translate(
        "kelvra::MoonEventsPage",
        ", Q penumbral: the light lost, not the diameter). Eclipses add the light's fall "
        "before the start and its return after the end");
  }
  //: The legend's next part; its ")" closes the magnitude's parenthesis. eye, photometry,
  //: graze: the words printed after Δm.
  text += QCoreApplication::translate(
      "kelvra::MoonEventsPage",
      "), \u0394m the drop in magnitude at maximum and who sees it (eye 0.5 or more, "
      "photometry 0.1 to 0.5, graze under 0.1).");
  if (notes.otherDay)
    text += QCoreApplication::translate("kelvra::MoonEventsPage",
                                        " A time on another day than the maximum's has its day.");
  if (notes.nearJupiter) {
    //: limb, disc: the marks printed after a magnitude, as translated there.
    text += QCoreApplication::translate("kelvra::MoonEventsPage",
                                        " limb, disc: the moon at Jupiter's limb or on its disc.");
  }
  return text;
}

QString MoonEventsSubtitle(const MoonEventsPageInput& input) {
  QString text = MoonEventsBasisText(input.basis.localTime, input.basis.zoneOffset);
  if (!input.site) return text;
  text += QStringLiteral("  ") + MoonEventsSiteText(*input.site);
  if (input.visibleOnly)
    text += QCoreApplication::translate("kelvra::MoonEventsPage", ", visible events only");
  return text;
}

PageHeights DrawMoonEventsPage(QPainter& painter, QSize page, const MoonEventsPageInput& input) {
  const QString monthName = QLocale().standaloneMonthName(input.month, QLocale::LongFormat);
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
      QCoreApplication::translate("kelvra::MoonEventsPage",
                                  "Times to the minute at the first and last contact with the "
                                  "disc or its shadow; hidden instants left out.")};
  if (!MoonEventsAccurate(input.year))
    notes << QCoreApplication::translate("kelvra::MoonEventsPage",
                                         "Outside 1900-2100: less accurate.");
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
  // The block's rows: an eclipse among them adds the light's two times to every row, so that the
  // columns line up; a month of occultations alone keeps start, maximum, end.
  const std::int32_t offset = input.basis.offset();
  std::vector<MutualPageRow> mutualRowsText;
  MutualLegendNotes legendNotes;
  for (const MoonEventLine& line : mutual) {
    mutualRowsText.push_back(MutualPageRowOf(line, offset));
    legendNotes.eclipses = legendNotes.eclipses || line.mutual->kind == MutualEventKind::Eclipse;
    legendNotes.otherDay = legendNotes.otherDay || mutualRowsText.back().otherDay;
    legendNotes.nearJupiter = legendNotes.nearJupiter || mutualRowsText.back().nearJupiter;
  }
  const std::size_t firstSlot = legendNotes.eclipses ? 0 : 1;
  const std::size_t lastSlot = legendNotes.eclipses ? 4 : 3;
  const QString legend = MoonEventsMutualLegend(legendNotes);

  // Arial 9 points, smaller only when the month would overflow its four columns.
  QFont font(QStringLiteral("Arial"));
  double points = kListPoints;
  int rowHeight = 0;
  int perColumn = 0;
  const int width = page.width() - 2 * margin;
  // A field of the block takes its column's width, or its own and two spaces when wider (a time
  // with its day).
  const auto advance = [](const QFontMetrics& m, const QString& text, int columnWidth) {
    return std::max(columnWidth, m.horizontalAdvance(text + QStringLiteral("  ")));
  };
  const auto rowWidth = [&](const QFontMetrics& m, const MutualPageRow& row) {
    int at = m.horizontalAdvance(QStringLiteral("00  "));
    for (std::size_t slot = firstSlot; slot <= lastSlot; ++slot) {
      at += advance(m, row.times[slot], m.horizontalAdvance(QStringLiteral("00:00  ")));
    }
    return at + m.horizontalAdvance(QStringLiteral("0O0  ")) + m.horizontalAdvance(row.magnitude);
  };
  // The block's columns: three, or two (one) when a row would not fit a third (a half).
  int mutualColumns = 3;
  int mutualRows = 0;
  for (;;) {
    font.setPointSizeF(points);
    const QFontMetrics m(font, painter.device());
    rowHeight = m.height();
    const int rows = std::max(1, (bottom - top) / std::max(1, rowHeight));
    int widest = 0;
    for (const MutualPageRow& row : mutualRowsText) widest = std::max(widest, rowWidth(m, row));
    mutualColumns = widest <= width / 3 ? 3 : widest <= width / 2 ? 2 : 1;
    mutualRows = (static_cast<int>(mutual.size()) + mutualColumns - 1) / mutualColumns;
    const int legendRows =
        (legendHeight(QFontMetrics(note, painter.device()), legend, width, rowHeight) + rowHeight -
         1) /
        rowHeight;
    // Rows under the columns: a blank one, the legend, the block.
    const int blockRows = mutual.empty() ? 0 : 1 + legendRows + mutualRows;
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
  const int columnWidth = width / kColumns;
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
    const QRect legendRect = painter.boundingRect(QRect(margin, legendTop, width, 1 << 20),
                                                  Qt::AlignLeft | Qt::TextWordWrap, legend);
    painter.drawText(QRect(margin, legendTop, width, legendRect.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, legend);
    painter.setFont(font);
    const int blockTop =
        legendTop + legendHeight(QFontMetrics(note, painter.device()), legend, width, rowHeight);
    const int blockColumnWidth = width / mutualColumns;
    const int codeWidth = metrics.horizontalAdvance(QStringLiteral("0O0  "));
    for (std::size_t i = 0; i < mutual.size(); ++i) {
      const int column = static_cast<int>(i) / mutualRows;
      const int row = static_cast<int>(i) % mutualRows;
      const int x = margin + column * blockColumnWidth;
      const int y = blockTop + row * rowHeight;
      if (y + rowHeight > bottom) break;
      const MutualPageRow& fields = mutualRowsText[i];
      painter.setPen(mutualGreyed[i] ? kGreyed : QColor(Qt::black));
      drawDay(x, y, fields.day.toStdString());
      int at = x + dayWidth;
      for (std::size_t slot = firstSlot; slot <= lastSlot; ++slot) {
        drawField(at, y, fields.times[slot]);
        at += advance(metrics, fields.times[slot], timeWidth);
      }
      drawField(at, y, fields.code);
      drawField(at + codeWidth, y, fields.magnitude);
    }
  }
  painter.setPen(Qt::black);
  PrintPageFooter(painter, page, heights.FooterHeight);
  return heights;
}

}  // namespace kelvra
