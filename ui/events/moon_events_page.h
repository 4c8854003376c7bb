// The printed page of the month's moon events.
#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "ui/common/page_layout.h"
#include "ui/common/site_settings.h"

class QPainter;

namespace kelvra {

// What the printed page of a month is drawn from.
struct MoonEventsPageInput {
  std::uint16_t month = 1;  // 1..12
  std::uint16_t year = 2000;
  TimeBasis basis;  // the window's time basis with the zone: the clock of the list
  std::optional<SiteSetting> site = std::nullopt;  // none: nothing greyed or filtered
  bool visibleOnly = false;                        // with a site, only the lines visible from it
};

// Given: the page's input. Returns: its subtitle: MoonEventsBasisText, with a site followed by
// MoonEventsSiteText and, filtered, "visible events only".
QString MoonEventsSubtitle(const MoonEventsPageInput& input);

// Given: the full name of the month and the year. Returns: the page title.
QString MoonEventsTitleText(const QString& monthName, int year);

// Given: the page's time basis; timeZoneOffset (minutes, UT = local + offset) for local time.
// Returns: the subtitle naming it: "[Universal Time]", or local time with its offset from UT,
// "[Local Time, UTC-5:00]", "[Local Time, UTC+9:30]".
QString MoonEventsBasisText(bool localTime, std::int32_t timeZoneOffset);

// One row of the page's block of mutual events, as text.
struct MutualPageRow {
  QString day;                   // the maximum's day
  std::array<QString, 5> times;  // light falls, start, maximum, end, light whole, each on the
                                 // list's clock with its day when not the maximum's
                                 // ("30 23:54"); empty where the event has none (an
                                 // occultation's light, a penumbral eclipse's umbra)
  QString code, magnitude;       // "3E1"; "65%", "Q31%", "68% limb", "25% disc"
  bool otherDay = false;         // a time carries its own day
  bool nearJupiter = false;      // the passive moon at Jupiter's limb or on its disc
};

// Given: a mutual event's line; offset, the list's clock (minutes, UT = clock + offset).
// Returns: its row on the page.
MutualPageRow MutualPageRowOf(const MoonEventLine& line, std::int32_t offset);

// What the block of mutual events holds beyond start, maximum and end.
struct MutualLegendNotes {
  bool eclipses = false;     // an eclipse: the light's two times, and Q
  bool otherDay = false;     // a time on another day than its maximum's, given with its day
  bool nearJupiter = false;  // a passive moon at Jupiter's limb or on its disc
};

// Returns: the legend over the page's block of mutual events, one line for a block of
// occultations alone, a sentence more for each note.
QString MoonEventsMutualLegend(const MutualLegendNotes& notes = {});

// The whole page of `page` dots: the title block (the system locale's full month name), the
// subtitle naming the time basis, a line naming the contact rule, every line of the month in
// four columns of "day  hh:mm  code" in Arial of about 9 points, the footer. A month with
// mutual events lists them apart, under the columns: a blank row, MoonEventsMutualLegend, then
// "day  start  maximum  end  code  magnitude  Δm" in three columns (two when a row would not fit
// a third, one when not half), an eclipse among them adding the light's fall before the start and
// its return after the end to every row, a time on another day than the maximum's with its day ("30
// 23:54"), a passive moon at Jupiter's limb or on its disc marked "limb" or "disc" after the
// magnitude, then the drop in magnitude with who sees it; all in a smaller font when the page needs
// it (the columns then hold only the rows they fill). With a site the page shows what the window
// shows: the lines not visible from it in grey, or only the visible ones. Returns: the heights the
// title routine measured.
PageHeights DrawMoonEventsPage(QPainter& painter, QSize page, const MoonEventsPageInput& input);

}  // namespace kelvra
