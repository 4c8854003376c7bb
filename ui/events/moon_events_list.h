// The events window's list as pixels: its lines banded by day and marked, the notice of a year
// whose times degrade, the passages row, and a line's tooltip text.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/moon_event_list.h"

class QFont;
class QImage;

namespace kelvra {

// The scroll bar's width, pixels inside the list's right edge: a press there is on no line.
inline constexpr int kMoonEventScrollBarWidth = 3;

// Given: one line of the list; offset, the list's time basis (minutes, UT = basis + offset).
// Returns: the line's tooltip, empty for a line that has none. A mutual event's: its code and
// what it means with the magnitude (a penumbral eclipse's Q said to be light, not diameter) and
// where the passive moon stands against Jupiter when near it (AgainstJupiterText); its contacts
// and maximum (MutualContactsText: an eclipse's light and umbra, each named); the light lost at
// maximum in per cent (MutualLightLost), the passive moon's for an eclipse, the pair's for an
// occultation.
QString MoonEventToolTip(const MoonEventLine& line, std::int32_t offset);

// Given: the list's font. Returns: the height of one line, pixels.
// The list's line for a month without events, "No events".
QString MoonEventsNoneText();

int MoonEventRowHeight(const QFont& font);

// The notice over a list of a year whose times degrade, in as many rows as it needs to fit
// beside the scroll bar of a list `width` pixels wide (two in the window's 160).
QStringList MoonEventNoticeRows(const QFont& font, int width);

// What the screen list shows, apart from the lines themselves.
struct MoonEventListView {
  std::size_t top = 0;              // the first line shown
  std::size_t selected = 0;         // the keyboard's line
  std::vector<std::size_t> marked;  // lines going on at the main window's instant
  bool accurate = true;             // false: the first rows say the times degrade
  QString reminder;                 // the next reminder's row while no notification shows it
  QString passages;                 // with a site, the top row: Jupiter's rise, transit, set
  std::vector<bool> greyed;         // per line, true: drawn grey, not visible from the site
};

// Draws `lines` into the screen list (160 x 403 window pixels, at its ratio): banded by day, days
// cyan, times yellow, codes in the skin's glyph colour (a mutual event's code and magnitude in
// pink), marked lines on a lit band, the selected line framed, and a narrow scroll bar inside the
// right edge when the lines do not fit. Under the notice, the passages row when there is one; a
// greyed line draws all its fields in one grey.
void DrawMoonEventList(QImage& list, const QFont& font, const std::vector<MoonEventLine>& lines,
                       const MoonEventListView& view);

// The filter's button face (`size` window pixels at `ratio`): Jupiter over the horizon, on a
// lit face while only the visible lines show.
QImage MoonEventsVisibleButtonFace(QSize size, bool on, double ratio = 1);

}  // namespace kelvra
