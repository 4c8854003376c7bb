// The month's events as files for other programs: iCalendar (RFC 5545) for calendar programs,
// CSV (RFC 4180) for spreadsheets. Pure text from generic records, so any kind of phenomenon
// (the moons' own events, mutual events) exports the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"

namespace kelvra {

// Jupiter and the Sun at one instant as the observer's site sees them.
struct ExportAltitudes {
  double jupiterDeg;  // degrees, Jupiter's centre above the horizon
  double sunDeg;      // degrees, the Sun's centre above the horizon
};

// One instant of a phenomenon that an observer can see, for a calendar event's description.
struct ExportInstant {
  std::string code;                          // the list's code of the instant: "I.Sh.I", "2O1"
  JulianDay ut;                              // days, UT
  std::optional<ExportAltitudes> altitudes;  // empty without a site
};

// One phenomenon: one calendar event.
struct ExportPhenomenon {
  std::string code;     // the phenomenon without its phase, for the UID: "I.Sh", "2O1"
  std::string summary;  // the calendar's title: "Io shadow transit"
  JulianDay uidStart;   // days, UT: the phenomenon's start, seen or not, for the UID
  JulianDay start;      // days, UT: its first instant that can be seen
  JulianDay end;        // days, UT: its last instant that can be seen (start when only one)
  std::vector<ExportInstant> instants;  // the instants that can be seen, in time order
};

// One line of the list, for a spreadsheet.
struct ExportLine {
  JulianDay ut;             // days, UT: the line's instant, a whole minute
  std::int32_t offset;      // minutes, UT = the list's time + offset; 0 for Universal Time
  std::string code;         // "I.Sh.I"
  std::string description;  // "Io shadow transit, ingress"
  std::optional<ExportAltitudes> altitudes;  // empty without a site
};

// Given: text of a property value. Returns: it escaped as RFC 5545 TEXT (3.3.11): backslash,
// semicolon and comma behind a backslash, a line end (CR LF, LF or CR) as "\n".
std::string EscapeICalendarText(std::string_view text);

// Given: one content line without its line end. Returns: the line folded (RFC 5545, 3.1) into
// parts of at most 75 octets, each but the first starting with a space, joined and ended by
// CR LF. A part never ends inside a UTF-8 character.
std::string FoldICalendarLine(std::string_view line);

// The words of an event's description, UTF-8, English unless the caller gives its own
// language's: the altitudes after an instant, %1 Jupiter's and %2 the Sun's (degrees).
struct ICalendarWords {
  std::string altitudes = ": Jupiter %1\u00B0, Sun %2\u00B0";
};

// Given: the phenomena; stampUT, the file's creation (days, UT) for DTSTAMP.
// Returns: a VCALENDAR (VERSION 2.0, PRODID) of one VEVENT per phenomenon, times in UTC to the
// second; UID from the code and uidStart, so a second export of the same event replaces the
// first in a calendar; DESCRIPTION naming each instant with its altitudes when known. A
// phenomenon whose start and end are one second has no DTEND: RFC 5545 wants DTEND later than
// DTSTART, and without it the event ends where it starts. alarmMinutes (1..): each event
// carries a VALARM that many minutes before its start (ACTION:DISPLAY, the summary as
// DESCRIPTION, TRIGGER:-PT10M); 0, none. The descriptions' words: `words`.
std::string ICalendarText(const std::vector<ExportPhenomenon>& phenomena, JulianDay stampUT,
                          int alarmMinutes = 0, const ICalendarWords& words = {});

// Given: the lines. Returns: CSV with CR LF line ends, the header
// "date,time,utc,code,description,jupiter_alt,sun_alt", then one row per line: date and time
// on the list's clock ("2026-12-08", "21:14"), utc in ISO 8601 ("2026-12-08T21:14:00Z"),
// altitudes in degrees with one decimal and a point, empty without a site; a field holding a
// comma, a quote or a line end quoted (RFC 4180).
std::string CsvText(const std::vector<ExportLine>& lines);

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& field);

}  // namespace kelvra
