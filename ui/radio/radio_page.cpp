#include "ui/radio/radio_page.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/radio/radio_picture.h"

namespace kelvra {
namespace {

const QColor kDaylightOnPage(214, 226, 250);

// The page's words in the user's language.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(kelvra::RadioPage)
};

}  // namespace

QString RadioTitle(std::uint16_t month, std::uint16_t year) {
  //: The printed page's title: %1 the month's name, %2 the year
  return Text::tr("Jupiter's Radio Windows: %1 %2")
      .arg(QLocale().standaloneMonthName(month))
      .arg(year);
}

QString RadioSubtitle(const RadioPageInput& input) {
  QString text = TimeBasisSubtitle(input.basis);
  text.chop(1);  // "]"
  if (input.monthTrack || input.track.empty()) {
    text += QStringLiteral(" - ") + Text::tr("the month's track");
  } else {
    const CivilDateTime from = CalDate(input.track.front().ut, input.basis.offset());
    //: %1-%2-%3 the year, month and day the night begins, at noon
    text += QStringLiteral(" - ") + Text::tr("the track of the night from %1-%2-%3 12:00")
                                        .arg(from.year, 4, 10, QChar('0'))
                                        .arg(from.month, 2, 10, QChar('0'))
                                        .arg(from.day, 2, 10, QChar('0'));
  }
  if (input.site) {
    const ObserverSite& p = input.site->place;
    const QLocale c = QLocale::c();
    //: %1 latitude, %2 N or S, %3 longitude, %4 E or W, %5 Jupiter's least altitude
    const QString place =
        input.visibleOnly ? Text::tr("%1\u00b0%2 %3\u00b0%4, Jupiter \u2265 %5\u00b0, visible only")
                          : Text::tr("%1\u00b0%2 %3\u00b0%4, Jupiter \u2265 %5\u00b0");
    text += QStringLiteral(" - ") +
            place.arg(c.toString(std::abs(p.latitudeDeg), 'f', 2),
                      p.latitudeDeg < 0 ? QStringLiteral("S") : QStringLiteral("N"),
                      c.toString(std::abs(p.longitudeDeg), 'f', 2),
                      p.longitudeDeg < 0 ? QStringLiteral("W") : QStringLiteral("E"),
                      c.toString(input.site->limits.minJupiterAltitudeDeg, 'g', 3));
  }
  return text + ']';
}

RadioPageParts DrawRadioPage(QPainter& painter, QSize page, const RadioPageInput& input) {
  const PageHeights heights = PrintPageTitle(
      painter, page, RadioTitle(input.month.month, input.month.year), RadioSubtitle(input));
  PrintPageFooter(painter, page, heights.FooterHeight);
  RadioPageParts parts;
  const QFontMetrics metrics(painter.font());
  const int row = metrics.height();
  const int unit = std::max(1, page.width() / 1200);
  const int side = std::min(page.width() * 45 / 100, page.height() * 36 / 100);
  const int top = heights.TitleHeight + 2 * row;
  parts.plot = QRect((page.width() - side) / 2, top, side, side);
  RadioPlot plot{input.track, std::nullopt, true, input.monthTrack};
  DrawRadioPlot(painter, parts.plot, plot, unit);

  painter.setPen(Qt::black);
  for (int degrees = 0; degrees <= 360; degrees += 90) {
    const QString label = QString::number(degrees);
    const int x = parts.plot.left() + degrees * side / 360;
    const int y = parts.plot.bottom() - degrees * side / 360;
    painter.drawText(QRect(x - 100 * unit, parts.plot.bottom() + unit, 200 * unit, row),
                     Qt::AlignHCenter | Qt::AlignTop, label);
    painter.drawText(QRect(parts.plot.left() - 200 * unit - 4 * unit, y - row / 2, 200 * unit, row),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
  painter.drawText(QRect(0, parts.plot.bottom() + row + unit, page.width(), row), Qt::AlignHCenter,
                   Text::tr("Central meridian, System III (degrees)"));
  painter.save();
  painter.translate(parts.plot.left() - metrics.horizontalAdvance(QStringLiteral("3600")) - row,
                    parts.plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRect(-side / 2, -row, side, row), Qt::AlignHCenter,
                   Text::tr("Io's phase (degrees)"));
  painter.restore();

  int y = parts.plot.bottom() + 3 * row;
  if (input.site) {
    painter.fillRect(QRect(page.width() / 10, y, page.width() * 8 / 10, row), kDaylightOnPage);
    painter.drawText(QRect(0, y, page.width(), row), Qt::AlignHCenter, RadioDaylightNote());
    y += row;
  }
  y += row;
  const int margin = page.width() / 20;
  const int bottom = page.height() - heights.FooterHeight - row;
  const int rowsPerColumn = std::max(1, (bottom - y) / row);
  const int columns = std::max(4, static_cast<int>((input.lines.size() + rowsPerColumn - 1) /
                                                   static_cast<std::size_t>(rowsPerColumn)));
  const int columnWidth = (page.width() - 2 * margin) / columns;
  const std::int32_t offset = input.basis.offset();
  for (std::size_t i = 0; i < input.lines.size(); ++i) {
    const int column = static_cast<int>(i) / rowsPerColumn;
    const QRect box(margin + column * columnWidth, y + (static_cast<int>(i) % rowsPerColumn) * row,
                    columnWidth - unit * 8, row);
    const RadioLine& line = input.lines[i];
    if (line.daytime) painter.fillRect(box, kDaylightOnPage);
    painter.setPen(line.greyed ? kNotVisibleOnPage : QColor(Qt::black));
    painter.drawText(box.adjusted(2 * unit, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     RadioLineText(line, offset));
    parts.rows.push_back(box);
  }
  if (input.lines.empty()) {
    painter.drawText(QRect(0, y, page.width(), row), Qt::AlignHCenter,
                     Text::tr("No windows this month"));
  }
  return parts;
}

}  // namespace kelvra
