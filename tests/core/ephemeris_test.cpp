#include "core/ephemeris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kRadiansToDegrees = 57.29577951308232;
constexpr double kTwoDecimals = 0.005;  // the worked examples are given to two decimals

struct Position {
  double x, y;  // Jupiter radii
};

void ExpectPositions(JulianDay jd, const std::array<Position, 4>& expected) {
  JupiterState state;
  c(jd, state);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(state.X[i], expected[i - 1].x, kTwoDecimals) << "satellite " << i;
    EXPECT_NEAR(state.Y[i], expected[i - 1].y, kTwoDecimals) << "satellite " << i;
  }
}

TEST(Ephemeris, MatchesTheWorkedExamples) {
  // Worked examples of the series, 2000-01-01 12:00 UT and 1992-12-16 00:00 UT.
  ExpectPositions(2451545.0, {{{1.32, 0.29}, {0.71, -0.47}, {3.45, -0.74}, {-21.35, 0.78}}});
  ExpectPositions(2448972.5, {{{-3.46, 0.21}, {7.43, 0.25}, {1.22, 0.64}, {7.09, 1.08}}});

  JupiterState state;
  c(2451545.0, state);
  const double u[4] = {167.01, 4.36, 13.33, 234.12};  // degrees, same source
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(state.U[i] * kRadiansToDegrees, u[i - 1], kTwoDecimals) << "satellite " << i;
  }
  // The Earth's declination, 2.90 degrees, is what tilts each orbit: Y = -Radius cos U sin De.
  const double sinDe = -state.Y[1] / (state.Radius[1] * std::cos(state.U[1]));
  EXPECT_NEAR(std::asin(sinDe) * kRadiansToDegrees, 2.90, kTwoDecimals);
}

TEST(CentralMeridian, MatchesTheWorkedExample) {
  JupiterState state;
  const JupiterGeometry g = CentralMeridian(2451545.0, state);
  EXPECT_DOUBLE_EQ(g.d, 36525.0);
  EXPECT_NEAR(MeridianTimeCorrection(g.d), 63.435, 0.0005);
  EXPECT_NEAR(state.SystemI, 197.10, kTwoDecimals);
  EXPECT_NEAR(state.SystemII, 173.55, kTwoDecimals);
  EXPECT_NEAR(MeridianTimeCorrection(0), 12.3, 1e-12);
  // Light time: about 35 to 55 minutes between the extremes of Delta.
  EXPECT_GT(g.d - g.dLight, 3.9 / 173.1446335);
  EXPECT_LT(g.d - g.dLight, 6.5 / 173.1446335);
}

TEST(CentralMeridian, LeavesTheLongitudesUnreducedAfterTheTimeCorrection) {
  JupiterState state;
  double highest = 0;
  for (JulianDay jd = 2460676.5; jd < 2460676.5 + 30; jd += 1.0 / 1440) {
    CentralMeridian(jd, state);
    highest = std::max(highest, state.SystemI);
  }
  EXPECT_GT(highest, 360.0);  // the correction adds about 0.8 degrees today
  EXPECT_LT(highest, 361.0);

  double lowest = 360;
  for (JulianDay jd = 2341972.5; jd < 2400000.5; jd += 0.37) {  // 1700 to 1858
    CentralMeridian(jd, state);
    lowest = std::min(lowest, state.SystemII);
  }
  EXPECT_LT(lowest, 0.0);
  EXPECT_GT(lowest, -0.1);
}

TEST(Ephemeris, StaysFiniteAndInRangeFromYearZeroToNineThousandNineHundredNinetyNine) {
  const JulianDay last = JulianDayFromDate(31, 12, 9999, 23, 59, 59, 0);
  JupiterState state;
  for (JulianDay jd = JulianDayFromDate(1, 1, 0, 0, 0, 0, 0); jd <= last; jd += 3.7) {
    c(jd, state);
    ASSERT_TRUE(std::isfinite(state.SystemI) && std::isfinite(state.SystemII)) << jd;
    for (int i = 1; i <= 4; ++i) {
      ASSERT_TRUE(std::isfinite(state.X[i]) && std::isfinite(state.Y[i])) << jd;
      ASSERT_GE(state.U[i], 0.0) << jd;
      ASSERT_LT(state.U[i], kTwoPi) << jd;
      ASSERT_LT(std::fabs(state.Perturbation[i]), 0.019) << jd;
      ASSERT_LE(std::hypot(state.X[i], state.Y[i]), state.Radius[i]) << jd;
    }
  }
}

TEST(Ephemeris, RepeatsExactlyWhateverTheStateHeldBefore) {
  for (const JulianDay jd : {1721057.5, 2451545.0, 2460000.123456, 5373484.0}) {
    JupiterState first;
    c(jd, first);
    JupiterState second = first;
    // The view's depth sort reorders U[0..4] in place; another instant overwrites the rest.
    second.U[0] = kTwoPi / 4;
    std::reverse(second.U.begin(), second.U.end());
    c(jd + 1234.5, second);
    std::reverse(second.U.begin(), second.U.end());
    c(jd, second);
    EXPECT_EQ(second.X, first.X);
    EXPECT_EQ(second.Y, first.Y);
    EXPECT_EQ(second.Radius, first.Radius);
    EXPECT_EQ(second.Perturbation, first.Perturbation);
    EXPECT_TRUE(std::equal(first.U.begin() + 1, first.U.end(), second.U.begin() + 1));
    EXPECT_EQ(second.SystemI, first.SystemI);
    EXPECT_EQ(second.SystemII, first.SystemII);
  }
}

}  // namespace
}  // namespace kelvra
