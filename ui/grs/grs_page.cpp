#include "ui/grs/grs_page.h"

#include <algorithm>

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include "core/calendar.h"
#include "ui/common/page_layout.h"

namespace kelvra {
namespace {

const QColor kScreenBand(40, 40, 40);
const QColor kScreenDay(0, 255, 255);
const QColor kScreenTime(255, 255, 0);
const QColor kPageBand(250, 250, 255);
constexpr int kTitleLength = 70;  // characters kept of the title and the subtitle

// Text with the top-left corner of its box at `at`, on an opaque box of `background`.
void drawTextOn(QPainter& painter, QPoint at, const QString& text, const QColor& colour,
                const QColor& background) {
  painter.setBrush(background);
  DrawOpaqueText(painter, at, text, colour);
}

// Outline in the pen, inside in the fill, from topLeft to bottomRight with the right column
// and the bottom row left out.
void drawRectangle(QPainter& painter, QPoint topLeft, QPoint bottomRight) {
  // A stroked QRect covers one pixel more than its size in each direction.
  painter.drawRect(QRect(topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x() - 1,
                         bottomRight.y() - topLeft.y() - 1));
}

// Solid block in one colour from topLeft to bottomRight, right column and bottom row left out.
void fillBlock(QPainter& painter, QPoint topLeft, QPoint bottomRight, const QColor& colour) {
  painter.fillRect(
      QRect(topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()),
      colour);
}

// The drift line right under the subtitle, in the subtitle's font (Times New Roman 12 points,
// the title routine's), centred as it is; the painter's font is left as it was.
void drawDriftLine(QPainter& painter, QSize page, const QString& text) {
  const QFont held = painter.font();
  QFont font(QStringLiteral("Times New Roman"), 12);
  painter.setFont(font);
  const int width = painter.fontMetrics().horizontalAdvance(text);  // dots
  const int subtitleTop = 210;                                      // dots, as the title routine's
  DrawOpaqueText(painter,
                 QPoint((page.width() - width) / 2, subtitleTop + painter.fontMetrics().height()),
                 text, Qt::black);
  painter.setFont(held);
}

// Whether transit k of row i is hidden.
bool isHidden(const GRSHidden& hidden, int i, std::size_t k) {
  const auto row = static_cast<std::size_t>(i);
  return row < hidden.size() && k < hidden[row].size() && hidden[row][k];
}

}  // namespace

JulianDay GRSTransitInstant(int year, int month, int day, const GRSTime& time, TimeBasis basis) {
  // The listed time is on the basis's clock, so that clock's offset alone takes it to UT.
  return JulianDayFromDate(static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(time.hour),
                           static_cast<std::uint16_t>(time.minute), 0, basis.offset());
}

GRSHidden GRSTransitsNotVisible(const std::vector<GRSDayTransits>& rows, int year, int month,
                                TimeBasis basis, const std::optional<SiteSetting>& site) {
  GRSHidden hidden;
  if (!site) return hidden;
  for (const GRSDayTransits& row : rows) {
    std::vector<bool>& day = hidden.emplace_back();
    for (const GRSTime& time : row.times) {
      const JulianDay ut = GRSTransitInstant(year, month, row.day, time, basis);
      day.push_back(!SkyAt(ut, site->place, site->limits).visible);
    }
  }
  return hidden;
}

int GRSRowTop(int i, int rows, double height) {
  const double rowHeight = height / rows;
  return static_cast<int>(i * rowHeight);
}

void DrawGRSList(QImage& list, const QFont& font, const std::vector<GRSDayTransits>& rows,
                 const GRSHidden& hidden) {
  QPainter painter(&list);
  painter.setFont(font);
  painter.fillRect(0, 0, kGRSListWidth, kGRSListHeight, Qt::black);
  const int count = static_cast<int>(rows.size());
  for (int i = 0; i < count; ++i) {
    const int top = GRSRowTop(i, count, kGRSListHeight);
    const int bottom = GRSRowTop(i + 1, count, kGRSListHeight);
    const bool banded = i % 2 == 0;
    if (banded) fillBlock(painter, {0, top}, {kGRSListWidth - 1, bottom}, kScreenBand);
    const QColor background = banded ? kScreenBand : QColor(Qt::black);
    drawTextOn(painter, {3, top}, QString::number(rows[i].day), kScreenDay, background);
    for (std::size_t k = 0; k < rows[i].times.size(); ++k) {
      const QColor colour = isHidden(hidden, i, k) ? kNotVisibleOnScreen : kScreenTime;
      drawTextOn(painter, {35 + 40 * static_cast<int>(k), top},
                 QString::fromStdString(rows[i].times[k].text), colour, background);
    }
  }
}

QString GRSTitleText(const QString& monthName, int year) {
  //: The printed page's title: %1 the month's name, %2 the year
  return QCoreApplication::translate("kelvra::GRSPage", "Jupiter's GRS Transits: %1 %2")
      .arg(monthName)
      .arg(year)
      .left(kTitleLength);
}

QString GRSSubtitleText(std::int32_t longitude, bool localTime) {
  //: %1 the longitude in degrees; "Logitude" is the page's old spelling of "Longitude"
  const QString text =
      localTime
          ? QCoreApplication::translate(
                "kelvra::GRSPage", "[Local Time - Red Spot at Jovian System II Logitude %1\u00B0]")
          : QCoreApplication::translate(
                "kelvra::GRSPage",
                "[Universal Time - Red Spot at Jovian System II Logitude %1\u00B0]");
  return text.arg(longitude).left(kTitleLength);
}

QString GRSDriftLine(const RedSpotDrift& drift) {
  GRSDriftWords words;
  //: %1 the signed drift in degrees ("+1.5"), %2 the date it counts from (2026-11-15)
  words.driftingFrom =
      QCoreApplication::translate("kelvra::GRSPage", "Drifting %1\u00B0 a month from %2")
          .toStdString();
  //: %1 the signed drift in degrees ("+1.5")
  words.drifting =
      QCoreApplication::translate("kelvra::GRSPage", "Drifting %1\u00B0 a month").toStdString();
  return QString::fromStdString(GRSDriftText(drift, QLocale().decimalPoint().toStdString(), words));
}

void DrawGRSPageList(QPainter& painter, QSize page, PageHeights heights,
                     const std::vector<GRSDayTransits>& rows, const GRSHidden& hidden) {
  const int titleHeight = heights.TitleHeight;    // dots
  const int footerHeight = heights.FooterHeight;  // dots
  const int count = static_cast<int>(rows.size());
  const int listHeight = page.height() - footerHeight - titleHeight;  // dots
  const int xc = (page.width() - 700) / 2;                            // dots, column origin
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  drawRectangle(painter, {xc - 100, titleHeight}, {xc + 800, page.height() - footerHeight});
  const double rowHeight = static_cast<double>(listHeight) / count;                    // dots
  const int inset = static_cast<int>(rowHeight - painter.fontMetrics().height()) / 2;  // dots
  for (int i = 0; i < count; ++i) {
    const int top = GRSRowTop(i, count, listHeight);
    if (i % 2 == 0) {
      painter.setPen(kPageBand);
      painter.setBrush(kPageBand);
      // A band runs one dot below its row; the last one stops short of the list frame's
      // bottom line, which it would otherwise paint over.
      const int bandEnd = std::min(GRSRowTop(i + 1, count, listHeight) + titleHeight + 1,
                                   page.height() - footerHeight - 1);
      fillBlock(painter, {xc - 99, top + titleHeight + 1}, {xc + 799, bandEnd}, kPageBand);
    } else {
      painter.setBrush(Qt::white);
    }
    const int y = top + titleHeight + inset;
    DrawOpaqueText(painter, {xc, y}, QString::number(rows[i].day), Qt::black);
    for (std::size_t k = 0; k < rows[i].times.size(); ++k) {
      DrawOpaqueText(painter, {xc + 200 * static_cast<int>(k + 1), y},
                     QString::fromStdString(rows[i].times[k].text),
                     isHidden(hidden, i, k) ? kNotVisibleOnPage : QColor(Qt::black));
    }
  }
}

PageHeights DrawGRSPage(QPainter& painter, QSize page, const GRSPageInput& input) {
  const PageHeights heights = PrintPageTitle(
      painter, page,
      GRSTitleText(QLocale().monthName(input.month, QLocale::LongFormat), input.year),
      GRSSubtitleText(input.longitude, input.basis.localTime));
  const QString driftLine = GRSDriftLine(input.drift);
  if (!driftLine.isEmpty()) drawDriftLine(painter, page, driftLine);
  PrintPageFooter(painter, page, heights.FooterHeight);
  QFont font = painter.font();
  font.setFamily(QStringLiteral("Arial"));
  font.setPointSize(10);
  painter.setFont(font);
  const std::vector<GRSDayTransits> rows =
      PredictGRSTransits(input.year, input.month, input.longitude, input.drift,
                         input.basis.localTime, input.basis.zoneOffset);
  DrawGRSPageList(painter, page, heights, rows,
                  GRSTransitsNotVisible(rows, input.year, input.month, input.basis, input.site));
  return heights;
}

}  // namespace kelvra
