// Times at which the Great Red Spot crosses Jupiter's central meridian, day by day for a month.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvra {

// One transit of the Red Spot.
struct GRSTime {
  int hour;          // hours after the day's start, 0..24 (24:00 is kept on its own day)
  int minute;        // minutes, 0..59
  std::string text;  // FormatGRSTime(hour, minute), e.g. "07:05;"
};

// The transits of one day, earliest first; two or three of them.
struct GRSDayTransits {
  int day;                     // day of the month, 1..31
  std::vector<GRSTime> times;  // in increasing order
};

// Text of one transit time.
// Given: hour (0..24) and minute (0..59).
// Returns: "hh:mm;" with two digits each, e.g. 7 h 5 min -> "07:05;", 24 h 0 min -> "24:00;".
std::string FormatGRSTime(int hour, int minute);

// Transits of one day from the System II central meridian at the day's start.
// Given: longitude, the Red Spot's System II longitude (whole degrees, any value: it is
// reduced to 0..359 here); systemII, the central meridian's System II longitude at the
// day's start (degrees, as CentralMeridian writes it, about -0.1 to 361).
// Returns: the day's transits, hours and minutes after the day's start. The meridian turns
// 870.27 degrees per day, so the Red Spot returns every 360 / 870.27 days (9 h 55.7 min).
std::vector<GRSTime> GRSTransitsOfDay(std::int32_t longitude, double systemII);

// The Red Spot's transits for every day of one month.
// Given: year and month (1..12) of the calendar month; longitude, the Red Spot's System II
// longitude (whole degrees, as the user stored it; reduced to 0..359 for the computation);
// localTime, false for days starting at 0h Universal Time, true for days starting at local
// midnight; timeZoneOffset (minutes, UT = local + offset), used only when localTime is true.
// Returns: one row per day of the month, day 1 first.
// Notes: each day starts afresh from CentralMeridian at its own 0h; the same offset serves
// the whole month. Uses a JupiterState of its own and leaves TimeZoneOffset as it found it.
std::vector<GRSDayTransits> PredictGRSTransits(int year, int month, std::int32_t longitude,
                                               bool localTime, std::int32_t timeZoneOffset);

}  // namespace kelvra
