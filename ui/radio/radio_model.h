// The radio window's month: the spans inside the source regions on the list's clock, what the
// site makes of each, the track of the central meridian and Io's phase, and the export records.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/jovian_radio.h"
#include "ui/common/export_file.h"
#include "ui/common/observation.h"
#include "ui/common/site_settings.h"

namespace kelvra {

// One span of the list, as the site sees it.
struct RadioLine {
  RadioWindow window;    // the region's span, days UT
  int day = 0;           // 1..31, the day of its start on the list's clock
  bool greyed = false;   // with a site: Jupiter below its least altitude all through it
  bool daytime = false;  // with a site: the Sun above the horizon for some of it
};

// A stretch of time: days, UT.
struct RadioSpan {
  JulianDay from, to;
  bool operator==(const RadioSpan&) const = default;
};

// Given: a month of a year on a clock `offset` minutes behind UT.
// Returns: the month from its first midnight to the next month's, days UT.
RadioSpan RadioMonthSpan(ListMonth month, std::int32_t offset);

// Given: an instant (days, UT) and the list's clock. Returns: the night it belongs to, from noon
// to noon on that clock: an instant before noon belongs to the night that began the day before.
RadioSpan RadioNightOf(JulianDay ut, std::int32_t offset);

// Given: the month, the list's clock, the site or none.
// Returns: every span of the month inside a region of kRadioSourceRegions (FindRadioWindows),
// in time order, each judged against the site: Jupiter and the Sun sampled at its start, every
// quarter hour and its end. Without a site nothing is greyed or shaded.
std::vector<RadioLine> RadioLinesOf(ListMonth month, std::int32_t offset,
                                    const std::optional<SiteSetting>& site);

// Given: the lines, the filter. Returns: the lines shown: all, or with the filter only those
// not greyed.
std::vector<RadioLine> ShownRadioLines(const std::vector<RadioLine>& lines, bool visibleOnly);

// Given: a line, the list's clock. Returns: "09 21:14–23:02 Io-B", the end's day left out even
// when it falls on the next.
QString RadioLineText(const RadioLine& line, std::int32_t offset);

// One point of the track: the central meridian (System III) and Io's phase at an instant.
struct RadioTrackPoint {
  JulianDay ut;      // days, UT
  double cm, phase;  // degrees, 0..360
  bool inside;       // in one of the regions of the table
};

// Given: a span and a step (days). Returns: the track at its start and every step after,
// through its end. About 3 microseconds a point.
std::vector<RadioTrackPoint> RadioTrackOf(RadioSpan span, double stepDays);

// Whether a central meridian and Io's phase (degrees) lie inside region `region`.
bool InsideRadioRegion(const RadioRegion& region, double cm, double phase);

// What the export writes: the text of the file in `format`, one calendar event or one row per
// line shown, with the altitudes at the start (and the end) when there is a site.
std::string RadioExportText(ExportFormat format, const std::vector<RadioLine>& shown,
                            std::int32_t offset, const std::optional<SiteSetting>& site,
                            JulianDay stampUT);

}  // namespace kelvra
