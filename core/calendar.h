// Civil date and time in the computer's time zone, Julian days, month lengths, angles.
#pragma once

#include <cstdint>

namespace kelvra {

// Days and fractions of a day since the Julian-day epoch; whole values fall at noon.
using JulianDay = double;

// Minutes, Universal Time = local time + TimeZoneOffset (so -60 one hour east of Greenwich).
extern std::int32_t TimeZoneOffset;

// Julian day of a local civil date and time.
// Given: day (1..31), month (1..12), year (0..65535), hour, minute, second, local civil time.
// Returns: the Julian day (days) of that instant in Universal Time, shifted by TimeZoneOffset.
// Notes: Julian calendar before 1582-10-15, Gregorian from then on; reads TimeZoneOffset.
JulianDay JulianDayFromDate(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second);

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

// Given: a month (1..12) and a year.
// Returns: the number of days in that month (February has 29 in leap years).
std::uint8_t DaysInMonth(std::uint16_t month, std::uint16_t year);

// The two conversions of angles, everywhere the same literal values.
inline constexpr double kDegreesToRadians = 0.017453292519943295;  // pi / 180
inline constexpr double kRadiansToDegrees = 57.29577951308232;     // 180 / pi

// Given: an angle in radians.
// Returns: the same angle in radians, reduced to [0, 2 pi).
double ReduceAngle(double radians);

// Sets TimeZoneOffset for the lifetime of the object and restores the previous value after.
class ScopedTimeZoneOffset {
 public:
  explicit ScopedTimeZoneOffset(std::int32_t offset);  // minutes, UT = local + offset
  ~ScopedTimeZoneOffset();
  ScopedTimeZoneOffset(const ScopedTimeZoneOffset&) = delete;
  ScopedTimeZoneOffset& operator=(const ScopedTimeZoneOffset&) = delete;

 private:
  std::int32_t previous_;  // minutes, the value restored on destruction
};

}  // namespace kelvra
