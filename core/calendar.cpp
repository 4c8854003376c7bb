#include "core/calendar.h"

#include <array>
#include <cmath>

namespace kelvra {

namespace {

constexpr JulianDay kUnixEpoch = 2440587.5;  // days, UT: 1970-01-01 00:00
constexpr double kSecondsPerDay = 86400;
constexpr std::int64_t kMillisecondsPerDay = 86400000;
constexpr std::int64_t kMillisecondsPerMinute = 60000;

// The Gregorian correction applies from 1582-10-15 on; every earlier date, including the ten
// days the reform skipped, counts in the Julian calendar.
bool isGregorian(std::uint16_t day, std::uint16_t month, std::uint16_t year) {
  if (year < 1582) return false;
  if (year == 1582 && month < 10) return false;
  if (year == 1582 && month == 10 && day < 15) return false;
  return true;
}

}  // namespace

JulianDay JulianDayFromDate(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::int32_t offset) {
  const bool gregorian = isGregorian(day, month, year);
  const std::int32_t minutes = std::int32_t{minute} + offset;  // may leave 0..59
  const double f = day + (hour + minutes / 60.0 + second / 3600.0) / 24.0;
  std::int32_t y = year;
  std::int32_t m = month;
  if (month <= 2) {
    y = year - 1;
    m = month + 12;
  }
  std::int32_t b = 0;
  if (gregorian) {
    const std::int32_t a = y / 100;
    b = 2 - a + a / 4;
  }
  // floor rather than truncation, so January and February of year 0 (y = -1) stay in the
  // Julian calendar's count; for y >= 0 the two agree.
  return std::floor(365.25 * y) + std::trunc(30.6001 * (m + 1)) + f + b + 1720994.5;
}

CivilDateTime CalDate(JulianDay jd, std::int32_t offset) {
  // The day number and the time of day are kept apart, the time as whole milliseconds: near
  // today's Julian days a double resolves about 40 microseconds, so a value meant as a whole
  // second may lie a few microseconds below it and would otherwise show the second before.
  const double x = jd + 0.5;
  std::int64_t z = static_cast<std::int64_t>(std::floor(x));
  std::int64_t ms = std::llround((x - static_cast<double>(z)) * 86400000.0) -
                    std::int64_t{offset} * kMillisecondsPerMinute;
  while (ms < 0) {
    ms += kMillisecondsPerDay;
    --z;
  }
  while (ms >= kMillisecondsPerDay) {
    ms -= kMillisecondsPerDay;
    ++z;
  }

  std::int64_t a = z;
  if (z >= 2299161) {
    const auto alpha = static_cast<std::int64_t>((static_cast<double>(z) - 1867216.25) / 36524.25);
    a = z + 1 + alpha - alpha / 4;
  }
  const std::int64_t b = a + 1524;
  const auto c = static_cast<std::int64_t>((static_cast<double>(b) - 122.1) / 365.25);
  const auto d = static_cast<std::int64_t>(365.25 * static_cast<double>(c));
  const auto e = static_cast<std::int64_t>(static_cast<double>(b - d) / 30.6001);

  CivilDateTime result{};
  result.day = static_cast<std::uint16_t>(b - d - static_cast<std::int64_t>(30.6001 * e));
  result.hour = static_cast<std::uint16_t>(ms / 3600000);
  result.minute = static_cast<std::uint16_t>(ms / 60000 % 60);
  result.second = static_cast<std::uint16_t>(ms / 1000 % 60);
  result.month = static_cast<std::uint16_t>(e <= 13 ? e - 1 : e - 13);
  result.year = static_cast<std::uint16_t>(result.month > 2 ? c - 4716 : c - 4715);
  return result;
}

JulianDay JulianDayFromUnixTime(double seconds) {
  return kUnixEpoch + seconds / kSecondsPerDay;
}

double UnixTimeFromJulianDay(JulianDay jd) {
  return (jd - kUnixEpoch) * kSecondsPerDay;
}

std::uint8_t DaysInMonth(std::uint16_t month, std::uint16_t year) {
  static constexpr std::array<std::uint8_t, 12> kDays{31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  if (month == 2 && leap) return 29;
  return kDays[month - 1];
}

double ReduceAngle(double radians) {
  constexpr double kTwoPi = 6.283185307179586;
  double r = radians - std::trunc(radians * 0.15915494309189535) * kTwoPi;
  if (r < 0) r = r + kTwoPi;
  // Rounding can leave a value within an ulp of a whole turn (a tiny negative angle plus 2 pi
  // rounds to 2 pi); it stands for the same direction as 0.
  if (r >= kTwoPi) r = 0;
  return r;
}

}  // namespace kelvra
