// The observing log's arithmetic and text: an observed instant against a predicted contact
// (O−C), the instants as the log writes them, the CSV file. Pure: the caller keeps the entries.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "core/sky.h"

namespace kelvra {

// One timing the observer made.
struct LogRecord {
  std::int64_t observedTenths;         // tenths of a second since 1970-01-01 00:00 UT
  std::string code;                    // the contact's code as listed: "I.Sh.I", "2O1"; empty: none
  std::string phase;                   // its phase in words: "ingress", "maximum"
  std::optional<JulianDay> predicted;  // days, UT: the contact's unrounded instant
  std::optional<ObserverSite> site;    // degrees, degrees east, metres; none when unset
  std::string note;                    // seeing, aperture, clock source: the observer's words
};

inline constexpr double kProposedContactMinutes = 30;  // a stamp's contact is proposed within

// A line of the list as a contact a timing belongs to.
struct LogContact {
  std::string code;     // as listed: "I.Sh.I", "2O1"
  std::string phase;    // "ingress", "egress", "disappearance", "reappearance" or "maximum"
  JulianDay predicted;  // days, UT: the line's unrounded instant
};
LogContact ContactOfLine(const MoonEventLine& line);

// Given: the lines as listed; ut, an observed instant (days, UT). Returns: the index of the
// line whose unrounded instant is nearest ut and within kProposedContactMinutes; none else.
std::optional<std::size_t> NearestContact(const std::vector<MoonEventLine>& lines, JulianDay ut);

// Given: tenths of a second since 1970 UT. Returns: days, UT.
JulianDay LogInstantDays(std::int64_t tenths);
// Given: days, UT. Returns: the nearest tenth of a second since 1970 UT.
std::int64_t LogInstantTenths(JulianDay ut);

// Returns: observed minus predicted, seconds (to the tenth of the observation, against the
// unrounded prediction); none without a prediction.
std::optional<double> ObservedMinusComputed(const LogRecord& record);

// Given: days, UT. Returns: "2026-12-09 17:03:12.3", UT to the tenth of a second.
std::string LogTimeText(JulianDay ut);
// Given: "2026-12-09 17:03:12.3" (the tenths optional, a 'T' for the blank, a trailing 'Z'),
// UT. Returns: tenths of a second since 1970 UT; none for any other text or a date that does
// not exist.
std::optional<std::int64_t> ParseLogTime(const std::string& text);

// Returns: the log as CSV (UTF-8, CRLF lines, a header, one row an entry): code, phase,
// predicted UT, observed UT (ISO 8601, tenths of a second), O−C seconds (one decimal), the
// site's latitude, longitude and height, the note. Empty fields for what an entry lacks.
std::string LogCsvText(const std::vector<LogRecord>& records);

}  // namespace kelvra
