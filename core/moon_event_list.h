// The month's moon events as observers' tables list them: one line per visible instant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/moon_events.h"
#include "core/mutual_events.h"

namespace kelvra {

// Which instant of a phenomenon a line gives.
enum class MoonEventPhase {
  Start,    // ingress (transit, shadow transit) or disappearance (occultation, eclipse)
  End,      // egress (transit, shadow transit) or reappearance (occultation, eclipse)
  Maximum,  // a mutual event's greatest phase, the one instant its line gives
};

// One line of the list.
struct MoonEventLine {
  int day;               // day of the month in the list's time basis, 1..31
  int hour;              // hours, 0..23, in the list's time basis
  int minute;            // minutes, 0..59; the instant rounded to the nearest minute
  int moon;              // 1 Io, 2 Europa, 3 Ganymede, 4 Callisto
  MoonEventKind kind;    // what the moon or its shadow does
  MoonEventPhase phase;  // which instant of the phenomenon this line gives
  JulianDay instant;     // days, UT: the instant as listed, a whole minute
  JulianDay eventStart;  // days, UT: the phenomenon's start, rounded to the minute as listed,
                         // also when that instant is hidden or in another month
  JulianDay eventEnd;    // days, UT: the phenomenon's end, likewise
  JulianDay exact;       // days, UT: the instant this line gives, not rounded
  // Set for a mutual event's line, listed at its maximum: moon is then the passive moon, kind
  // Occultation or Eclipse as the event's, phase Maximum.
  std::optional<MutualEvent> mutual = std::nullopt;
};

// A calendar month of the list's time basis, in Universal Time.
struct MoonEventMonth {
  JulianDay start;      // days, UT: the midnight that starts the month's first day
  JulianDay end;        // days, UT: the midnight that starts the next month
  std::int32_t offset;  // minutes, UT = the basis's time + offset; 0 for Universal Time
};

// The span of a month in the chosen time basis.
// Given: year (0..9999) and month (1..12) of the calendar month; localTime, false for the
// month of Universal Time, true for the month of local civil time; timeZoneOffset (minutes,
// UT = local + offset), used only when localTime is true.
// Returns: the month's midnights in UT and the offset of its basis; empty for a year or month
// outside those ranges.
// Notes: the midnights come from JulianDayFromDate, so October 1582 spans 21 days.
std::optional<MoonEventMonth> MonthOfMoonEvents(int year, int month, bool localTime,
                                                std::int32_t timeZoneOffset);

// The lines of one month from the phenomena around it.
// Given: events, as FindMoonEvents gives them, over the month and a few hours either side (for
// an instant's visibility and for a line's other instant); month, the month's span.
// Returns: one line per instant an observer can see whose time, rounded to the nearest minute,
// falls in the month; sorted by that minute, then by moon, then by the unrounded instant.
// Notes: an instant that rounds to 24:00 is listed at 00:00 of the next day, so the month's
// last such instant goes to the next month's list, and the previous month's last half minute
// can give this month's first line. Hidden instants are left out, as published tables do: an
// eclipse's start or end while the moon is behind the disc (an occultation of the same moon is
// going on), an occultation's start or end while the moon is in Jupiter's shadow. The days
// come from the calendar (CalDate on the month's offset), so October 1582 lists no 5th to
// 14th. A phenomenon's instant not given in events counts as unbounded in eventStart and
// eventEnd.
std::vector<MoonEventLine> MoonEventLinesOf(const std::vector<MoonEvent>& events,
                                            const MoonEventMonth& month);

// The lines of one month's mutual events.
// Given: events, as FindMutualEvents gives them, over the month and a little either side;
// month, the month's span.
// Returns: one line per event an observer can see (passive moon not hidden behind Jupiter or
// in its shadow) whose maximum, rounded to the nearest minute, falls in the month; the line's
// instant is that minute, eventStart and eventEnd the contacts so rounded: an eclipse's
// lightStart and lightEnd, from the first loss of light to its return. Sorted as
// SortMoonEventLines does.
std::vector<MoonEventLine> MutualEventLinesOf(const std::vector<MutualEvent>& events,
                                              const MoonEventMonth& month);

// Puts lines in the list's order: by minute; at one minute the moons' own lines before mutual
// events; then by moon (a mutual event's passive moon); then by the unrounded instant.
void SortMoonEventLines(std::vector<MoonEventLine>& lines);

// The month's list.
// Given: year, month, localTime and timeZoneOffset as for MonthOfMoonEvents.
// Returns: MoonEventLinesOf the phenomena of FindMoonEvents over the month and 6 hours either
// side, with MutualEventLinesOf the month's mutual events among them (SortMoonEventLines);
// empty for a year or month out of range.
// Notes: 6 hours is longer than any phenomenon (Callisto's, the longest, last under 5 hours
// over 1900-2100), so every line's eventStart and eventEnd are finite and every instant's
// visibility is known. About 1.5 ms, twice that in a season of mutual events.
std::vector<MoonEventLine> ListMoonEvents(int year, int month, bool localTime,
                                          std::int32_t timeZoneOffset);

// Given: the month's span. Returns: the lines of the month widened by a day either side (the
// days numbered on the month's clock), with the same margin as ListMoonEvents: which of a
// phenomenon's instants can be seen, even where one falls in another month; about 2 ms.
std::vector<MoonEventLine> MoonEventLinesAround(const MoonEventMonth& month);

// Given: an instant (days, UT); offset, the list's clock (minutes, UT = clock + offset).
// Returns: days, UT: the 00:00 that starts that instant's day on the list's clock.
JulianDay DayStartOf(JulianDay ut, std::int32_t offset);

// The lines whose phenomenon is going on at one instant.
// Given: the month's lines; ut, a Julian day (days, Universal Time).
// Returns: the indexes, in increasing order, of the lines whose phenomenon is going on at ut
// as the list times it: from its listed start minute up to, not including, its listed end
// minute. Both lines of a phenomenon are marked together; one whose other instant is hidden or
// in another month is marked all the same.
// Notes: the times of the list decide, not the unrounded instants, so the list's own line is
// marked when the main window is set to its minute. An instant within a millisecond of a
// minute counts as that minute, which absorbs the rounding of a date converted another way.
std::vector<std::size_t> MoonEventLinesGoingOn(const std::vector<MoonEventLine>& lines,
                                               JulianDay ut);

// The instant a jump to a line shows.
// Given: one line of the list.
// Returns: days, UT: the line's unrounded instant to the whole second, rounded toward the inside
// of its phenomenon (a start up, an end down), so the picture shows the phenomenon under way;
// where the listed minute of its start is later (or of its end not later), that minute (that
// minute less a second), so the list marks the line too (MoonEventLinesGoingOn); a mutual
// event's maximum to the nearest second.
// Notes: the offsets are whole minutes, so the second is whole on the local clock too; an
// instant within a millisecond of a whole second counts as that second.
JulianDay MoonEventJumpInstant(const MoonEventLine& line);

// The observers' notation of one instant.
// Given: moon (1..4), the phenomenon's kind, and which of its instants.
// Returns: satellite, kind and phase joined by dots: the satellite I, II, III or IV; the kind
// Tr (transit), Oc (occultation), Sh (shadow transit) or Ec (eclipse); the phase I or E
// (ingress, egress) for transits and shadow transits, D or R (disappearance, reappearance) for
// occultations and eclipses. E.g. Io's shadow entering the disc: "I.Sh.I". Empty for a moon
// outside 1..4.
std::string MoonEventCode(int moon, MoonEventKind kind, MoonEventPhase phase);

// The published notation of a mutual event: the active moon's number, O (occults) or E
// (eclipses), the passive moon's number: "2O1" Europa occults Io, "3E1" Ganymede eclipses Io.
std::string MutualEventCode(const MutualEvent& event);

// A mutual event's magnitude as listed: "T" total, "A" annular, else the share of the passive
// moon's diameter covered in whole per cent, "45%", kept within 1%..99% so that a graze never
// reads as none and a deep partial event never as total. A penumbral eclipse's is "Q" and the
// share of the passive moon's light lost at maximum (MutualLightLost), "Q31%": light, not
// diameter.
std::string MutualEventMagnitude(const MutualEvent& event);

// Given: a line; ut, another instant of its phenomenon (days, UT).
// Returns: ut rounded to the list's minute, as the line's own instant is (days, UT).
JulianDay ListedMinuteOf(const MoonEventLine& line, JulianDay ut);

// A minute of the list's clock (offset: minutes, UT = clock + offset), with its day when that
// is not `day`: "21:40", "5 23:58".
std::string ListClockText(JulianDay ut, std::int32_t offset, int day);

// The words of a mutual event's contacts and place, UTF-8, English unless the caller gives its
// own language's; each sentence's %1, %2, ... are the times in the order the comments give.
struct MutualEventWords {
  std::string occultation = "start %1, maximum %2, end %3";
  std::string eclipse = "light falls %1, umbra %2\u2013%3 (maximum %4), light whole %5";
  std::string penumbral = "light falls %1, maximum %2, light whole %3";
  std::string atLimb = "at Jupiter's limb";
  std::string onDisc = "on Jupiter's disc";
};

// Given: a mutual event's line; offset, the list's clock (minutes, UT = clock + offset); the
// words (FillWords).
// Returns: its contacts and maximum, each rounded to the list's minute and given by
// ListClockText against the line's day, saying which is which: an occultation's "start 23:01,
// maximum 23:06, end 23:11"; an eclipse's "light falls 22:58, umbra 23:01–23:11 (maximum
// 23:06), light whole 23:14" (UTF-8 en dash); a penumbral one's "light falls 23:00, maximum
// 23:06, light whole 23:12". Empty for a line that is not a mutual event's.
std::string MutualContactsText(const MoonEventLine& line, std::int32_t offset,
                               const MutualEventWords& words = {});

// Given: where a passive moon stands against Jupiter (PassiveAgainstJupiter); the words.
// Returns: the mark its event carries, "at Jupiter's limb" or "on Jupiter's disc"; empty when
// clear of the planet.
std::string AgainstJupiterText(AgainstJupiter where, const MutualEventWords& words = {});

// The text of one line, field by field.
struct MoonEventLineText {
  std::string day;             // day of the month, no leading zero: "5"
  std::string time;            // hours and minutes, two digits each: "21:40"
  std::string code;            // MoonEventCode: "I.Sh.I"; a mutual event's MutualEventCode: "2O1"
  std::string magnitude = {};  // a mutual event's MutualEventMagnitude: "45%"; else empty
  // The fields joined by single spaces: "5 21:40 I.Sh.I", "5 21:52 2O1 45%".
  std::string joined() const {
    return day + ' ' + time + ' ' + code + (magnitude.empty() ? "" : ' ' + magnitude);
  }
};

// Given: one line of the list.
// Returns: its text as the window shows it and the page prints it.
// Notes: in a proportional font a one-digit day is narrower than a two-digit one, so the window
// and the page draw the three fields at columns of their own; joined() is the one-string form.
MoonEventLineText FormatMoonEventLine(const MoonEventLine& line);

// Given: a calendar year.
// Returns: true for 1900..2100, the years whose event times are measured to the minute
// (docs/MOON_EVENTS.md); outside them the planets and Delta T degrade and so do the times.
bool MoonEventsAccurate(int year);

// days, two minutes: lines (or names) of one phenomenon from lists computed over different spans
// may round a contact a minute apart; two phenomena of one moon and kind never start that close.
inline constexpr double kSamePhenomenonDays = 2.0 / 1440;

// One phenomenon of a list: the lines that give its instants (a transit's ingress and egress; a
// mutual event's one line), for the export's calendar events and the reminders.
struct MoonEventPhenomenon {
  std::string code;  // MoonEventPhenomenonCode: "I.Sh", "2O1"
  JulianDay start;   // days, UT: its start as its first line lists it (eventStart), seen or
                     // not; with code it names the phenomenon across lists
  JulianDay first;   // days, UT: its first listed instant, its first line's in the list's order,
                     // a mutual event's first contact as listed (its line stands for the
                     // whole), an eclipse's first loss of light
  std::size_t line;  // index of its first line in the list
};

// Given: one line. Returns: its phenomenon's code without the phase: "I.Sh" for "I.Sh.I"; a
// mutual event's MutualEventCode, "2O1"; empty for a moon outside 1..4.
std::string MoonEventPhenomenonCode(const MoonEventLine& line);

// Given: two lines, possibly of lists computed over different spans.
// Returns: true when they give instants of one phenomenon: the same moon and kind starting
// within kSamePhenomenonDays, or the same mutual event (pair and kind) at maxima that close.
bool SameMoonEventPhenomenon(const MoonEventLine& a, const MoonEventLine& b);

// Given: lines of the list, in its order (SortMoonEventLines), filtered or not.
// Returns: one entry per phenomenon with a line among them, in the order of its first line
// (SameMoonEventPhenomenon against that first line).
std::vector<MoonEventPhenomenon> MoonEventPhenomena(const std::vector<MoonEventLine>& lines);

}  // namespace kelvra
