// Times at which the Great Red Spot crosses Jupiter's central meridian, day by day for a month.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"

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

// How the Red Spot moves in System II: its longitude holds at `epoch` and changes steadily.
struct RedSpotDrift {
  double degreesPerMonth = 0;  // System II degrees per 30.436875 days; + toward higher longitude
  JulianDay epoch = 0;         // days, UT: the instant at which `longitude` was measured
};

// The Red Spot's System II longitude at an instant.
// Given: longitude (degrees, as stored) at drift.epoch; the drift; instant (days, UT).
// Returns: longitude + degreesPerMonth * (instant - epoch) / 30.436875, in degrees reduced to
// [0, 360). Without drift this is the stored longitude reduced to one turn.
// Notes: a drift or epoch that gives no finite number counts as no drift.
double RedSpotLongitudeAt(std::int32_t longitude, const RedSpotDrift& drift, JulianDay instant);

// Transits of one day from the System II central meridian at the day's start.
// Given: longitude, the Red Spot's System II longitude (degrees, any value: it is reduced to
// [0, 360) here); systemII, the central meridian's System II longitude at the
// day's start (degrees, as CentralMeridian writes it, about -0.1 to 361).
// Returns: the day's transits, hours and minutes after the day's start. The meridian turns
// 870.27 degrees per day, so the Red Spot returns every 360 / 870.27 days (9 h 55.7 min).
std::vector<GRSTime> GRSTransitsOfDay(double longitude, double systemII);

// The Red Spot's transits for every day of one month.
// Given: year and month (1..12) of the calendar month; longitude, the Red Spot's System II
// longitude (whole degrees, as the user stored it; reduced to 0..359 for the computation);
// localTime, false for days starting at 0h Universal Time, true for days starting at local
// midnight; timeZoneOffset (minutes, UT = local + offset), used only when localTime is true.
// Returns: one row per day of the month, day 1 first.
// Notes: each day starts afresh from CentralMeridian at its own 0h; the same offset serves
// the whole month. Uses a JupiterState of its own.
std::vector<GRSDayTransits> PredictGRSTransits(int year, int month, std::int32_t longitude,
                                               bool localTime, std::int32_t timeZoneOffset);

// The same with a drifting Red Spot. Each transit is found at its own instant: from a guess
// t, t moves on by (RedSpotLongitudeAt(t) - System II at t, reduced to -180..180 degrees) /
// 870.27 until a step is under a second; the next guess is a rotation later. Each transit is
// listed on the day its instant falls in, once. A drift of 0 (or no finite drift or epoch)
// gives exactly the lists of the function above.
std::vector<GRSDayTransits> PredictGRSTransits(int year, int month, std::int32_t longitude,
                                               const RedSpotDrift& drift, bool localTime,
                                               std::int32_t timeZoneOffset);

// The drift line's words, UTF-8, English unless the caller gives its own language's: %1 the
// signed rate, %2 the epoch's date.
struct GRSDriftWords {
  std::string drifting = "Drifting %1\u00B0 a month";
  std::string driftingFrom = "Drifting %1\u00B0 a month from %2";
};

// The line under the page's subtitle and in the window, UTF-8.
// Given: the drift, the locale's decimal separator and the words. Returns: e.g. "Drifting
// +1.5° a month from 2026-11-15" (the epoch's UT date; "+1,5" with a comma), at most 70
// characters; empty when the drift is 0 or not a finite number (no line).
std::string GRSDriftText(const RedSpotDrift& drift, std::string_view decimalSeparator,
                         const GRSDriftWords& words = {});

// How typed drift text was read.
enum class DriftTextStatus {
  Ok,               // a number from -9.9 to 9.9 with at most one decimal (or blank: 0)
  NotANumber,       // nothing usable; the value is 0
  OutOfRange,       // beyond 9.9 either way; the value is the nearest end, -9.9 or 9.9
  TooManyDecimals,  // more than one decimal; the value is rounded to one, half away from 0
};

struct DriftTextValue {
  DriftTextStatus status;
  double degreesPerMonth;  // System II degrees per 30.436875 days, a whole number of tenths
};

// Reads the drift field.
// Given: text, UTF-8: blanks around, a sign (+, - or the minus sign U+2212), digits and one
// decimal separator, either decimalSeparator (the locale's, e.g. ",") or a point.
// Returns: the status and the value to store or to correct the field to; no exponents, no
// digit grouping. Blank text is 0, as an emptied longitude field is.
DriftTextValue ParseDriftText(std::string_view text, std::string_view decimalSeparator);

// Given: a drift (degrees per month) and the locale's decimal separator.
// Returns: the field's text with one decimal, e.g. "1.5", "-0.8", "0.0" (never "-0.0"); a drift
// beyond the field's -9.9..9.9 shows as the nearest end, one that is no number as "0.0".
std::string FormatDriftText(double degreesPerMonth, std::string_view decimalSeparator);

// Given: the date field's text, YYYY-MM-DD (Gregorian, years 0000..9999), blanks around allowed.
// Returns: the Julian day of 0h UT of that date; empty when the text is not such a date.
std::optional<JulianDay> ParseISODate(std::string_view text);

// Given: an instant (days, UT). Returns: its UT date as YYYY-MM-DD (the date of the instant
// rounded to the second); empty outside years 0000..9999 or when not finite.
std::string FormatISODate(JulianDay instant);

// Given: an instant (days, UT). Returns: ISO 8601 UTC text to the nearest second,
// e.g. "2026-11-15T00:00:00Z"; empty outside years 0000..9999 or when not finite.
// Notes: every day has 86400 seconds, as in UT; UTC leap seconds are not told apart.
std::string FormatISO8601UTC(JulianDay instant);

// Given: ISO 8601 UTC text, "YYYY-MM-DDTHH:MM:SSZ" or a date alone "YYYY-MM-DD" (0h UT).
// Returns: the instant (days, UT); empty when the text is neither.
std::optional<JulianDay> ParseISO8601UTC(std::string_view text);

}  // namespace kelvra
