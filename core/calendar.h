// Civil date and time on a given clock, Julian days, month lengths, angles.
#pragma once

#include <cstdint>

namespace kelvra {

// Days and fractions of a day since the Julian-day epoch; whole values fall at noon.
using JulianDay = double;

// Minutes, Universal Time = local time + TimeZoneOffset (so -60 one hour east of Greenwich):
// the zone the program started in, set once at start-up and read only by the two conversions
// below that take no offset of their own.
extern std::int32_t TimeZoneOffset;

// The clock a list, chart or page reads its dates and times on.
struct TimeBasis {
  bool localTime = false;       // false: Universal Time; true: the civil time of a zone
  std::int32_t zoneOffset = 0;  // minutes, UT = local + zoneOffset: that zone's offset

  // Minutes, UT = the basis's civil time + offset(): the zone's offset, 0 in Universal Time.
  constexpr std::int32_t offset() const { return localTime ? zoneOffset : 0; }
  bool operator==(const TimeBasis&) const = default;
};

// Julian day of a local civil date and time.
// Given: day (1..31), month (1..12), year (0..65535), hour, minute, second, local civil time.
// Returns: the Julian day (days) of that instant in Universal Time, shifted by TimeZoneOffset.
// Notes: Julian calendar before 1582-10-15, Gregorian from then on; reads TimeZoneOffset.
JulianDay JulianDayFromDate(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second);

// The same for a date and time on any clock.
// Given: the date and time as above, read on a clock with `offset` (minutes, UT = that clock's
// time + offset; 0 for Universal Time).
// Returns: the Julian day (days, UT); with offset == TimeZoneOffset, exactly the value above.
JulianDay JulianDayFromDate(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::int32_t offset);

// A local civil date and time.
struct CivilDateTime {
  std::uint16_t year, month, day;      // calendar date, month 1..12, day 1..31
  std::uint16_t hour, minute, second;  // local time of day, 0..23, 0..59, 0..59
};

// Local civil date and time of a Julian day.
// Given: a Julian day (days, Universal Time) at or after 0000-01-01 local time.
// Returns: the local date and time, shifted back by TimeZoneOffset; the instant is rounded to
// the nearest millisecond, then a remaining fraction of a second is dropped.
CivilDateTime CalDate(JulianDay jd);

// The same on any clock.
// Given: a Julian day (days, UT); offset (minutes, UT = that clock's time + offset).
// Returns: the date and time on that clock, rounded as above; with offset == TimeZoneOffset,
// exactly the value above.
CivilDateTime CalDate(JulianDay jd, std::int32_t offset);

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
