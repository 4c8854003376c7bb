#include "ui/grs/grs_prediction.h"

#include <cmath>
#include <cstdio>

#include "core/calendar.h"
#include "core/ephemeris.h"

namespace kelvra {
namespace {

constexpr double kRotationRate = 870.27;                // degrees per day, System II
constexpr long double kDaysPerDegree = 1.0L / 870.27L;  // days per degree, the reciprocal

// Given: any whole number of degrees. Returns: the same longitude in 0..359.
std::int32_t reduceLongitude(std::int32_t degrees) {
  const std::int32_t remainder = degrees % 360;
  return remainder < 0 ? remainder + 360 : remainder;
}

// Given: delta, degrees the meridian still has to turn after the day's start.
// Returns: the transit at that point, minutes rounded half to even.
GRSTime transitAt(double delta) {
  const long double t = delta * kDaysPerDegree * 24;  // hours after the day's start
  int hour = static_cast<int>(t);
  int minute = static_cast<int>(std::nearbyint((t - hour) * 60));
  if (minute == 60) {
    minute = 0;
    hour = hour + 1;
  }
  return {hour, minute, FormatGRSTime(hour, minute)};
}

}  // namespace

std::string FormatGRSTime(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d;", hour, minute);
  return text;
}

std::vector<GRSTime> GRSTransitsOfDay(std::int32_t longitude, double systemII) {
  double delta = reduceLongitude(longitude) - systemII;  // degrees
  while (delta < 0) delta += 360;
  std::vector<GRSTime> times;
  for (; delta < kRotationRate; delta += 360) times.push_back(transitAt(delta));
  return times;
}

std::vector<GRSDayTransits> PredictGRSTransits(int year, int month, std::int32_t longitude,
                                               bool localTime, std::int32_t timeZoneOffset) {
  const auto m = static_cast<std::uint16_t>(month);
  const auto y = static_cast<std::uint16_t>(year);
  JulianDay dayStart;
  {
    const ScopedTimeZoneOffset offset(localTime ? timeZoneOffset : 0);
    dayStart = JulianDayFromDate(1, m, y, 0, 0, 0);
  }
  const int days = DaysInMonth(m, y);
  std::vector<GRSDayTransits> rows;
  rows.reserve(static_cast<std::size_t>(days));
  JupiterState state;
  for (int day = 1; day <= days; ++day) {
    CentralMeridian(dayStart, state);
    rows.push_back({day, GRSTransitsOfDay(longitude, state.SystemII)});
    dayStart += 1.0;
  }
  return rows;
}

}  // namespace kelvra
