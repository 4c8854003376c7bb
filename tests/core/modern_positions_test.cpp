#include "core/modern_positions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/ephemeris.h"
#include "core/moon_event_list.h"

namespace kelvra {
namespace {

constexpr double kSecond = 1.0 / 86400;  // days

JulianDay toTheSecond(JulianDay jd) {
  return std::round(jd / kSecond) * kSecond;
}

// How far a moon's centre lies from the limb of the true disc: 0 on it, radii.
double fromLimb(const ModernScene& scene, int moon) {
  const double x = scene.state.X[moon];
  const double y = scene.state.Y[moon] / scene.discPolarRadius;
  return std::sqrt(x * x + y * y) - 1;
}

// Every listed contact of a month, taken to the second as a jump from the list sets it: a
// transit's or occultation's moon lies on the true limb (in front or behind as the kind says);
// a shadow transit's shadow and an eclipsed moon change state within two seconds of it.
TEST(ModernPositions, PutEveryListedContactOnTheTrueLimb) {
  for (const auto& [year, month] : {std::pair{2026, 12}, std::pair{2027, 3}, std::pair{1995, 7}}) {
    const std::vector<MoonEventLine> lines = ListMoonEvents(year, month, false, 0);
    ASSERT_GT(lines.size(), 60u);
    for (const MoonEventLine& line : lines) {
      if (line.mutual) continue;  // between two moons: no limb of Jupiter's involved
      const JulianDay at = toTheSecond(line.exact);
      const ModernScene scene = ModernPositionsAt(at);
      const int moon = line.moon;
      switch (line.kind) {
        case MoonEventKind::Transit:
        case MoonEventKind::Occultation:
          EXPECT_NEAR(fromLimb(scene, moon), 0, 0.005)
              << year << '-' << month << " day " << line.day << " moon " << moon;
          EXPECT_EQ(std::cos(scene.state.U[moon]) > 0, line.kind == MoonEventKind::Transit);
          break;
        case MoonEventKind::ShadowTransit:
        case MoonEventKind::Eclipse: {
          const bool starting = line.phase == MoonEventPhase::Start;
          const auto going = [&](JulianDay t) {
            const MoonShadow s = ModernPositionsAt(t).shadows[moon];
            return line.kind == MoonEventKind::Eclipse ? s.eclipsed : s.onDisc;
          };
          EXPECT_EQ(going(at - 2 * kSecond), !starting) << line.day << " moon " << moon;
          EXPECT_EQ(going(at + 2 * kSecond), starting) << line.day << " moon " << moon;
          break;
        }
      }
    }
  }
}

// The modern moons stand where the classic series puts them, within the series' own error
// (docs/ACCURACY.md: 0.19 radii at most): the same axes, senses and angle from conjunction.
TEST(ModernPositions, UseTheAxesOfTheClassicSeries) {
  const JulianDay from = JulianDayFromDate(1, 1, 2020, 0, 0, 0, 0);
  for (int i = 0; i < 200; ++i) {
    const JulianDay ut = from + i * 7.3;
    JupiterState classic;
    c(ut, classic);
    const ModernScene modern = ModernPositionsAt(ut);
    EXPECT_EQ(modern.state.SystemI, classic.SystemI);
    for (int moon = 1; moon <= 4; ++moon) {
      EXPECT_NEAR(modern.state.X[moon], classic.X[moon], 0.25) << ut << " moon " << moon;
      EXPECT_NEAR(modern.state.Y[moon], classic.Y[moon], 0.25) << ut << " moon " << moon;
      EXPECT_NEAR(modern.state.Radius[moon], classic.Radius[moon], 0.25);
      const double turn = std::remainder(modern.state.U[moon] - classic.U[moon], 2 * M_PI);
      EXPECT_LT(std::fabs(turn), 0.02) << ut << " moon " << moon;
      EXPECT_GE(modern.state.U[moon], 0);
      EXPECT_LT(modern.state.U[moon], 2 * M_PI);
    }
  }
  // Seen from near Jupiter's equatorial plane the disc is nearly as flat as the planet.
  const double polar = ModernPositionsAt(from).discPolarRadius;
  EXPECT_GT(polar, 66854.0 / 71492);
  EXPECT_LT(polar, 0.94);
}

// The month's interpolated series stays on the full theory, across the whole span.
TEST(ModernPositions, MonthSeriesFollowsTheFullTheory) {
  const JulianDay start = JulianDayFromDate(1, 2, 2027, 0, 0, 0, 0);
  int visited = 0;
  double worst = 0;
  ForEachModernStep(start, 1.0 / 48, 48 * 28, [&](int n, const JupiterState& step) {
    EXPECT_EQ(n, visited++);
    if (n % 37 != 0 && n != 48 * 28 - 1) return;
    const JupiterState full = ModernPositionsAt(start + n / 48.0).state;
    for (int moon = 1; moon <= 4; ++moon) {
      worst = std::max(
          {worst, std::fabs(step.X[moon] - full.X[moon]), std::fabs(step.Y[moon] - full.Y[moon])});
      EXPECT_NEAR(std::cos(step.U[moon]), std::cos(full.U[moon]), 1e-3);
    }
  });
  EXPECT_EQ(visited, 48 * 28);
  EXPECT_LT(worst, 1e-3);
}

}  // namespace
}  // namespace kelvra
