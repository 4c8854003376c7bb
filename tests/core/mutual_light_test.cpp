#include "core/mutual_light.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/calendar.h"
#include "core/moon_event_list.h"

namespace kelvra {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(DiscOverlapArea, IsNoneApartTheSmallerDiscInsideAndTheLensBetween) {
  EXPECT_EQ(DiscOverlapArea(1, 2, 3), 0);
  EXPECT_EQ(DiscOverlapArea(1, 2, 3.5), 0);
  EXPECT_DOUBLE_EQ(DiscOverlapArea(1, 3, 1.5), kPi);
  EXPECT_DOUBLE_EQ(DiscOverlapArea(3, 1, -1.5), kPi);
  // Two unit discs, each centre on the other's edge: 2π/3 − √3/2.
  EXPECT_NEAR(DiscOverlapArea(1, 1, 1), 2 * kPi / 3 - std::sqrt(3.0) / 2, 1e-12);
  // Continuous at both tangencies.
  EXPECT_NEAR(DiscOverlapArea(1, 2, 3 - 1e-9), 0, 1e-6);
  EXPECT_NEAR(DiscOverlapArea(1, 2, 1 + 1e-9), kPi, 1e-6);
}

TEST(OccultedShareOfPair, WeighsEachDiscByItsAreaAndAlbedo) {
  // Equal moons, one wholly in front of the other: half the pair's light.
  EXPECT_NEAR(OccultedShareOfPair(0, 1, 1, 0.5, 0.5), 0.5, 1e-12);
  EXPECT_EQ(OccultedShareOfPair(2.5, 1, 1, 0.5, 0.5), 0);
  // A dark large moon over a bright small one hides all of the small one's light.
  const double share = OccultedShareOfPair(0.1, 2, 1, 0.17, 0.63);
  EXPECT_NEAR(share, 0.63 / (0.17 * 4 + 0.63), 1e-12);
  // Half the passive disc covered by a straight-edged giant in front: half its light.
  EXPECT_NEAR(OccultedShareOfPair(1e6, 1e6, 1, 0, 1), 0.5, 1e-5);
}

TEST(EclipsedShareOfMoon, CountsTheUmbraWhollyAndThePenumbraByTheSunHidden) {
  const double active = 1821.6;  // Io
  const double umbra = 1200;     // km: some 700 000 km behind it
  EXPECT_NEAR(EclipsedShareOfMoon(100, umbra, active, 1000), 1, 1e-9);  // inside the umbra
  // q = 621.6 / (kSunRadius - active); the penumbra's radius then 1821.6 + q (kSunRadius + active).
  const double q = (active - umbra) / (kSunRadius - active);
  const double penumbra = active + q * (kSunRadius + active);
  EXPECT_EQ(EclipsedShareOfMoon(penumbra + 1000, umbra, active, 999), 0);
  // A moon far larger than the whole shadow, centred on it, loses what the active moon stops:
  // its cross-section, spread over the shadow's plane by (1 + q)².
  const double big = 20000;
  EXPECT_NEAR(EclipsedShareOfMoon(0, umbra, active, big),
              active * active * (1 + q) * (1 + q) / (big * big), 1e-4);
  // Beyond the apex (annular, the Sun's ring around the moon): a small moon on the axis loses
  // the share of the Sun's disc the active moon covers, (active / sun)².
  const double antumbra = -300;
  const double qa = (active - antumbra) / (kSunRadius - active);
  const double sun = kSunRadius * qa / (1 + qa);
  EXPECT_NEAR(EclipsedShareOfMoon(0, antumbra, active, 10), active * active / (sun * sun), 1e-3);
  // Shallower the farther out. A tiny moon midway across the penumbra sees the Sun's centre on
  // the active moon's limb: a little under half the Sun hidden, as the limb bulges away.
  EXPECT_GT(EclipsedShareOfMoon(umbra + 200, umbra, active, 1000),
            EclipsedShareOfMoon(umbra + 400, umbra, active, 1000));
  const double sunThere = kSunRadius * q / (1 + q);
  const double midway = EclipsedShareOfMoon((umbra + penumbra) / 2, umbra, active, 1);
  EXPECT_NEAR(midway, DiscOverlapArea(active, sunThere, active) / (kPi * sunThere * sunThere),
              1e-4);
  EXPECT_LT(midway, 0.5);
  EXPECT_GT(midway, 0.4);
}

// Events of the season checked against what their geometry must give.
TEST(MutualLightLost, MatchesTheGeometryOfEventsOf2026) {
  const JulianDay october = JulianDayFromDate(1, 10, 2026, 0, 0, 0, 0);
  int totals = 0, annulars = 0;
  for (const MutualEvent& e : FindMutualEvents(october, 31)) {
    const double lost = MutualLightLost(e);
    EXPECT_GE(lost, 0);
    EXPECT_LE(lost, 1);
    if (e.kind == MutualEventKind::Occultation && e.total) {
      // The passive moon wholly hidden: its share of the pair, by area and albedo (the two
      // moons' distances differ by a few parts in a thousand).
      const double a = kMoonAlbedo[e.active] * kMoonRadius[e.active] * kMoonRadius[e.active];
      const double p = kMoonAlbedo[e.passive] * kMoonRadius[e.passive] * kMoonRadius[e.passive];
      EXPECT_NEAR(lost, p / (a + p), 0.005) << MutualEventCode(e);
      ++totals;
    }
    if (e.kind == MutualEventKind::Eclipse && e.annular) {
      // The umbra's disc wholly on the moon, the penumbra's ring around it partly.
      EXPECT_GT(lost, e.magnitude * e.magnitude) << MutualEventCode(e);
      ++annulars;
    }
  }
  EXPECT_GT(totals, 0);
  EXPECT_GT(annulars, 0);
}

}  // namespace
}  // namespace kelvra
