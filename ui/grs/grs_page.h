// Drawing of the GRS transit list: the list image on screen and the printed page.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

#include "core/calendar.h"
#include "core/grs_prediction.h"
#include "ui/common/layout.h"
#include "ui/common/page_layout.h"
#include "ui/common/site_settings.h"

class QPainter;

namespace kelvra {

inline constexpr int kGRSListWidth = layout::kListSize.width();    // pixels, the screen list
inline constexpr int kGRSListHeight = layout::kListSize.height();  // pixels

// Given: row index i (0 = day 1), the number of rows, the height they share (pixels or dots).
// Returns: the row's top, trunc(i * (height / rows)); row i ends where row i + 1 starts.
int GRSRowTop(int i, int rows, double height);

// Which transits cannot be seen from the site: hidden[i][k] for rows[i].times[k]; empty when
// every transit is drawn as usual.
using GRSHidden = std::vector<std::vector<bool>>;

// Given: the month's rows, their year and month, the time basis they are in.
// Returns: the instant of `time` on `day` (days, UT).
JulianDay GRSTransitInstant(int year, int month, int day, const GRSTime& time, TimeBasis basis);

// Given: the rows as above and the site. Returns: for each transit whether SkyAt at its
// instant (the minute shown) counts it as not visible; empty without a site.
GRSHidden GRSTransitsNotVisible(const std::vector<GRSDayTransits>& rows, int year, int month,
                                TimeBasis basis, const std::optional<SiteSetting>& site);

// Draws the rows into the screen list image (kGRSListWidth x kGRSListHeight): black, every
// other row banded grey, day numbers cyan at x 3, times yellow at x 35, 75, 115; a hidden
// transit's time in kNotVisibleOnScreen.
void DrawGRSList(QImage& list, const QFont& font, const std::vector<GRSDayTransits>& rows,
                 const GRSHidden& hidden = {});

// Given: the full name of the month and the year. Returns: the page title, at most 70 characters.
QString GRSTitleText(const QString& monthName, int year);

// Given: the Red Spot longitude as stored (degrees) and the time basis.
// Returns: the page subtitle, at most 70 characters.
QString GRSSubtitleText(std::int32_t longitude, bool localTime);

// Given: the drift. Returns: GRSDriftText with the decimal separator the drift field takes,
// that of the default locale ("+1,5" in German); empty without a drift.
QString GRSDriftLine(const RedSpotDrift& drift);

// Draws the framed list of rows on a page of `page` dots, between the title block and the
// footer the title routine measured, in the painter's current font; a hidden transit's time in
// kNotVisibleOnPage.
void DrawGRSPageList(QPainter& painter, QSize page, PageHeights heights,
                     const std::vector<GRSDayTransits>& rows, const GRSHidden& hidden = {});

// What the printed page of a month is drawn from.
struct GRSPageInput {
  std::uint16_t month = 1;  // 1..12
  std::uint16_t year = 2000;
  std::int32_t longitude = 65;      // degrees, the Red Spot's System II longitude as stored
  TimeBasis basis;                  // GRSLocalTime with the zone: the clock the days start on
  RedSpotDrift drift;               // none unless the user gave one
  std::optional<SiteSetting> site;  // none: no transit is greyed
};

// The whole page of `page` dots: title block (the default locale's full month name), with a
// drift a second subtitle line saying so, footer, the month's transits in Arial 10 points,
// those not visible from the site greyed.
// Returns: the heights the title routine measured.
PageHeights DrawGRSPage(QPainter& painter, QSize page, const GRSPageInput& input);

}  // namespace kelvra
