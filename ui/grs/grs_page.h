// Drawing of the GRS transit list: the list image on screen and the printed page.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

#include "ui/grs/grs_prediction.h"

class QPainter;

namespace kelvra {

inline constexpr int kGRSListWidth = 160;   // pixels, the screen list image
inline constexpr int kGRSListHeight = 403;  // pixels

// Given: row index i (0 = day 1), the number of rows, the height they share (pixels or dots).
// Returns: the row's top, trunc(i * (height / rows)); row i ends where row i + 1 starts.
int GRSRowTop(int i, int rows, double height);

// Given: the screen's logical pixels per inch.
// Returns: the list font, Arial 8 points at 96 pixels per inch and 7 points otherwise.
QFont GRSListFont(double screenDotsPerInch);

// Draws the rows into the screen list image (kGRSListWidth x kGRSListHeight): black, every
// other row banded grey, day numbers cyan at x 3, times yellow at x 35, 75, 115.
void DrawGRSList(QImage& list, const QFont& font, const std::vector<GRSDayTransits>& rows);

// Given: the full name of the month and the year. Returns: the page title, at most 70 characters.
QString GRSTitleText(const QString& monthName, int year);

// Given: the Red Spot longitude as stored (degrees) and the time basis.
// Returns: the page subtitle, at most 70 characters.
QString GRSSubtitleText(std::int32_t longitude, bool localTime);

// Draws the framed list of rows on a page of `page` dots, between titleHeight (dots) and
// FooterHeight above the page's foot, in the painter's current font.
void DrawGRSPageList(QPainter& painter, QSize page, std::uint16_t titleHeight,
                     const std::vector<GRSDayTransits>& rows);

}  // namespace kelvra
