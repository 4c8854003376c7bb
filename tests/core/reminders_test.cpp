#include "core/reminders.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvra {
namespace {

constexpr JulianDay kEvening = 2461385.375;  // 2026-12-10 21:00 UT, a whole minute
constexpr double kMinute = 1.0 / 1440;       // days
constexpr double kSecond = 1.0 / 86400;      // days
constexpr double kDay = 1;                   // days

JulianDay at(double minutes) {
  return kEvening + minutes * kMinute;
}

MoonEventLine moonLine(MoonEventKind kind, MoonEventPhase phase, double start, double end) {
  const double instant = phase == MoonEventPhase::Start ? start : end;
  return {10, 21, 0, 1, kind, phase, at(instant), at(start), at(end), at(instant)};
}

// Europa eclipsing Io as the list gives it: listed at its maximum, 15 minutes after the light
// begins to fall (lightStart) and 5 after the umbra's first contact.
MoonEventLine mutualLine(double lightStart) {
  MutualEvent e{};
  e.kind = MutualEventKind::Eclipse;
  e.active = 2;
  e.passive = 1;
  e.lightStart = at(lightStart);
  e.start = at(lightStart + 10);
  e.maximum = at(lightStart + 15);
  e.end = at(lightStart + 20);
  e.lightEnd = at(lightStart + 30);
  e.magnitude = 0.45;
  return MutualEventLinesOf({e}, *MonthOfMoonEvents(2026, 12, false, 0)).at(0);
}

constexpr auto kTr = MoonEventKind::Transit;
constexpr auto kSh = MoonEventKind::ShadowTransit;
constexpr auto kIn = MoonEventPhase::Start;
constexpr auto kOut = MoonEventPhase::End;
// Io's transit 60..180 minutes after kEvening, both lines listed.
const std::vector<MoonEventLine> kTransit{moonLine(kTr, kIn, 60, 180),
                                          moonLine(kTr, kOut, 60, 180)};

// The table: what is due, as (line index, moment in minutes after kEvening), the next one's
// line, and when to ask again (minutes after kEvening).
struct Case {
  const char* what;
  std::vector<MoonEventLine> lines;
  double now;  // minutes after kEvening
  int lead;    // minutes
  std::vector<ReminderKey> given;
  std::vector<std::pair<std::size_t, double>> due;
  std::optional<std::size_t> next;
  std::optional<double> askAgain;
};

TEST(RemindersDueAt, GivesEachPhenomenonOnceFromItsMomentUntilItBegins) {
  constexpr double kDayOn = kDay / kMinute;  // minutes: a day later
  const std::vector<MoonEventLine> twoLists{moonLine(kTr, kIn, 60, 180),
                                            moonLine(kTr, kOut, 61, 180)};
  // The eclipse, listed at its maximum after the transit's ingress, begins first.
  const std::vector<MoonEventLine> eclipse{kTransit[0], mutualLine(55), kTransit[1]};
  const std::vector<MoonEventLine> shadow{kTransit[0], moonLine(kSh, kIn, 100, 220), kTransit[1]};
  const std::vector<Case> cases{
      {"off", kTransit, 55, 0, {}, {}, std::nullopt, std::nullopt},
      {"a lead over two hours is off", kTransit, 55, 121, {}, {}, std::nullopt, std::nullopt},
      {"a second before the moment", shadow, 50 - kSecond / kMinute, 10, {}, {}, 0, 50},
      {"at the moment, once for two lines", kTransit, 50, 10, {}, {{0, 50}}, {}, 40 + kDayOn},
      {"the moment passed asleep", kTransit, 59, 10, {}, {{0, 50}}, {}, 49 + kDayOn},
      {"the event begun", kTransit, 60, 10, {}, {}, {}, 50 + kDayOn},
      {"the longest lead", kTransit, 0, 120, {}, {{0, -60}}, {}, -120 + kDayOn},
      {"given this run", kTransit, 55, 10, {{"I.Tr", at(60)}}, {}, {}, 45 + kDayOn},
      {"given from a list a minute off", kTransit, 55, 10, {{"I.Tr", at(61)}}, {}, {}, 45 + kDayOn},
      {"another one given", kTransit, 55, 10, {{"I.Sh", at(60)}}, {{0, 50}}, {}, 45 + kDayOn},
      {"beyond a day", kTransit, 59 - kDayOn, 10, {}, {}, {}, 49},
      {"within a day", kTransit, 61 - kDayOn, 10, {}, {}, 0, 50},
      {"only the egress listed", {kTransit[1]}, 175, 10, {}, {{0, 170}}, {}, 165 + kDayOn},
      {"one transit from two lists", twoLists, 50, 10, {}, {{0, 50}}, {}, 40 + kDayOn},
      {"an eclipse as its light falls", eclipse, 52, 10, {}, {{1, 45}, {0, 50}}, {}, 42 + kDayOn},
      {"the sooner due, the later next", shadow, 55, 10, {}, {{0, 50}}, 1, 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RemindersNow got = RemindersDueAt(c.lines, at(c.now), c.lead, c.given);
    ASSERT_EQ(got.due.size(), c.due.size());
    for (std::size_t i = 0; i < c.due.size(); ++i) {
      EXPECT_EQ(got.due[i].line, c.due[i].first);
      EXPECT_NEAR(got.due[i].moment, at(c.due[i].second), kSecond / 1000);
      EXPECT_NEAR(got.due[i].event, got.due[i].moment + c.lead * kMinute, kSecond / 1000);
    }
    EXPECT_EQ(got.next ? std::optional(got.next->line) : std::nullopt, c.next);
    ASSERT_EQ(got.askAgain.has_value(), c.askAgain.has_value());
    if (c.askAgain) {
      EXPECT_NEAR(*got.askAgain, at(*c.askAgain), kSecond / 1000);
    }
  }
}

}  // namespace
}  // namespace kelvra
