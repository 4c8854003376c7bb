// Drawing of the GRS transit list: the list image on screen and the printed page.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

#include "ui/common/layout.h"
#include "ui/common/page_layout.h"
#include "ui/grs/grs_prediction.h"

class QPainter;

namespace kelvra {

inline constexpr int kGRSListWidth = layout::kListSize.width();    // pixels, the screen list
inline constexpr int kGRSListHeight = layout::kListSize.height();  // pixels

// Given: row index i (0 = day 1), the number of rows, the height they share (pixels or dots).
// Returns: the row's top, trunc(i * (height / rows)); row i ends where row i + 1 starts.
int GRSRowTop(int i, int rows, double height);

// Draws the rows into the screen list image (kGRSListWidth x kGRSListHeight): black, every
// other row banded grey, day numbers cyan at x 3, times yellow at x 35, 75, 115.
void DrawGRSList(QImage& list, const QFont& font, const std::vector<GRSDayTransits>& rows);

// Given: the full name of the month and the year. Returns: the page title, at most 70 characters.
QString GRSTitleText(const QString& monthName, int year);

// Given: the Red Spot longitude as stored (degrees) and the time basis.
// Returns: the page subtitle, at most 70 characters.
QString GRSSubtitleText(std::int32_t longitude, bool localTime);

// Given: the drift. Returns: GRSDriftText with the decimal separator the drift field takes,
// that of the default locale ("+1,5" in German); empty without a drift.
QString GRSDriftLine(const RedSpotDrift& drift);

// Draws the framed list of rows on a page of `page` dots, between the title block and the
// footer the title routine measured, in the painter's current font.
void DrawGRSPageList(QPainter& painter, QSize page, PageHeights heights,
                     const std::vector<GRSDayTransits>& rows);

// What the printed page of a month is drawn from.
struct GRSPageInput {
  std::uint16_t month = 1;  // 1..12
  std::uint16_t year = 2000;
  std::int32_t longitude = 65;  // degrees, the Red Spot's System II longitude as stored
  bool localTime = false;       // GRSLocalTime; local time reads TimeZoneOffset
  RedSpotDrift drift;           // none unless the user gave one
};

// The whole page of `page` dots: title block (the system locale's full month name), with a
// drift a second subtitle line saying so, footer, the month's transits in Arial 10 points.
// Returns: the heights the title routine measured.
PageHeights DrawGRSPage(QPainter& painter, QSize page, const GRSPageInput& input);

}  // namespace kelvra
