// Civil date and time on a given clock, Julian days, month lengths, angles.
#pragma once

#include <cstdint>

namespace kelvra {

// Days and fractions of a day since the Julian-day epoch; whole values fall at noon.
using JulianDay = double;

// The clock a list, chart or page reads its dates and times on.
struct TimeBasis {
  bool localTime = false;       // false: Universal Time; true: the civil time of a zone
  std::int32_t zoneOffset = 0;  // minutes, UT = local + zoneOffset: that zone's offset

  // Minutes, UT = the basis's civil time + offset(): the zone's offset, 0 in Universal Time.
  constexpr std::int32_t offset() const { return localTime ? zoneOffset : 0; }
  bool operator==(const TimeBasis&) const = default;
};

// Julian day of a civil date and time read on a given clock. There is no form without the
// clock: the program's zone is a value its windows pass, never a global read here.
// Given: day (1..31), month (1..12), year (0..65535), hour, minute, second, read on a clock
// with `offset` (minutes, UT = that clock's time + offset, so -60 one hour east of Greenwich;
// 0 for Universal Time).
// Returns: the Julian day (days) of that instant in Universal Time.
// Notes: Julian calendar before 1582-10-15, Gregorian from then on.
JulianDay JulianDayFromDate(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::int32_t offset);

// A civil date and time, read on the clock whose offset came with it.
struct CivilDateTime {
  std::uint16_t year, month, day;      // calendar date, month 1..12, day 1..31
  std::uint16_t hour, minute, second;  // time of day, 0..23, 0..59, 0..59
};

// Civil date and time of a Julian day on a given clock.
// Given: a Julian day (days, UT) at or after 0000-01-01 on that clock; offset (minutes, UT =
// that clock's time + offset).
// Returns: the date and time on that clock; the instant is rounded to the nearest millisecond,
// then a remaining fraction of a second is dropped.
CivilDateTime CalDate(JulianDay jd, std::int32_t offset);

// Unix time, the computer's clock: seconds since 1970-01-01 00:00 UT, every day 86400 of them.
// Given: seconds (s, UT). Returns: the Julian day (days, UT).
JulianDay JulianDayFromUnixTime(double seconds);
// Given: a Julian day (days, UT). Returns: its Unix time (s, UT).
double UnixTimeFromJulianDay(JulianDay jd);

// Given: a month (1..12) and a year.
// Returns: the number of days in that month (February has 29 in leap years).
std::uint8_t DaysInMonth(std::uint16_t month, std::uint16_t year);

// The two conversions of angles, everywhere the same literal values.
inline constexpr double kDegreesToRadians = 0.017453292519943295;  // pi / 180
inline constexpr double kRadiansToDegrees = 57.29577951308232;     // 180 / pi

// Given: an angle in radians.
// Returns: the same angle in radians, reduced to [0, 2 pi).
double ReduceAngle(double radians);

}  // namespace kelvra
