#include "core/jovian_radio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/modern_positions.h"
#include "core/moon_events.h"

namespace kelvra {
namespace {

constexpr double kSecond = 1.0 / 86400;                                    // days
constexpr JulianDay kDecember = 2461010.5;                                 // 2026-12-01 00:00 UT
constexpr double kSynodicPeriod[] = {0, 1.7699, 3.5541, 7.1664, 16.7536};  // days, by moon

double miss(double got, double expected) {
  return std::abs(std::remainder(got - expected, 360.0));
}

TEST(JovianRadio, CentralMeridianAgreesWithAnIndependentComputation) {
  // astronomy-engine 2.1.19: GeoVector(Jupiter, light time, no aberration), RotationAxis at
  // the light-time instant (IAU pole with its periodic terms, W = 284.95 + 870.536 d), CM = W
  // less the Earth's longitude from the equator's node; the script is in docs/RADIO.md.
  const struct {
    JulianDay ut;
    double cm;  // degrees
  } cases[] = {
      {2449903.25, 192.0170},          // 1995-07-04 18:00
      {2451545.0, 55.3877},            // 2000-01-01 12:00
      {2455460.5, 189.4639},           // 2010-09-21 00:00
      {2460385.3958333333, 194.8789},  // 2024-03-15 21:30
      {2461383.8333333333, 231.2887},  // 2026-12-09 08:00
      {2464479.6368055556, 24.9771},   // 2035-06-01 03:17
  };
  for (const auto& c : cases) EXPECT_LT(miss(CentralMeridianIII(c.ut), c.cm), 0.05) << c.ut;
}

// The phase turns toward Jupiter's own axes at the moon events: 0 at an occultation's middle
// (behind), 180 at a transit's middle (in front), and 270 / 90 where the sky-plane angle of the
// modern positions says the moon stands square to the sight line on the west / east side.
TEST(JovianRadio, PhaseAtConjunctionsAndElongations) {
  const std::vector<MoonEvent> events = FindMoonEvents(kDecember, 20);
  int seen[5][2] = {};
  for (const MoonEvent& e : events) {
    if (!e.start || !e.end) continue;
    const JulianDay middle = (*e.start + *e.end) / 2;
    if (e.kind == MoonEventKind::Occultation) {
      EXPECT_LT(miss(GeocentricPhase(e.moon, middle), 0), 0.1) << e.moon << " " << middle;
      ++seen[e.moon][0];
    } else if (e.kind == MoonEventKind::Transit) {
      EXPECT_LT(miss(GeocentricPhase(e.moon, middle), 180), 0.1) << e.moon << " " << middle;
      ++seen[e.moon][1];
      // U of the modern positions: 0 at inferior conjunction, 90 west, 270 east.
      const auto skyAngle = [&](JulianDay t) {
        return ModernPositionsAt(t).state.U[e.moon] * kRadiansToDegrees;
      };
      const double quarter = kSynodicPeriod[e.moon] / 4;
      for (const double u : {90.0, 270.0}) {
        JulianDay lo = middle + quarter * (u / 90 - 0.5), hi = middle + quarter * (u / 90 + 0.5);
        while (hi - lo > kSecond) {
          const JulianDay mid = (lo + hi) / 2;
          (std::remainder(skyAngle(mid) - u, 360.0) < 0 ? lo : hi) = mid;
        }
        EXPECT_LT(miss(GeocentricPhase(e.moon, lo), u + 180), 0.1) << e.moon << " " << u;
      }
    }
  }
  for (int moon = 1; moon <= 4; ++moon) EXPECT_TRUE(seen[moon][0] > 0 && seen[moon][1] > 0);
  EXPECT_TRUE(std::isnan(GeocentricPhase(0, kDecember)) &&
              std::isnan(GeocentricPhase(5, kDecember)));
}

bool inside(const RadioRegion& r, JulianDay t) {
  const auto within = [](double a, double from, double to) {
    const double width = to - from >= 360 ? 360 : std::fmod(to - from + 720, 360.0);
    return std::fmod(a - from + 720, 360.0) <= width;
  };
  return within(CentralMeridianIII(t), r.cmFrom, r.cmTo) &&
         (r.moon == 0 || within(GeocentricPhase(r.moon, t), r.phaseFrom, r.phaseTo));
}

// Each span's edges lie on a bound of its box, checked on the full theory: inside just after
// the start and just before the end, outside a few seconds beyond. Boxes through 360 in either
// angle, a published one, and the whole circle of longitude.
TEST(JovianRadio, WindowsEndOnTheBoxEdges) {
  const RadioRegion boxes[] = {
      {"wrap", 350, 10, 0, 0, 0},
      {"Io wrap", 0, 360, 1, 340, 20},
      kRadioSourceRegions[1],  // Io-B
      {"nowhere", 100, 200, 7, 0, 360},
  };
  const std::vector<RadioWindow> windows = FindRadioWindows(kDecember, 10, boxes);
  int count[4] = {};
  for (std::size_t k = 0; k < windows.size(); ++k) {
    const RadioWindow& w = windows[k];
    ++count[w.region];
    EXPECT_EQ(w.name, boxes[w.region].name);
    EXPECT_TRUE(k == 0 || windows[k - 1].start <= w.start);
    const RadioRegion& box = boxes[w.region];
    EXPECT_TRUE(inside(box, w.start + kSecond) && inside(box, w.end - kSecond)) << w.start;
    EXPECT_TRUE(w.start == kDecember || !inside(box, w.start - 3 * kSecond)) << w.start;
    EXPECT_TRUE(w.end == kDecember + 10 || !inside(box, w.end + 3 * kSecond)) << w.end;
  }
  // 20 degrees of longitude each Jupiter day (about 33 minutes), 40 degrees of Io's phase
  // each Io orbit (about 4.7 hours), Io-B twice to four times in ten days, a bad moon never.
  EXPECT_NEAR(count[0], 10 / 0.4135, 1.5);
  EXPECT_NEAR(count[1], 10 / 1.7699, 1.5);
  EXPECT_GE(count[2], 2);
  EXPECT_EQ(count[3], 0);
  for (const RadioWindow& w : windows) {
    const bool clipped = w.start == kDecember || w.end == kDecember + 10;
    EXPECT_TRUE(w.region != 0 || clipped || std::abs((w.end - w.start) * 1440 - 33.1) < 0.2);
  }
}

// A span going on when the period starts is cut there; one going on across a 32-day stretch
// of a long period comes whole; a period of no length has none.
TEST(JovianRadio, SpansAtThePeriodsEdges) {
  const RadioRegion wrap[] = {{"wrap", 350, 10, 0, 0, 0}};
  const RadioWindow one = FindRadioWindows(kDecember + 40, 1, wrap).at(0);
  const JulianDay middle = (one.start + one.end) / 2;
  const std::vector<RadioWindow> cut = FindRadioWindows(middle, 1, wrap);
  EXPECT_EQ(cut.at(0).start, middle);
  EXPECT_NEAR(cut.at(0).end, one.end, kSecond);
  bool whole = false;
  for (const RadioWindow& w : FindRadioWindows(middle - 32, 40, wrap)) {
    whole |= std::abs(w.start - one.start) < kSecond && std::abs(w.end - one.end) < kSecond;
  }
  EXPECT_TRUE(whole);
  EXPECT_TRUE(FindRadioWindows(kDecember, 0).empty());
  EXPECT_TRUE(FindRadioWindows(NAN, 1).empty());
}

}  // namespace
}  // namespace kelvra
