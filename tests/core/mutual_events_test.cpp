#include "core/mutual_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "core/calendar.h"
#include "core/galilean_moons.h"
#include "core/jupiter_system.h"
#include "core/moon_events.h"
#include "core/mutual_light.h"

namespace kelvra {
namespace {

constexpr double kMinute = 1.0 / 1440;      // days
constexpr double kSeasonStart = 2461192.5;  // 2026-06-01 00:00 UT
constexpr double kSeasonDays = 486;         // to 2027-09-30 24:00 UT
constexpr auto kOccultation = MutualEventKind::Occultation;
constexpr auto kEclipse = MutualEventKind::Eclipse;

struct ReferenceEvent {
  MutualEventKind kind;
  int active, passive;
  JulianDay lightStart, start, maximum, end, lightEnd;  // days, UT
  double magnitude;
  double lightLost;  // share of the passive moon's light, eclipses only
  bool penumbral;
};

// The same rule computed with astronomy-engine 2.1.19 alone (its L1.2 moons, VSOP87 planets,
// its own light-time iteration and Delta T; the light lost on a grid over the passive disc, each
// point's Sun and active moon as angles): `tools/moon-events-reference PACKAGE mutual
// 2461192.5 486`, a selection of the season's events: fast and slow, a graze and deep ones,
// every pair, both kinds, total and annular, one behind Jupiter, and penumbral eclipses (the
// three first of 2026-10-04 10:51 4E2, 2026-10-12 23:06 2E4 and 2026-12-12 13:41 4E3).
constexpr ReferenceEvent kIndependent[] = {
    {kOccultation, 1, 2, 2461199.426484, 2461199.426484, 2461199.430811, 2461199.435723,
     2461199.435723, 0.0154, 0, false},
    {kOccultation, 1, 2, 2461278.291690, 2461278.291690, 2461278.292806, 2461278.293921,
     2461278.293921, 0.3179, 0, false},
    {kOccultation, 1, 4, 2461310.527406, 2461310.527406, 2461310.529417, 2461310.531434,
     2461310.531434, 0.6026, 0, false},
    {kOccultation, 2, 4, 2461311.432959, 2461311.432959, 2461311.435418, 2461311.437873,
     2461311.437873, 0.6493, 0, false},
    {kEclipse, 2, 1, 2461311.461465, 2461311.462248, 2461311.463440, 2461311.464634, 2461311.465419,
     0.4372, 0.5254, false},
    {kOccultation, 3, 2, 2461313.323011, 2461313.323011, 2461313.325183, 2461313.327354,
     2461313.327354, 1.0000, 0, false},
    {kEclipse, 1, 4, 2461327.087988, 2461327.091902, 2461327.094805, 2461327.097697, 2461327.101552,
     0.2070, 0.3105, false},
    {kOccultation, 4, 3, 2461337.193007, 2461337.193007, 2461337.196748, 2461337.200484,
     2461337.200484, 0.7593, 0, false},
    {kEclipse, 3, 4, 2461342.613731, 2461342.617212, 2461342.619979, 2461342.622753, 2461342.626243,
     0.2900, 0.7320, false},
    {kEclipse, 4, 1, 2461352.085706, 2461352.087878, 2461352.088746, 2461352.089615, 2461352.091796,
     0.2099, 0.5986, false},
    {kOccultation, 2, 3, 2461401.956503, 2461401.956503, 2461401.995014, 2461402.039125,
     2461402.039125, 0.1375, 0, false},
    {kEclipse, 3, 2, 2461627.836772, 2461627.840540, 2461627.859168, 2461627.876949, 2461627.880271,
     1.0000, 1.0000, false},
    {kEclipse, 4, 2, 2461317.945371, 2461317.945371, 2461317.952419, 2461317.959596, 2461317.959596,
     0, 0.3956, true},
    {kEclipse, 2, 4, 2461326.458544, 2461326.458544, 2461326.462651, 2461326.466772, 2461326.466772,
     0, 0.3152, true},
    {kEclipse, 4, 3, 2461387.065260, 2461387.065260, 2461387.070409, 2461387.075550, 2461387.075550,
     0, 0.2564, true},
    {kEclipse, 4, 1, 2461385.666504, 2461385.666504, 2461385.668966, 2461385.671433, 2461385.671433,
     0, 0.1556, true},
    {kEclipse, 1, 4, 2461394.585010, 2461394.585010, 2461394.594298, 2461394.604270, 2461394.604270,
     0, 0.0994, true},
};

const MutualEvent* matching(const std::vector<MutualEvent>& events, MutualEventKind kind,
                            int active, int passive, JulianDay maximum) {
  const MutualEvent* best = nullptr;
  for (const MutualEvent& e : events) {
    if (e.kind != kind || e.active != active || e.passive != passive) continue;
    if (!best || std::fabs(e.maximum - maximum) < std::fabs(best->maximum - maximum)) best = &e;
  }
  return best;
}

const std::vector<MutualEvent>& season() {
  static const std::vector<MutualEvent> events = FindMutualEvents(kSeasonStart, kSeasonDays);
  return events;
}

// Two computations of one rule on theories and planets that differ by tens of arcseconds: the
// instants, the light's contacts among them, within a minute or a tenth of the event's length
// (from the light's fall to its return), the magnitudes within 0.05, the light lost within 0.01.
// The contacts keep their order, and a penumbral eclipse's umbral ones are its light's.
TEST(FindMutualEvents, AgreesWithAnIndependentComputation) {
  for (const ReferenceEvent& r : kIndependent) {
    const MutualEvent* e = matching(season(), r.kind, r.active, r.passive, r.maximum);
    ASSERT_NE(e, nullptr) << r.maximum;
    const double tolerance = std::max(kMinute, (r.lightEnd - r.lightStart) / 10);
    EXPECT_NEAR(e->lightStart, r.lightStart, tolerance) << r.maximum;
    EXPECT_NEAR(e->start, r.start, tolerance) << r.maximum;
    EXPECT_NEAR(e->maximum, r.maximum, tolerance) << r.maximum;
    EXPECT_NEAR(e->end, r.end, tolerance) << r.maximum;
    EXPECT_NEAR(e->lightEnd, r.lightEnd, tolerance) << r.maximum;
    EXPECT_NEAR(e->magnitude, r.magnitude, 0.05) << r.maximum;
    EXPECT_EQ(e->penumbral, r.penumbral) << r.maximum;
    if (r.kind == kEclipse) {
      EXPECT_NEAR(MutualLightLost(*e), r.lightLost, 0.01) << r.maximum;
    }
    EXPECT_TRUE(e->lightStart <= e->start && e->start < e->maximum && e->maximum < e->end &&
                e->end <= e->lightEnd)
        << r.maximum;
    if (r.penumbral || r.kind == kOccultation) {
      EXPECT_EQ(e->start, e->lightStart) << r.maximum;
      EXPECT_EQ(e->end, e->lightEnd) << r.maximum;
    }
  }
}

// The independent computation finds 42 eclipses of the season outside the umbra that take 3 % of
// the passive moon's light or more; a pruning blind to the penumbra's width, or a limit on the
// wrong figure, lists fewer or more.
TEST(FindMutualEvents, ListsThePenumbralEclipsesFromThreePerCentOfTheLight) {
  int penumbral = 0;
  for (const MutualEvent& e : season()) {
    if (!e.penumbral) continue;
    ++penumbral;
    EXPECT_EQ(e.kind, kEclipse) << e.maximum;
    EXPECT_GE(MutualLightLost(e), 0.03) << e.maximum;
    EXPECT_FALSE(e.total || e.annular) << e.maximum;
  }
  EXPECT_EQ(penumbral, 42);
}

struct PublishedEvent {
  MutualEventKind kind;
  int active, passive;
  int month, day;              // 2014
  int startH, startM, startS;  // UT
  int endH, endM, endS;        // UT; the next day when before the start
  double magnitude;            // the table's per cent over 100; 1 for "T"
  bool annular;                // the table's "A"
};

JulianDay ut2014(int month, int day, int hour, int minute, int second) {
  return JulianDayFromDate(day, month, 2014, hour, minute, second, 0);
}

// The British Astronomical Association computing section's tables, "Mutual occultations" and
// "Mutual eclipses of the satellites of Jupiter in 2014" (britastro.org, handbooks_jocc2014 and
// handbooks_jecl2014): first and last contact to the second, the magnitude in per cent. Another
// theory, whose moons stand a few hundred km from L1.2's: a fast event's contacts move by
// seconds, a slow one's by minutes (docs/MUTUAL_EVENTS.md). Tolerance: a minute or a fifth of
// the event's length, whichever is larger; magnitude 0.1.
constexpr PublishedEvent kBaa2014[] = {
    {kOccultation, 1, 4, 10, 24, 8, 24, 31, 8, 30, 13, 0.75, true},
    {kOccultation, 4, 1, 11, 2, 13, 36, 6, 13, 51, 45, 1.0, false},
    {kOccultation, 2, 3, 11, 4, 9, 4, 19, 9, 14, 31, 0.59, true},
    {kOccultation, 1, 2, 11, 12, 16, 2, 24, 16, 4, 49, 0.27, false},
    {kOccultation, 3, 1, 11, 22, 16, 31, 23, 16, 37, 58, 1.0, false},
    {kOccultation, 4, 2, 12, 6, 7, 0, 36, 7, 50, 10, 0.37, false},
    {kEclipse, 3, 4, 10, 6, 23, 37, 22, 0, 33, 38, 0.79, true},
    {kEclipse, 4, 3, 10, 31, 2, 49, 1, 4, 18, 51, 0.55, true},
    {kEclipse, 3, 4, 11, 25, 2, 27, 31, 3, 21, 51, 0.41, false},
};

TEST(FindMutualEvents, MatchesPublishedPredictionsForTheSeasonOf2014) {
  const JulianDay from = ut2014(9, 1, 0, 0, 0);
  const auto events = FindMutualEvents(from, ut2014(12, 31, 0, 0, 0) - from);
  for (const PublishedEvent& p : kBaa2014) {
    const JulianDay start = ut2014(p.month, p.day, p.startH, p.startM, p.startS);
    JulianDay end = ut2014(p.month, p.day, p.endH, p.endM, p.endS);
    if (end < start) end += 1;
    const MutualEvent* e = matching(events, p.kind, p.active, p.passive, (start + end) / 2);
    ASSERT_NE(e, nullptr) << p.month << "-" << p.day;
    const double tolerance = std::max(kMinute, (end - start) / 5);
    EXPECT_NEAR(e->start, start, tolerance) << p.month << "-" << p.day;
    EXPECT_NEAR(e->end, end, tolerance) << p.month << "-" << p.day;
    EXPECT_NEAR(e->magnitude, p.magnitude, 0.1) << p.month << "-" << p.day;
    EXPECT_EQ(e->annular, p.annular) << p.month << "-" << p.day;
    EXPECT_EQ(e->total, p.magnitude == 1.0) << p.month << "-" << p.day;
  }
}

// 2026 September 27-29 and 2027 August 10: Ganymede hides Europa wholly; Europa's disc passes
// inside Callisto's; Europa's umbra, narrowed
// over the 400 000 km to Io, lies inside Io's disc; Ganymede's umbra covers Europa wholly.
TEST(FindMutualEvents, TellsTotalFromAnnular) {
  const MutualEvent* total = matching(season(), kOccultation, 3, 2, 2461313.3251);
  ASSERT_NE(total, nullptr);
  EXPECT_TRUE(total->total);
  EXPECT_FALSE(total->annular);
  EXPECT_EQ(total->magnitude, 1);

  const MutualEvent* annular = matching(season(), kOccultation, 2, 4, 2461311.4353);
  ASSERT_NE(annular, nullptr);
  EXPECT_TRUE(annular->annular);
  EXPECT_FALSE(annular->total);
  // The ratio of the radii, Europa's enlarged by its being some 0.2 % nearer the Earth.
  EXPECT_NEAR(annular->magnitude, 1560.8 / 2410.3, 0.003);

  const MutualEvent* umbra = matching(season(), kEclipse, 2, 1, 2461311.4634);
  ASSERT_NE(umbra, nullptr);
  EXPECT_TRUE(umbra->annular);
  EXPECT_LT(umbra->magnitude, 1560.8 / 1821.6 - 0.3);  // the umbra is far narrower than Europa

  const MutualEvent* dark = matching(season(), kEclipse, 3, 2, 2461627.8594);
  ASSERT_NE(dark, nullptr);
  EXPECT_TRUE(dark->total);
  EXPECT_EQ(dark->magnitude, 1);
}

TEST(FindMutualEvents, GivesTheTrueContactsOfAnEventAcrossTheSpansEdges) {
  const MutualEvent* whole = matching(season(), kOccultation, 3, 2, 2461313.3251);
  ASSERT_NE(whole, nullptr);
  const auto isIt = [](const MutualEvent& e) {
    return e.kind == kOccultation && e.active == 3 && e.passive == 2;
  };
  constexpr double kSecond = 1.0 / 86400;

  // Opening after the first contact and closing before the last, the span still holds the
  // maximum: the event is listed with both contacts outside it.
  const auto inside = FindMutualEvents(whole->maximum - kMinute, 2 * kMinute);
  ASSERT_EQ(inside.size(), 1u);
  EXPECT_TRUE(isIt(inside[0]));
  EXPECT_NEAR(inside[0].start, whole->start, kSecond);
  EXPECT_NEAR(inside[0].end, whole->end, kSecond);
  EXPECT_LT(inside[0].start, whole->maximum - kMinute);
  EXPECT_GT(inside[0].end, whole->maximum + kMinute);

  // A span holding the first contact but not the maximum does not list it, nor one that begins
  // just after the maximum.
  const auto before = FindMutualEvents(whole->start - 1, 1 + (whole->maximum - whole->start) / 2);
  EXPECT_TRUE(std::none_of(before.begin(), before.end(), isIt));
  const auto after = FindMutualEvents(whole->maximum + kSecond, 1);
  EXPECT_TRUE(std::none_of(after.begin(), after.end(), isIt));
}

// A long span is computed in stretches of its own; cut into pieces of another length, the same
// events must come out, none lost or listed twice where the pieces meet.
TEST(FindMutualEvents, ListsTheSameEventsWhateverTheSpansPieces) {
  std::vector<MutualEvent> pieces;
  for (double from = kSeasonStart; from < kSeasonStart + kSeasonDays; from += 13.7) {
    const auto part = FindMutualEvents(from, std::min(13.7, kSeasonStart + kSeasonDays - from));
    pieces.insert(pieces.end(), part.begin(), part.end());
  }
  ASSERT_EQ(pieces.size(), season().size());
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const MutualEvent& a = season()[i];
    EXPECT_TRUE(a.kind == pieces[i].kind && a.active == pieces[i].active &&
                a.passive == pieces[i].passive)
        << a.maximum;
    EXPECT_NEAR(pieces[i].start, a.start, 1.0 / 86400) << a.maximum;
    EXPECT_NEAR(pieces[i].maximum, a.maximum, 1.0 / 86400) << a.maximum;
    EXPECT_NEAR(pieces[i].end, a.end, 1.0 / 86400) << a.maximum;
  }
}

// The season of 2026-27 runs from September 2025 to August 2027 around Jupiter's equinox; the
// Earth and the Sun stand too far from the moons' plane a few months either side.
TEST(FindMutualEvents, IsEmptyFarFromJupitersEquinox) {
  EXPECT_TRUE(FindMutualEvents(2460676.5, 243).empty());  // 2025-01-01 .. 2025-08-31
  EXPECT_TRUE(FindMutualEvents(2461679.5, 366).empty());  // 2027-10-01 .. 2028-09-30
  EXPECT_GT(season().size(), 200u);
}

TEST(FindMutualEvents, IsSortedAndFiniteForAnyYear) {
  EXPECT_TRUE(FindMutualEvents(std::nan(""), 31).empty());
  EXPECT_TRUE(FindMutualEvents(kSeasonStart, 0).empty());
  EXPECT_TRUE(FindMutualEvents(kSeasonStart, -5).empty());
  // Absurd dates, where a step of days no longer moves the date and Delta T overflows the
  // tables: nothing, rather than a hang or a crash.
  EXPECT_TRUE(FindMutualEvents(1e20, 1e5).empty());
  // Four months of seasons in the years 4, 1000 and 9993, where the planets have long left
  // their fit, and of this season.
  for (const JulianDay from : {1722560.5, 2086550.5, 5371000.5, kSeasonStart}) {
    const auto events = FindMutualEvents(from, 120);
    EXPECT_GT(events.size(), 10u) << from;
    for (std::size_t i = 0; i < events.size(); ++i) {
      const MutualEvent& e = events[i];
      ASSERT_TRUE(std::isfinite(e.start) && std::isfinite(e.end)) << from;
      EXPECT_LE(e.start, e.maximum) << from;
      EXPECT_LE(e.maximum, e.end) << from;
      EXPECT_GE(e.maximum, from);
      EXPECT_LT(e.maximum, from + 120);
      EXPECT_LE(e.lightStart, e.start) << from;
      EXPECT_LE(e.end, e.lightEnd) << from;
      EXPECT_EQ(e.magnitude > 0, !e.penumbral) << from;
      EXPECT_LE(e.magnitude, 1);
      EXPECT_NE(e.active, e.passive);
      if (i > 0) {
        EXPECT_LE(events[i - 1].maximum, e.maximum);
      }
    }
  }
}

// passiveHidden must say what the list of moon events says about the passive moon.
TEST(FindMutualEvents, HidesThePassiveMoonAsTheMoonEventsDo) {
  const auto phenomena = FindMoonEvents(kSeasonStart, kSeasonDays);
  int hidden = 0;
  for (const MutualEvent& e : season()) {
    const bool byJupiter = std::any_of(phenomena.begin(), phenomena.end(), [&](const MoonEvent& m) {
      return m.moon == e.passive &&
             (m.kind == MoonEventKind::Occultation || m.kind == MoonEventKind::Eclipse) &&
             m.start.value_or(-1e300) <= e.maximum && e.maximum < m.end.value_or(1e300);
    });
    EXPECT_EQ(e.passiveHidden, byJupiter) << e.maximum;
    hidden += e.passiveHidden;
  }
  EXPECT_GT(hidden, 0);
}

// A stretch of samples in which a pair overlaps.
struct Run {
  MutualEventKind kind;
  int active, passive;
  JulianDay first, last;  // days, UT: the first and last sample inside
  double magnitude;       // the greatest fraction of the passive diameter covered at a sample
};

// Every pair's overlap on the full theory (MutualOverlapAt) every `step` days, the moon nearer
// the source taken as the active one: the search's result without its search.
std::vector<Run> bruteForce(JulianDay from, double days, double step) {
  std::vector<Run> runs;
  std::array<std::optional<Run>, 12> open;
  const auto count = static_cast<int>(days / step);
  for (int k = 0; k <= count; ++k) {
    const JulianDay t = from + k * step;
    const JupiterSightLines s = SightLinesAt(t);
    int q = 0;
    for (const MutualEventKind kind : {kOccultation, kEclipse}) {
      const Vector3& source = kind == kOccultation ? s.earth : s.sun;
      const auto away = [&](int moon) {
        const Vector3 r = GalileanMoonState(moon, s.tt).position;
        return std::hypot(r.x - source.x, r.y - source.y, r.z - source.z);
      };
      for (int i = 1; i <= 4; ++i) {
        for (int j = i + 1; j <= 4; ++j, ++q) {
          const int a = away(i) < away(j) ? i : j, p = i + j - a;
          const MutualOverlap o = MutualOverlapAt(t, kind, a, p);
          const bool in = o.active > 0 && o.distance < o.active + o.passive && k < count;
          const double covered =
              std::min(1.0, (o.active + o.passive - o.distance) / (2 * o.passive));
          if (in && !open[q]) open[q] = Run{kind, a, p, t, t, covered};
          if (in) {
            open[q]->last = t;
            open[q]->magnitude = std::max(open[q]->magnitude, covered);
          } else if (open[q]) {
            runs.push_back(*open[q]);
            open[q].reset();
          }
        }
      }
    }
  }
  return runs;
}

// Every overlap the scan sees is an event, and every event of magnitude 0.05 or more, which lasts
// over a minute, is seen by the scan every 20 seconds.
void expectTheEventsOfABruteForceScan(JulianDay from, double days) {
  constexpr double kStep = 20.0 / 86400;
  const auto runs = bruteForce(from, days, kStep);
  const auto events = FindMutualEvents(from, days);
  int small = 0;
  for (const Run& r : runs) {
    if (r.first == from || r.last + 2 * kStep > from + days) continue;  // cut by the span's ends
    const auto found = std::find_if(events.begin(), events.end(), [&](const MutualEvent& e) {
      return e.kind == r.kind && e.active == r.active && e.passive == r.passive &&
             e.maximum > r.first - kStep && e.maximum < r.last + kStep;
    });
    EXPECT_NE(found, events.end()) << "scan saw " << r.active << " on " << r.passive << " at "
                                   << std::fixed << r.first << ", magnitude " << r.magnitude;
  }
  for (const MutualEvent& e : events) {
    if (e.magnitude < 0.05) {
      ++small;
      continue;
    }
    const bool seen = std::any_of(runs.begin(), runs.end(), [&](const Run& r) {
      return e.kind == r.kind && e.active == r.active && e.passive == r.passive &&
             e.maximum > r.first - kStep && e.maximum < r.last + kStep;
    });
    EXPECT_TRUE(seen) << e.active << " on " << e.passive << " at " << std::fixed << e.maximum;
  }
  std::cout << "scan: " << runs.size() << " overlaps; search: " << events.size() << " events, "
            << small << " of them below magnitude 0.05\n";
}

// Half a busy day, 2026 September 27: an annular occultation, an annular eclipse, a partial one.
// With KELVRA_SCAN_SEASON set, the whole season instead (some 20 minutes; docs/MUTUAL_EVENTS.md).
TEST(FindMutualEvents, FindsWhatABruteForceScanOfTheTheoryFinds) {
  if (std::getenv("KELVRA_SCAN_SEASON")) {
    expectTheEventsOfABruteForceScan(kSeasonStart, kSeasonDays);
  } else {
    expectTheEventsOfABruteForceScan(2461311.2, 0.5);
  }
}

}  // namespace
}  // namespace kelvra
