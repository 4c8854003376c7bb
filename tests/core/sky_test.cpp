#include "core/sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kelvra {
namespace {

constexpr ObserverSite kBerlin{52.52, 13.40, 34};
constexpr ObserverSite kSydney{-33.87, 151.21, 58};
constexpr ObserverSite kTaveuni{-16.80, 180.0, 10};  // on the date line
constexpr ObserverSite kApia{-13.83, -171.76, 2};    // just east of it
constexpr ObserverSite kMaunaKea{19.82, -155.47, 4205};
constexpr ObserverSite kDeadSea{31.50, 35.50, -430};
constexpr ObserverSite kLongyearbyen{78.22, 15.65, 10};
constexpr ObserverSite kMcmurdo{-77.85, 166.67, 10};
constexpr ObserverSite kNorthPole{90.0, 0.0, 0};

constexpr double kMinute = 1.0 / 1440;  // days
constexpr double kNone = 0;             // a table's "does not happen"

// The stated accuracy against an independent computation: altitude 0.02 degrees, azimuth
// 0.02 degrees over the cosine of the altitude (the same distance on the sky).
void expectNear(const Horizontal& got, double altitude, double azimuth) {
  EXPECT_NEAR(got.altitudeDeg, altitude, 0.02);
  const double azimuthMiss = std::remainder(got.azimuthDeg - azimuth, 360.0);
  EXPECT_LT(std::abs(azimuthMiss) * std::cos(altitude * 0.017453292519943295), 0.02)
      << "azimuth " << got.azimuthDeg << ", expected " << azimuth;
}

TEST(SkyHorizontal, AgreesWithAnIndependentComputation) {
  // astronomy-engine 2.1.19: Equator(of date, with aberration, topocentric), then Horizon
  // without refraction; printed by tools/sky-reference. Degrees.
  const struct {
    ObserverSite site;
    JulianDay ut;
    double jupiterAltitude, jupiterAzimuth, sunAltitude, sunAzimuth;
  } cases[] = {
      {kBerlin, 2461383.384722, 4.5932, 74.0733, -54.1999, 316.0791},
      {kBerlin, 2461484.625000, 9.9439, 284.1634, -19.8730, 62.4447},
      {kSydney, 2461384.187500, 33.6628, 38.7559, -21.3684, 139.9069},
      {kTaveuni, 2461405.989583, 29.6125, 63.0393, -49.8850, 186.4181},
      {kApia, 2461406.750000, -41.5880, 83.9805, -1.2509, 245.9127},
      {kMaunaKea, 2458644.847222, 38.1770, 143.0867, -37.9611, 323.8882},
      {kDeadSea, 2458645.420139, 35.6315, 188.1323, -35.0667, 7.7327},
      {kLongyearbyen, 2461394.500000, 21.4730, 132.0856, -34.6784, 18.2717},
      {kMcmurdo, 2458499.000000, 11.1062, 153.8184, 9.3919, 194.7886},
      {kNorthPole, 2461213.000000, 20.9501, 149.3559, 23.4357, 179.5461},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "site " << c.site.latitudeDeg << ", " << c.site.longitudeDeg
                                    << " at JD " << c.ut);
    expectNear(JupiterHorizontal(c.ut, c.site), c.jupiterAltitude, c.jupiterAzimuth);
    expectNear(SunHorizontal(c.ut, c.site), c.sunAltitude, c.sunAzimuth);
  }
}

TEST(SkyHorizontal, TreatsBothSidesOfTheDateLineAsOnePlace) {
  const ObserverSite west{kTaveuni.latitudeDeg, -180.0, kTaveuni.heightM};
  for (const JulianDay ut : {2461405.989583, 2461406.3}) {
    const Horizontal east = JupiterHorizontal(ut, kTaveuni), other = JupiterHorizontal(ut, west);
    EXPECT_NEAR(east.altitudeDeg, other.altitudeDeg, 1e-9);
    EXPECT_NEAR(std::remainder(east.azimuthDeg - other.azimuthDeg, 360.0), 0, 1e-9);
  }
}

TEST(JupiterRiseTransitSet, AgreesWithAnIndependentComputationWithinAMinute) {
  // astronomy-engine 2.1.19: SearchAltitude(-0.5667 degrees, the centre, no refraction) for
  // rise and set, SearchHourAngle(0) for the transit, each the first from the window's start;
  // printed by tools/sky-reference. Julian days, UT; kNone: not in [from, from + 1 day).
  const struct {
    ObserverSite site;
    JulianDay from, rise, transit, set;
  } cases[] = {
      {kBerlin, 2461382.500000, 2461383.359792, 2461382.664331, 2461382.966185},
      // Two minutes before a rise: the next rise, a sidereal day on, is in the window too.
      {kBerlin, 2461383.358403, 2461383.359792, 2461383.661642, 2461383.963491},
      {kSydney, 2461383.500000, 2461384.051168, 2461384.277173, 2461383.505874},
      {kTaveuni, 2461406.000000, 2461406.893716, 2461406.135984, 2461406.375374},
      {kApia, 2461406.500000, 2461406.868776, 2461407.110271, 2461407.351757},
      {kMaunaKea, 2458644.500000, 2458644.704946, 2458644.932285, 2458645.159628},
      {kDeadSea, 2458644.500000, 2458645.189665, 2458645.400352, 2458644.614140},
      // Jupiter circumpolar (2026, declination +17 degrees) and never up (2019, -22).
      {kLongyearbyen, 2461394.500000, kNone, 2461394.625265, kNone},
      {kLongyearbyen, 2458644.500000, kNone, 2458645.455319, kNone},
      {kMcmurdo, 2458498.500000, kNone, 2458499.421800, kNone},
      {kMcmurdo, 2461394.500000, kNone, 2461395.204145, kNone},
  };
  const auto expectInstant = [](const std::optional<JulianDay>& got, JulianDay expected,
                                const char* what) {
    if (expected == kNone) {
      EXPECT_FALSE(got) << what << " at JD " << *got;
    } else {
      ASSERT_TRUE(got) << what << " missing";
      EXPECT_NEAR(*got, expected, kMinute) << what;
    }
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "site " << c.site.latitudeDeg << ", " << c.site.longitudeDeg
                                    << " from JD " << c.from);
    const RiseTransitSet got = JupiterRiseTransitSet(c.from, c.site);
    expectInstant(got.rise, c.rise, "rise");
    expectInstant(got.transit, c.transit, "transit");
    expectInstant(got.set, c.set, "set");
  }
}

TEST(JupiterRiseTransitSet, StaysFiniteAndInItsDayInEveryYear) {
  // Years 0..9999 in steps of 97 years and a few days, at sites from pole to pole; the
  // planets and Delta T are extrapolations far from the present, but the results must keep
  // their meaning: angles in range, instants inside the day, rise and set at their altitude.
  const ObserverSite sites[] = {kNorthPole, kLongyearbyen, kBerlin, kTaveuni, kMcmurdo};
  for (JulianDay from = 1721057.5; from < 5373484.5; from += 97 * 365.25 + 3.3) {
    for (const ObserverSite& site : sites) {
      SCOPED_TRACE(testing::Message() << "site " << site.latitudeDeg << " from JD " << from);
      for (const Horizontal h : {JupiterHorizontal(from, site), SunHorizontal(from, site)}) {
        ASSERT_TRUE(h.altitudeDeg >= -90 && h.altitudeDeg <= 90) << h.altitudeDeg;
        ASSERT_TRUE(h.azimuthDeg >= 0 && h.azimuthDeg < 360) << h.azimuthDeg;
      }
      const RiseTransitSet day = JupiterRiseTransitSet(from, site);
      ASSERT_TRUE(day.transit);  // the meridian passage happens every day
      for (const auto& instant : {day.rise, day.transit, day.set}) {
        if (instant) {
          ASSERT_TRUE(*instant >= from && *instant < from + 1) << *instant - from;
        }
      }
      for (const auto& instant : {day.rise, day.set}) {
        if (instant) {
          EXPECT_NEAR(JupiterHorizontal(*instant, site).altitudeDeg, -0.5667, 1e-3);
        }
      }
    }
  }
}

// A shown altitude must never seem to meet the limit it failed: the Sun at -5.98 under a limit
// of -6 read "-6.0" in a greyed line's tooltip.
TEST(ShownSky, RoundsAFailedAltitudeAwayFromItsLimit) {
  const VisibilityLimits limits{5, -6};  // degrees
  struct Case {
    double jupiter, sun;            // degrees, as SkyAt gives them
    double shownJupiter, shownSun;  // degrees, one decimal
  };
  const Case cases[] = {
      {4.97, -5.98, 4.9, -5.9},  // both failed: away from 5 and from -6
      {5.04, -6.04, 5.0, -6.0},  // both met: to the nearest tenth, the limit itself shown
      {4.9, -5.9, 4.9, -5.9},    // failed on a tenth already: kept, not pushed a tenth on
      {34.26, -12.34, 34.3, -12.3},
      {-0.04, -6.0, -0.1, -6.0},  // Jupiter just under the horizon, the Sun at its limit
  };
  for (const Case& c : cases) {
    const SkyAtInstant shown = ShownSky({c.jupiter, c.sun, false}, limits);
    EXPECT_DOUBLE_EQ(shown.jupiterAltitudeDeg, c.shownJupiter) << c.jupiter;
    EXPECT_DOUBLE_EQ(shown.sunAltitudeDeg, c.shownSun) << c.sun;
  }
}

}  // namespace
}  // namespace kelvra
