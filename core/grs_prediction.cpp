#include "core/grs_prediction.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "core/word_format.h"

namespace kelvra {
namespace {

constexpr double kRotationRate = 870.27;                // degrees per day, System II
constexpr long double kDaysPerDegree = 1.0L / 870.27L;  // days per degree, the reciprocal
constexpr double kTransitPeriod = 360 / kRotationRate;  // days from one transit to the next
constexpr double kSecond = 1.0 / 86400;                 // days
constexpr double kDaysPerMonth = 30.436875;             // days, a mean Gregorian month
constexpr int kMostSteps = 8;  // a drifting transit settles in three; more means no answer

// Given: degrees, any finite value. Returns: the same direction in [0, 360).
double reduceDegrees(double degrees) {
  double reduced = std::fmod(degrees, 360.0);
  if (reduced < 0) reduced += 360;
  return reduced < 360 ? reduced : 0;  // -1e-14 + 360 rounds to 360
}

// Given: t, hours after the day's start (0 up to 24).
// Returns: the transit at that time, minutes rounded half to even.
GRSTime transitAtHour(long double t) {
  int hour = static_cast<int>(t);
  int minute = static_cast<int>(std::nearbyint((t - hour) * 60));
  if (minute == 60) {
    minute = 0;
    hour = hour + 1;
  }
  return {hour, minute, FormatGRSTime(hour, minute)};
}

// Given: delta, degrees the meridian still has to turn after the day's start.
// Returns: the transit at that point.
GRSTime transitAt(double delta) {
  return transitAtHour(delta * kDaysPerDegree * 24);
}

// Given: degrees, any finite value. Returns: the same direction in [-180, 180).
double reduceAround0(double degrees) {
  return reduceDegrees(degrees + 180) - 180;
}

// Whether the drift moves the spot at all; without, the lists stay as they always were.
bool drifts(const RedSpotDrift& drift) {
  return drift.degreesPerMonth != 0 && std::isfinite(drift.degreesPerMonth) &&
         std::isfinite(drift.epoch);
}

// Given: the stored longitude (degrees), the drift and guess, an instant (days, UT).
// Returns: the instant (days, UT) of the transit nearest the guess, when the meridian stands
// on the drifting spot, to within a second.
// Notes: each step takes the meridian's own position at the instant, so neither the spot's
// drift nor the meridian's uneven rate as seen from the Earth is extrapolated.
JulianDay transitNear(JulianDay guess, std::int32_t longitude, const RedSpotDrift& drift,
                      JupiterState& state) {
  JulianDay t = guess;
  for (int step = 0; step < kMostSteps; ++step) {
    CentralMeridian(t, state);
    const double ahead = reduceAround0(RedSpotLongitudeAt(longitude, drift, t) - state.SystemII);
    const double move = ahead / kRotationRate;  // days
    t += move;
    if (std::fabs(move) < kSecond) break;
  }
  return t;
}

// The transits of a drifting spot for `days` days from monthStart (days, UT), each found on
// its own, then listed on the day its instant falls in. One chain of transits runs through
// the month, so a transit near midnight falls on exactly one day.
std::vector<GRSDayTransits> driftingTransits(JulianDay monthStart, int days, std::int32_t longitude,
                                             const RedSpotDrift& drift) {
  std::vector<GRSDayTransits> rows;
  for (int day = 1; day <= days; ++day) rows.push_back({day, {}});
  JupiterState state;
  JulianDay t = transitNear(monthStart, longitude, drift, state);
  for (double elapsed = t - monthStart; elapsed < days; elapsed = t - monthStart) {  // days
    if (elapsed >= 0) {
      const double day = std::floor(elapsed);
      rows[static_cast<std::size_t>(day)].times.push_back(transitAtHour((elapsed - day) * 24));
    }
    const JulianDay next = transitNear(t + kTransitPeriod, longitude, drift, state);
    // A spot that keeps pace with the meridian has no next transit: the chain would stall.
    if (!(next > t)) break;
    t = next;
  }
  return rows;
}

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Takes `prefix` off the front of `text` when it is there.
bool consume(std::string_view& text, std::string_view prefix) {
  if (prefix.empty() || text.substr(0, prefix.size()) != prefix) return false;
  text.remove_prefix(prefix.size());
  return true;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads exactly `count` digits off the front of `text`; -1 when they are not there.
int takeDigits(std::string_view& text, std::size_t count) {
  if (text.size() < count) return -1;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!isDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  text.remove_prefix(count);
  return value;
}

// Reads "YYYY-MM-DD" off the front of `text`: the date's days since 1970-01-01.
std::optional<std::chrono::sys_days> takeDate(std::string_view& text) {
  const int y = takeDigits(text, 4);
  if (y < 0 || !consume(text, "-")) return std::nullopt;
  const int m = takeDigits(text, 2);
  if (m < 0 || !consume(text, "-")) return std::nullopt;
  const int d = takeDigits(text, 2);
  if (d < 0) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{y},
                                         std::chrono::month{static_cast<unsigned>(m)},
                                         std::chrono::day{static_cast<unsigned>(d)}};
  if (!date.ok()) return std::nullopt;
  return std::chrono::sys_days{date};
}

JulianDay julianDayOf(std::chrono::sys_seconds instant) {
  return JulianDayFromUnixTime(static_cast<double>(instant.time_since_epoch().count()));
}

// Given: an instant (days, UT). Returns: the nearest second, if it lies in years 0000..9999.
std::optional<std::chrono::sys_seconds> secondsOf(JulianDay instant) {
  using namespace std::chrono;
  const double s = std::round(UnixTimeFromJulianDay(instant));  // seconds since 1970
  const auto first = sys_seconds{sys_days{year{0} / January / 1}};
  const auto end = sys_seconds{sys_days{year{10000} / January / 1}};
  if (!(s >= static_cast<double>(first.time_since_epoch().count()) &&
        s < static_cast<double>(end.time_since_epoch().count())))
    return std::nullopt;  // also NaN
  return sys_seconds{seconds{static_cast<long long>(s)}};
}

// Given: a number as printf writes it, with a point. Returns: it with `decimalSeparator`.
std::string withSeparator(std::string number, std::string_view decimalSeparator) {
  const auto point = number.find('.');
  return point == std::string::npos ? number : number.replace(point, 1, decimalSeparator);
}

// Cuts UTF-8 text after its first `count` characters.
std::string firstCharacters(std::string text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts && ++characters > count) return text.substr(0, i);
  }
  return text;
}

}  // namespace

std::string FormatGRSTime(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d;", hour, minute);
  return text;
}

double RedSpotLongitudeAt(std::int32_t longitude, const RedSpotDrift& drift, JulianDay instant) {
  const double drifted = drift.degreesPerMonth * (instant - drift.epoch) / kDaysPerMonth;
  return reduceDegrees(longitude + (std::isfinite(drifted) ? drifted : 0.0));
}

std::vector<GRSTime> GRSTransitsOfDay(double longitude, double systemII) {
  double delta = reduceDegrees(longitude) - systemII;  // degrees
  while (delta < 0) delta += 360;
  std::vector<GRSTime> times;
  for (; delta < kRotationRate; delta += 360) times.push_back(transitAt(delta));
  return times;
}

std::vector<GRSDayTransits> PredictGRSTransits(int year, int month, std::int32_t longitude,
                                               bool localTime, std::int32_t timeZoneOffset) {
  return PredictGRSTransits(year, month, longitude, RedSpotDrift{}, localTime, timeZoneOffset);
}

std::vector<GRSDayTransits> PredictGRSTransits(int year, int month, std::int32_t longitude,
                                               const RedSpotDrift& drift, bool localTime,
                                               std::int32_t timeZoneOffset) {
  const auto m = static_cast<std::uint16_t>(month);
  const auto y = static_cast<std::uint16_t>(year);
  const TimeBasis basis{localTime, timeZoneOffset};
  JulianDay dayStart = JulianDayFromDate(1, m, y, 0, 0, 0, basis.offset());
  const int days = DaysInMonth(m, y);
  if (drifts(drift)) return driftingTransits(dayStart, days, longitude, drift);
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

std::string GRSDriftText(const RedSpotDrift& drift, std::string_view decimalSeparator,
                         const GRSDriftWords& words) {
  const double rate = drift.degreesPerMonth;  // degrees per month
  if (rate == 0 || !std::isfinite(rate)) return {};
  char number[400];
  std::snprintf(number, sizeof number, "%c%.1f", rate < 0 ? '-' : '+', std::fabs(rate));
  const std::string signedRate = withSeparator(number, decimalSeparator);
  const std::string date = FormatISODate(drift.epoch);
  const std::string text = date.empty() ? FillWords(words.drifting, {signedRate})
                                        : FillWords(words.driftingFrom, {signedRate, date});
  return firstCharacters(text, 70);
}

DriftTextValue ParseDriftText(std::string_view text, std::string_view decimalSeparator) {
  text = trimBlanks(text);
  if (text.empty()) return {DriftTextStatus::Ok, 0.0};
  const bool negative = consume(text, "-") || consume(text, "\u2212");
  if (!negative) consume(text, "+");
  long tenths = 0;  // the magnitude in tenths of a degree, held at 100 once beyond 9.9
  int digits = 0;
  for (; !text.empty() && isDigit(text.front()); text.remove_prefix(1), ++digits)
    tenths = std::min(tenths * 10 + (text.front() - '0'), 100L);
  tenths *= 10;
  bool rounded = false;
  if (consume(text, decimalSeparator) || consume(text, ".")) {
    for (int decimal = 1; !text.empty() && isDigit(text.front()); text.remove_prefix(1)) {
      const int digit = text.front() - '0';
      ++digits;
      if (decimal == 1) {
        tenths += digit;
      } else if (digit != 0) {
        rounded = true;
        if (decimal == 2 && digit >= 5) tenths += 1;  // half a tenth or more rounds up
      }
      ++decimal;
    }
  }
  if (digits == 0 || !text.empty()) return {DriftTextStatus::NotANumber, 0.0};
  const double sign = negative ? -1.0 : 1.0;
  if (tenths > 99) return {DriftTextStatus::OutOfRange, sign * 9.9};
  const double value = tenths == 0 ? 0.0 : sign * static_cast<double>(tenths) / 10.0;
  return {rounded ? DriftTextStatus::TooManyDecimals : DriftTextStatus::Ok, value};
}

std::string FormatDriftText(double degreesPerMonth, std::string_view decimalSeparator) {
  const double drift = std::isfinite(degreesPerMonth) ? std::clamp(degreesPerMonth, -9.9, 9.9) : 0;
  const double tenths = std::round(drift * 10);
  char number[16];
  std::snprintf(number, sizeof number, "%.1f", tenths == 0 ? 0.0 : tenths / 10.0);
  return withSeparator(number, decimalSeparator);
}

std::optional<JulianDay> ParseISODate(std::string_view text) {
  text = trimBlanks(text);
  const auto date = takeDate(text);
  if (!date || !text.empty()) return std::nullopt;
  return julianDayOf(std::chrono::sys_seconds{*date});
}

std::string FormatISODate(JulianDay instant) {
  return FormatISO8601UTC(instant).substr(0, 10);
}

std::string FormatISO8601UTC(JulianDay instant) {
  using namespace std::chrono;
  const auto seconds = secondsOf(instant);
  if (!seconds) return {};
  const auto day = floor<days>(*seconds);
  const year_month_day date{day};
  const hh_mm_ss time{*seconds - day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return text;
}

std::optional<JulianDay> ParseISO8601UTC(std::string_view text) {
  const auto date = takeDate(text);
  if (!date) return std::nullopt;
  if (text.empty()) return julianDayOf(std::chrono::sys_seconds{*date});
  if (!consume(text, "T")) return std::nullopt;
  const int h = takeDigits(text, 2);
  const int m = consume(text, ":") ? takeDigits(text, 2) : -1;
  const int s = consume(text, ":") ? takeDigits(text, 2) : -1;
  if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59 || text != "Z") return std::nullopt;
  return julianDayOf(std::chrono::sys_seconds{*date} + std::chrono::seconds{h * 3600 + m * 60 + s});
}

}  // namespace kelvra
