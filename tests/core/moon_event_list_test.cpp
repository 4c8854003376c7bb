#include "core/moon_event_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "tests/core/moon_events_reference.h"

namespace kelvra {
namespace {

using Texts = std::vector<std::string>;
constexpr double kMinute = 1.0 / 1440;   // days
constexpr double kSecond = 1.0 / 86400;  // days
constexpr auto kTransit = MoonEventKind::Transit;
constexpr auto kOccultation = MoonEventKind::Occultation;
constexpr auto kEclipse = MoonEventKind::Eclipse;

JulianDay utDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return JulianDayFromDate(day, month, year, hour, minute, second, 0);
}

Texts texts(const std::vector<MoonEventLine>& lines) {
  Texts result;
  for (const MoonEventLine& line : lines) result.push_back(FormatMoonEventLine(line).joined());
  return result;
}

MoonEventMonth month(int year, int month, std::int32_t localOffset = 0) {
  return *MonthOfMoonEvents(year, month, localOffset != 0, localOffset);
}

// A phenomenon seen only at one instant: the other lies outside whatever is being checked.
MoonEvent startingAt(JulianDay t) {
  return {1, kTransit, t, std::nullopt};
}
MoonEvent endingAt(JulianDay t) {
  return {1, kTransit, std::nullopt, t};
}

TEST(MoonEventCode, WritesSatelliteKindAndPhase) {
  EXPECT_EQ(MoonEventCode(1, kTransit, MoonEventPhase::Start), "I.Tr.I");
  EXPECT_EQ(MoonEventCode(2, MoonEventKind::ShadowTransit, MoonEventPhase::End), "II.Sh.E");
  EXPECT_EQ(MoonEventCode(3, kOccultation, MoonEventPhase::Start), "III.Oc.D");
  EXPECT_EQ(MoonEventCode(4, kEclipse, MoonEventPhase::End), "IV.Ec.R");
  EXPECT_EQ(MoonEventCode(0, kEclipse, MoonEventPhase::End), "");
  EXPECT_EQ(MoonEventCode(5, kEclipse, MoonEventPhase::End), "");
}

TEST(FormatMoonEventLine, GivesDayTimeAndCode) {
  const MoonEventLine line{5, 21, 40, 1, MoonEventKind::ShadowTransit, MoonEventPhase::Start,
                           0, 0,  0,  0};
  const MoonEventLineText text = FormatMoonEventLine(line);
  EXPECT_EQ(text.day, "5");
  EXPECT_EQ(text.time, "21:40");
  EXPECT_EQ(text.code, "I.Sh.I");
  EXPECT_EQ(text.joined(), "5 21:40 I.Sh.I");
  const MoonEventLine early{17, 3, 7, 2, kOccultation, MoonEventPhase::End, 0, 0, 0, 0};
  EXPECT_EQ(FormatMoonEventLine(early).joined(), "17 03:07 II.Oc.R");
}

// Published tables list only what can be seen: not a moon entering or leaving Jupiter's
// shadow while it is behind the disc, nor passing behind or out from the disc while eclipsed.
TEST(MoonEventLinesOf, LeavesOutInstantsHiddenBehindTheDiscOrInTheShadow) {
  const auto at = [](int day, int hour, int minute) { return utDate(2014, 3, day, hour, minute); };
  const std::vector<MoonEvent> events{
      // Callisto already behind the disc when the span opens: its entry into the shadow is
      // hidden, and so is its reappearance from behind the disc, inside the shadow.
      {4, kOccultation, std::nullopt, at(1, 2, 0)},
      {4, kEclipse, at(1, 0, 30), at(1, 3, 0)},
      // Io passes behind the disc, then into the shadow: before opposition.
      {1, kOccultation, at(3, 10, 0), at(3, 12, 0)},
      {1, kEclipse, at(3, 11, 0), at(3, 13, 0)},
      // Ganymede's eclipse while Io is occulted: another moon, both instants seen.
      {3, kEclipse, at(3, 11, 30), at(3, 12, 30)},
      // Europa into the shadow, then behind the disc: after opposition.
      {2, kEclipse, at(3, 20, 0), at(3, 22, 0)},
      {2, kOccultation, at(3, 21, 0), at(3, 23, 0)},
      // A transit of Io during its own eclipse cannot happen, but would still be seen.
      {1, kTransit, at(3, 12, 10), at(3, 12, 20)},
  };
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 3))),
            (Texts{"1 03:00 IV.Ec.R", "3 10:00 I.Oc.D", "3 11:30 III.Ec.D", "3 12:10 I.Tr.I",
                   "3 12:20 I.Tr.E", "3 12:30 III.Ec.R", "3 13:00 I.Ec.R", "3 20:00 II.Ec.D",
                   "3 23:00 II.Oc.R"}));
}

TEST(MoonEventLinesOf, RoundsToTheNearestMinuteAndCarriesMidnightOver) {
  const std::vector<MoonEvent> events{
      startingAt(utDate(2014, 3, 5, 21, 39, 29)),  startingAt(utDate(2014, 3, 5, 21, 39, 31)),
      endingAt(utDate(2014, 3, 5, 23, 59, 31)),     // 24:00 is the next day's 00:00
      startingAt(utDate(2014, 2, 28, 23, 59, 40)),  // last month's, but rounds into this one
      startingAt(utDate(2014, 2, 28, 23, 59, 20)),  // last month's
      startingAt(utDate(2014, 3, 31, 23, 59, 20)), startingAt(utDate(2014, 3, 31, 23, 59, 40)),
  };
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 3))),
            (Texts{"1 00:00 I.Tr.I", "5 21:39 I.Tr.I", "5 21:40 I.Tr.I", "6 00:00 I.Tr.E",
                   "31 23:59 I.Tr.I"}));
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 2))), (Texts{"28 23:59 I.Tr.I"}));
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 4))), (Texts{"1 00:00 I.Tr.I"}));
}

TEST(MonthOfMoonEvents, LocalTimeShiftsTheMonthsMidnights) {
  // One hour east of Greenwich (UT = local - 60 min), local March 2014 starts at 23:00 UT on
  // 28 February; five hours west it starts at 05:00 UT on 1 March.
  const MoonEventMonth east = month(2014, 3, -60);
  EXPECT_NEAR(east.start, utDate(2014, 2, 28, 23), kSecond / 1000);
  EXPECT_NEAR(east.end, utDate(2014, 3, 31, 23), kSecond / 1000);
  EXPECT_NEAR(month(2014, 3, 300).start, utDate(2014, 3, 1, 5), kSecond / 1000);
  // The Universal-Time month ignores the offset.
  const auto ut = MonthOfMoonEvents(2014, 12, false, -60);
  ASSERT_TRUE(ut.has_value());
  EXPECT_EQ(ut->start, utDate(2014, 12, 1));
  EXPECT_EQ(ut->end, utDate(2015, 1, 1));
  EXPECT_EQ(ut->offset, 0);

  const std::vector<MoonEvent> events{
      startingAt(utDate(2014, 2, 28, 23, 30)),  // east 1 March 00:30, west 28 Feb. 18:30
      startingAt(utDate(2014, 3, 1, 3, 0)),     // east 1 March 04:00, west 28 Feb. 22:00
      startingAt(utDate(2014, 3, 31, 23, 10)),  // east 1 April 00:10, west 31 March 18:10
  };
  EXPECT_EQ(texts(MoonEventLinesOf(events, east)), (Texts{"1 00:30 I.Tr.I", "1 04:00 I.Tr.I"}));
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 4, -60))), (Texts{"1 00:10 I.Tr.I"}));
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 2, 300))),
            (Texts{"28 18:30 I.Tr.I", "28 22:00 I.Tr.I"}));
  EXPECT_EQ(texts(MoonEventLinesOf(events, month(2014, 3, 300))), (Texts{"31 18:10 I.Tr.I"}));
}

TEST(ListMoonEvents, ListsTheLocalMonthAsTheUniversalOneShifted) {
  // Local March 2014 one hour east: the UT lines of 28 February 23:00 to 31 March 23:00, with
  // the same instants and codes, an hour later on the clock.
  const MoonEventMonth east = month(2014, 3, -60);
  std::vector<MoonEventLine> expected;
  for (int m : {2, 3}) {
    for (const MoonEventLine& line : ListMoonEvents(2014, m, false, 0)) {
      if (line.instant >= east.start - kSecond && line.instant < east.end - kSecond) {
        expected.push_back(line);
      }
    }
  }
  const auto local = ListMoonEvents(2014, 3, true, -60);
  ASSERT_EQ(local.size(), expected.size());
  for (std::size_t i = 0; i < local.size(); ++i) {
    EXPECT_NEAR(local[i].instant, expected[i].instant, kSecond) << i;
    EXPECT_EQ(FormatMoonEventLine(local[i]).code, FormatMoonEventLine(expected[i]).code) << i;
    const int clock = ((local[i].day - 1) * 24 + local[i].hour) * 60 + local[i].minute;
    EXPECT_EQ(clock, std::llround((local[i].instant - east.start) / kMinute)) << i;
  }
}

// IMCCE's mid-times as printed (tests/core/moon_events_reference.h): the list must have the
// same visible instants with the same codes, each within the 3 minutes the theory is held to.
TEST(ListMoonEvents, HasTheInstantsOfIMCCEsPublishedTables) {
  const struct {
    int year, month;
    std::span<const reference::PublishedInstant> published;
  } months[] = {{2014, 3, reference::kImcceMarch2014},
                {2016, 1, reference::kImcceJanuary2016},
                {2019, 1, reference::kImcceJanuary2019}};
  for (const auto& m : months) {
    const auto lines = ListMoonEvents(m.year, m.month, false, 0);
    std::vector<bool> matched(lines.size(), false);
    JulianDay lastPublished = 0;
    for (const auto& p : m.published) {
      const JulianDay t = utDate(m.year, m.month, p.day, p.hour, p.minute);
      lastPublished = std::max(lastPublished, t);
      std::size_t found = lines.size();
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!matched[i] && FormatMoonEventLine(lines[i]).code == p.code &&
            std::fabs(lines[i].instant - t) <= 3 * kMinute) {
          found = i;
        }
      }
      ASSERT_NE(found, lines.size()) << p.code << " on day " << p.day << " of " << m.year;
      matched[found] = true;
    }
    // The stored tables stop after a few days; up to there nothing more is listed.
    for (std::size_t i = 0; i < lines.size() && lines[i].instant < lastPublished - 3 * kMinute;
         ++i) {
      EXPECT_TRUE(matched[i]) << FormatMoonEventLine(lines[i]).joined() << " of " << m.year;
    }
  }
}

TEST(ListMoonEvents, ListsTheFirstTwoDaysOfMarch2014) {
  // Our own lines; IMCCE's published minute beside each (all within 3 minutes).
  const auto lines = ListMoonEvents(2014, 3, false, 0);
  ASSERT_GE(lines.size(), 16u);
  EXPECT_EQ(texts({lines.begin(), lines.begin() + 16}),
            (Texts{"1 00:01 I.Sh.I",      // 00:02
                   "1 01:10 I.Tr.E",      // 01:11
                   "1 02:18 I.Sh.E",      // 02:17
                   "1 10:06 II.Oc.D",     // 10:06
                   "1 15:05 II.Ec.R",     // 15:04
                   "1 20:15 I.Oc.D",      // 20:15
                   "1 23:38 I.Ec.R",      // 23:39
                   "2 09:37 III.Tr.I",    // 09:38
                   "2 12:48 III.Tr.E",    // 12:47
                   "2 14:08 III.Sh.I",    // 14:08
                   "2 17:22 I.Tr.I",      // 17:23
                   "2 17:26 III.Sh.E",    // 17:23
                   "2 18:30 I.Sh.I",      // 18:31
                   "2 19:38 I.Tr.E",      // 19:38
                   "2 20:47 I.Sh.E",      // 20:46
                   "2 23:44 IV.Oc.D"}));  // 23:45
}

TEST(MoonEventLinesGoingOn, MarksBothLinesFromTheListedStartToTheListedEnd) {
  const auto at = [](int hour, int minute, int second) {
    return utDate(2014, 3, 3, hour, minute, second);
  };
  const std::vector<MoonEvent> events{
      {1, kTransit, at(10, 0, 20), at(12, 0, 40)},  // listed 10:00 to 12:01
      {1, kOccultation, at(20, 0, 0), at(22, 0, 0)},
      {1, kEclipse, at(21, 0, 0), at(23, 0, 0)},  // only its end is seen
  };
  const auto lines = MoonEventLinesOf(events, month(2014, 3));
  ASSERT_EQ(texts(lines),
            (Texts{"3 10:00 I.Tr.I", "3 12:01 I.Tr.E", "3 20:00 I.Oc.D", "3 23:00 I.Ec.R"}));
  using Indexes = std::vector<std::size_t>;
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(9, 59, 59)), Indexes{});
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(10, 0, 0)), (Indexes{0, 1}));
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(12, 0, 59)), (Indexes{0, 1}));
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(12, 1, 0)), Indexes{});
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(21, 30, 0)), (Indexes{2, 3}));
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(22, 30, 0)), (Indexes{3}));
}

// The window sets the main window to a line's local minute; that line must then be marked if
// it starts its phenomenon and not if it ends it, whatever the rounding of either conversion.
TEST(MoonEventLinesGoingOn, MarksALineAtItsOwnMinute) {
  const auto lines = ListMoonEvents(2014, 3, true, -60);
  ASSERT_GT(lines.size(), 150u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& l = lines[i];
    const JulianDay set = JulianDayFromDate(l.day, 3, 2014, l.hour, l.minute, 0, -60);
    const auto going = MoonEventLinesGoingOn(lines, set);
    const bool marked = std::find(going.begin(), going.end(), i) != going.end();
    EXPECT_EQ(marked, l.phase == MoonEventPhase::Start) << FormatMoonEventLine(l).joined();
  }
}

// A jump shows the phenomenon under way and its line marked: its start rounded up to the second
// or to the listed minute, its end down to the second or to a second before the listed minute.
TEST(MoonEventJumpInstant, LandsInsideThePhenomenonAndOnItsMarkedLine) {
  const auto at = [](int hour, int minute, double second) {
    return utDate(2014, 3, 3, hour, minute) + second * kSecond;
  };
  const auto clock = [](JulianDay t) {
    const CivilDateTime c = CalDate(t, 0);
    return std::to_string(c.hour) + ':' + std::to_string(c.minute) + ':' + std::to_string(c.second);
  };
  const std::vector<MoonEvent> events{
      {1, kTransit, at(1, 1, 29.6), at(3, 20, 40.7)},  // listed 01:01 and 03:21
      {2, kEclipse, at(5, 0, 20), at(7, 0, 0.0004)},   // whole seconds, up to float noise
      {3, MoonEventKind::ShadowTransit, at(8, 0, 40), at(9, 10, 10)},  // listed 08:01 and 09:10
  };
  const auto lines = MoonEventLinesOf(events, month(2014, 3));
  ASSERT_EQ(texts(lines), (Texts{"3 01:01 I.Tr.I", "3 03:21 I.Tr.E", "3 05:00 II.Ec.D",
                                 "3 07:00 II.Ec.R", "3 08:01 III.Sh.I", "3 09:10 III.Sh.E"}));
  const char* const kJumps[] = {"1:1:30", "3:20:40", "5:0:20", "6:59:59", "8:1:0", "9:9:59"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(clock(MoonEventJumpInstant(lines[i])), kJumps[i]) << texts(lines)[i];
  }

  // A whole month, in a zone half an hour off: every jump a whole second inside its contact,
  // within half a minute of it, and its line marked.
  const std::vector<MoonEventLine> month = ListMoonEvents(2026, 12, true, -570);
  for (std::size_t i = 0; i < month.size(); ++i) {
    const MoonEventLine& l = month[i];
    const JulianDay jump = MoonEventJumpInstant(l);
    const double late = (jump - l.exact) / kSecond;  // seconds
    const double whole = jump / kSecond;
    EXPECT_NEAR(whole, std::round(whole), 1e-3);
    if (l.phase == MoonEventPhase::Maximum) {
      EXPECT_LE(std::abs(late), 0.5 + 1e-3) << FormatMoonEventLine(l).joined();
      continue;
    }
    const std::vector<std::size_t> marked = MoonEventLinesGoingOn(month, jump);
    EXPECT_NE(std::find(marked.begin(), marked.end(), i), marked.end())
        << FormatMoonEventLine(l).joined();
    if (l.phase == MoonEventPhase::Start) {
      EXPECT_TRUE(late > -1e-3 && late <= 30 + 1e-3) << FormatMoonEventLine(l).joined();
    } else {
      EXPECT_TRUE(late < 1e-3 && late >= -31 - 1e-3) << FormatMoonEventLine(l).joined();
    }
  }
}

// A mutual event is listed at its maximum in the published notation, after the moons' own lines
// of the same minute and ordered among its kind by passive moon; one hidden or outside the month
// is left out.
TEST(MutualEventLinesOf, ListsObservableEventsAtTheirMaximumAfterTheMoonsOwnLines) {
  const auto at = [](int day, int hour, int minute, double second = 0) {
    return utDate(2026, 10, day, hour, minute) + second * kSecond;
  };
  const auto mutual = [](MutualEventKind kind, int active, int passive, JulianDay maximum,
                         double magnitude, bool total = false, bool annular = false,
                         bool hidden = false) {
    // An eclipse's light falls a minute before its umbra's start and is whole a minute after.
    const double light = kind == MutualEventKind::Eclipse ? kMinute : 0;
    const JulianDay start = maximum - 3 * kMinute, end = maximum + 4 * kMinute;
    return MutualEvent{kind,  active,  passive, start,         maximum,     end,  magnitude,
                       total, annular, hidden,  start - light, end + light, false};
  };
  constexpr auto kOcculting = MutualEventKind::Occultation;
  constexpr auto kEclipsing = MutualEventKind::Eclipse;
  const std::vector<MutualEvent> events{
      mutual(kOcculting, 3, 2, at(5, 21, 40, 10), 0.996),  // deep but not total: 99%
      mutual(kEclipsing, 2, 1, at(5, 21, 39, 40), 0.45),   // the same minute, rounded up
      mutual(kOcculting, 4, 1, at(5, 21, 40, 20), 1, true),
      mutual(kEclipsing, 1, 2, at(6, 3, 0), 0.8, false, true),
      mutual(kOcculting, 1, 3, at(6, 4, 0), 0.002),                    // a graze: 1%, not 0%
      mutual(kOcculting, 2, 4, at(6, 5, 0), 0.5, false, false, true),  // behind Jupiter
      mutual(kOcculting, 2, 1, at(31, 23, 59, 31), 0.3),               // rounds into November
      mutual(kEclipsing, 2, 1, at(1, 0, 0, -29), 0.3),                 // rounds into October
  };
  std::vector<MoonEventLine> lines = MutualEventLinesOf(events, month(2026, 10));
  const std::vector<MoonEvent> own{{3, kTransit, at(5, 21, 40), at(5, 23, 0)},
                                   {1, kEclipse, at(5, 21, 39, 50), std::nullopt}};
  for (const MoonEventLine& l : MoonEventLinesOf(own, month(2026, 10))) lines.push_back(l);
  SortMoonEventLines(lines);
  EXPECT_EQ(texts(lines), (Texts{"1 00:00 2E1 30%", "5 21:40 I.Ec.D", "5 21:40 III.Tr.I",
                                 "5 21:40 2E1 45%", "5 21:40 4O1 T", "5 21:40 3O2 99%",
                                 "5 23:00 III.Tr.E", "6 03:00 1E2 A", "6 04:00 1O3 1%"}));
  // The band of a mutual line runs from its start minute to its end minute, as the others'; an
  // eclipse's from the light's fall (2E1: 21:35:40) to its return (21:44:40).
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(5, 21, 35)).size(), 0u);
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(5, 21, 36)).size(), 1u);
  const auto going = MoonEventLinesGoingOn(lines, at(5, 21, 37));
  ASSERT_EQ(going.size(), 3u);  // Io's eclipse begins 21:40, the transit too: not yet
  for (const std::size_t i : going) EXPECT_TRUE(lines[i].mutual.has_value());
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(5, 21, 42)).size(), 6u);
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(5, 21, 44)).size(), 4u);  // 2E1's light not whole
  EXPECT_EQ(MoonEventLinesGoingOn(lines, at(5, 21, 45)).size(), 3u);

  // The month's own list holds every observable event of the season's busiest month once.
  std::size_t listed = 0;
  for (const MoonEventLine& l : ListMoonEvents(2026, 10, false, 0)) listed += l.mutual ? 1 : 0;
  std::size_t observable = 0;
  const MoonEventMonth october = month(2026, 10);
  for (const MutualEvent& e : FindMutualEvents(october.start - 0.01, 31.02)) {
    const bool inMonth =
        e.maximum >= october.start - 0.5 * kMinute && e.maximum < october.end - 0.5 * kMinute;
    observable += inMonth && !e.passiveHidden ? 1 : 0;
  }
  EXPECT_GT(observable, 20u);
  EXPECT_EQ(listed, observable);
}

// The season's lines as the list words them (UT; the events of the independent computation in
// tests/core/mutual_events_test.cpp): a penumbral eclipse's Q and light lost, both pairs of an
// eclipse's contacts named, a contact on the day before the maximum's with its day, and the
// passive moon's place against Jupiter.
TEST(MutualContactsText, NamesEachContactAndThePassiveMoonsPlace) {
  const struct {
    int month;
    const char* line;      // FormatMoonEventLine(...).joined()
    const char* contacts;  // MutualContactsText on UT
    const char* place;     // AgainstJupiterText
  } cases[] = {
      {10, "4 10:51 4E2 Q39%", "light falls 10:41, maximum 10:51, light whole 11:01", ""},
      {10, "12 23:06 2E4 Q31%", "light falls 23:00, maximum 23:06, light whole 23:12", ""},
      {12, "12 13:41 4E3 Q26%", "light falls 13:34, maximum 13:41, light whole 13:48", ""},
      {10, "1 12:15 2E1 A",
       "light falls 12:12, umbra 12:13\u201312:17 (maximum 12:15), light whole 12:18", ""},
      {12, "31 00:01 3E1 65%",
       "light falls 30 23:50, umbra 30 23:54\u201300:08 (maximum 00:01), light whole 00:12", ""},
      {10, "13 17:56 3O1 68%", "start 17:53, maximum 17:56, end 17:58", "at Jupiter's limb"},
      {12, "17 06:22 3O1 25%", "start 06:15, maximum 06:22, end 06:29", "on Jupiter's disc"},
  };
  for (const auto& c : cases) {
    const auto lines = ListMoonEvents(2026, c.month, false, 0);
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const MoonEventLine& l) {
      return l.mutual && FormatMoonEventLine(l).joined() == c.line;
    });
    ASSERT_NE(line, lines.end()) << c.line;
    EXPECT_EQ(MutualContactsText(*line, 0), c.contacts) << c.line;
    EXPECT_EQ(AgainstJupiterText(PassiveAgainstJupiter(*line->mutual)), c.place) << c.line;
    // The band runs from the light's fall to its return.
    EXPECT_NEAR(line->eventStart, line->mutual->lightStart, kMinute / 2) << c.line;
    EXPECT_NEAR(line->eventEnd, line->mutual->lightEnd, kMinute / 2) << c.line;
  }
}

// A jump to a mutual event shows its maximum to the nearest second, earlier or later.
TEST(MoonEventJumpInstant, TakesAMutualEventToItsMaximumToTheSecond) {
  const JulianDay maximum = utDate(2026, 10, 6, 7, 43, 12);
  MoonEventLine line{6,
                     7,
                     43,
                     1,
                     kOccultation,
                     MoonEventPhase::Maximum,
                     maximum,
                     maximum,
                     maximum,
                     maximum + 0.4 * kSecond};
  EXPECT_NEAR((MoonEventJumpInstant(line) - maximum) / kSecond, 0, 1e-3);
  line.exact = maximum + 0.6 * kSecond;
  EXPECT_NEAR((MoonEventJumpInstant(line) - maximum) / kSecond, 1, 1e-3);
  line.exact = maximum - 0.6 * kSecond;
  EXPECT_NEAR((MoonEventJumpInstant(line) - maximum) / kSecond, -1, 1e-3);
}

TEST(ListMoonEvents, GivesCalendarDaysInAnyYear) {
  const struct {
    int year, month;
    std::int32_t offset;  // minutes, local time; 0 for UT
  } months[] = {{0, 1, -720}, {1582, 10, 0}, {2024, 2, 840}, {9999, 12, 0}};
  for (const auto& m : months) {
    const auto lines = ListMoonEvents(m.year, m.month, m.offset != 0, m.offset);
    EXPECT_GT(lines.size(), 100u) << m.year;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_GE(lines[i].day, 1);
      EXPECT_LE(lines[i].day, DaysInMonth(m.month, m.year));
      EXPECT_TRUE(std::isfinite(lines[i].eventStart) && std::isfinite(lines[i].eventEnd));
      if (i > 0) {
        EXPECT_GE(lines[i].instant, lines[i - 1].instant) << m.year;
      }
    }
  }
  // The Gregorian reform skipped 5 to 14 October 1582: the list goes from the 4th to the 15th.
  const auto reform = ListMoonEvents(1582, 10, false, 0);
  for (const MoonEventLine& line : reform) {
    EXPECT_TRUE(line.day <= 4 || line.day >= 15) << line.day;
  }
  EXPECT_LT(reform.back().instant - reform.front().instant, 21);
  EXPECT_TRUE(ListMoonEvents(-1, 1, false, 0).empty());
  EXPECT_TRUE(ListMoonEvents(10000, 1, false, 0).empty());
  EXPECT_TRUE(ListMoonEvents(2014, 0, false, 0).empty());
  EXPECT_TRUE(ListMoonEvents(2014, 13, false, 0).empty());
}

TEST(MoonEventsAccurate, HoldsFrom1900To2100) {
  EXPECT_FALSE(MoonEventsAccurate(1899));
  EXPECT_TRUE(MoonEventsAccurate(1900));
  EXPECT_TRUE(MoonEventsAccurate(2100));
  EXPECT_FALSE(MoonEventsAccurate(2101));
}

}  // namespace
}  // namespace kelvra
