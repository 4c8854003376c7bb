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

// Europa occulting Io, listed at its maximum, 15 minutes after its first contact.
MoonEventLine mutualLine(double start) {
  MutualEvent e{};
  e.kind = MutualEventKind::Occultation;
  e.active = 2;
  e.passive = 1;
  e.start = at(start);
  e.maximum = at(start + 15);
  e.end = at(start + 30);
  e.magnitude = 0.45;
  return {
      10,      21,    0,         1, MoonEventKind::Occultation, MoonEventPhase::Maximum, e.maximum,
      e.start, e.end, e.maximum, e};
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
  const double dayLater = kDay / kMinute;  // minutes
  const std::vector<Case> cases{
      {"off", kTransit, 55, 0, {}, {}, std::nullopt, std::nullopt},
      {"a lead beyond two hours is off", kTransit, 55, 121, {}, {}, std::nullopt, std::nullopt},
      {"a second before the moment", kTransit, 50 - kSecond / kMinute, 10, {}, {}, 0, 50},
      {"at the moment: one reminder for both lines",
       kTransit,
       50,
       10,
       {},
       {{0, 50}},
       {},
       40 + dayLater},
      {"the moment passed asleep", kTransit, 59, 10, {}, {{0, 50}}, {}, 49 + dayLater},
      {"the event begun", kTransit, 60, 10, {}, {}, {}, 50 + dayLater},
      {"the longest lead", kTransit, 0, 120, {}, {{0, -60}}, {}, -120 + dayLater},
      {"given this run", kTransit, 55, 10, {{"I.Tr", at(60)}}, {}, {}, 45 + dayLater},
      {"given from a list a minute apart",
       kTransit,
       55,
       10,
       {{"I.Tr", at(61)}},
       {},
       {},
       45 + dayLater},
      {"another phenomenon given",
       kTransit,
       55,
       10,
       {{"I.Sh", at(60)}},
       {{0, 50}},
       {},
       45 + dayLater},
      {"beyond a day", kTransit, 59 - dayLater, 10, {}, {}, {}, 49},
      {"within a day", kTransit, 61 - dayLater, 10, {}, {}, 0, 50},
      {"only the egress listed", {kTransit[1]}, 175, 10, {}, {{0, 170}}, {}, 165 + dayLater},
      {"lines of one transit from two lists",
       {moonLine(kTr, kIn, 60, 180), moonLine(kTr, kOut, 61, 180)},
       50,
       10,
       {},
       {{0, 50}},
       {},
       40 + dayLater},
      {"a mutual event at its first contact",
       {mutualLine(60)},
       50,
       10,
       {},
       {{0, 50}},
       {},
       40 + dayLater},
      {"the sooner due, the later next",
       {moonLine(kTr, kIn, 60, 180), moonLine(kSh, kIn, 100, 220), moonLine(kTr, kOut, 60, 180)},
       55,
       10,
       {},
       {{0, 50}},
       1,
       90},
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
    ASSERT_EQ(got.next.has_value(), c.next.has_value());
    if (c.next) {
      EXPECT_EQ(got.next->line, *c.next);
    }
    ASSERT_EQ(got.askAgain.has_value(), c.askAgain.has_value());
    if (c.askAgain) {
      EXPECT_NEAR(*got.askAgain, at(*c.askAgain), kSecond / 1000);
    }
  }
}

// The key a reminder gives is the one that marks it given: a second look finds nothing due.
// The mutual event, listed at its maximum after the transit's ingress, begins first.
TEST(RemindersDueAt, IsNotDueAgainOnceItsKeyIsGiven) {
  const std::vector<MoonEventLine> lines{kTransit[0], mutualLine(55), kTransit[1]};
  const RemindersNow first = RemindersDueAt(lines, at(52), 10, {});
  ASSERT_EQ(first.due.size(), 2u);
  EXPECT_EQ(first.due[0].key.code, "2O1");
  EXPECT_EQ(first.due[1].key.code, "I.Tr");
  std::vector<ReminderKey> given;
  for (const Reminder& r : first.due) given.push_back(r.key);
  EXPECT_TRUE(RemindersDueAt(lines, at(53), 10, given).due.empty());
}

}  // namespace
}  // namespace kelvra
