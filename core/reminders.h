// Reminders before the listed events: which phenomena to announce and when, on the real
// time. Pure: the caller reads the clock, gives the lines shown and remembers what it has
// announced.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/moon_event_list.h"

namespace kelvra {

inline constexpr int kReminderLeadMax = 120;  // minutes: the longest lead a reminder takes
inline constexpr double kReminderAhead = 1;   // days: how far past now reminders look

// Names a phenomenon reminded of, across the lists recomputed during a run.
struct ReminderKey {
  std::string code;  // MoonEventPhenomenon::code: "I.Sh", "2O1"
  JulianDay start;   // days, UT: MoonEventPhenomenon::start
};

// One phenomenon's reminder.
struct Reminder {
  ReminderKey key;
  std::size_t line;  // index in the lines of the phenomenon's first line, what the reminder shows
  JulianDay event;   // days, UT: the phenomenon's first listed instant (MoonEventPhenomenon)
  JulianDay moment;  // days, UT: when to remind, the lead before event
};

// What is due at one instant.
struct RemindersNow {
  std::vector<Reminder> due;     // to give now, in the order of their events
  std::optional<Reminder> next;  // the next to fall due, later than now; none when none of
                                 // the next kReminderAhead days is left to give
  // days, UT: when to ask again (a timer): next's moment, or with no next, now + 1 day - lead,
  // the first moment a phenomenon beyond the day could fall due. Empty when reminders are off.
  std::optional<JulianDay> askAgain;
};

// Given: lines, the events list's lines as shown (after its filter), in the list's order and
// reaching at least a day past now (e.g. this month's and the next month's lists joined), not
// cut at now: a phenomenon whose first line is past has begun, its later lines remind of
// nothing; now,
// the real time (days, UT), not the instant the program shows; leadMinutes, the lead (minutes,
// 1..kReminderLeadMax; 0, or anything outside that range, is off); given, the keys of the
// reminders given so far this run.
// Returns: one reminder per phenomenon (MoonEventPhenomena) whose first listed instant lies
// after now and within kReminderAhead days of it. Due: each whose moment is now or past, not
// given. So a moment that passed while the program was starting or the machine slept is due at
// once, as long as the event has not begun; once it has, never. Next: the earliest of the
// others not given. Nothing when off.
// Notes: an instant within a millisecond of now counts as reached, absorbing the rounding of a
// clock converted to Julian days and a timer that fires on the moment. A reminder counts as
// given when a given key has its code and a start within kSamePhenomenonDays, as lists
// computed over different spans may list a phenomenon's start a minute apart.
RemindersNow RemindersDueAt(const std::vector<MoonEventLine>& lines, JulianDay now, int leadMinutes,
                            const std::vector<ReminderKey>& given);

}  // namespace kelvra
