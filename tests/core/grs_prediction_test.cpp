#include "core/grs_prediction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "core/ephemeris.h"

namespace kelvra {
namespace {

std::vector<std::string> texts(const std::vector<GRSTime>& times) {
  std::vector<std::string> result;
  for (const GRSTime& time : times) result.push_back(time.text);
  return result;
}

using Texts = std::vector<std::string>;

// Minutes after the day's start of each transit.
std::vector<int> minutesOf(const std::vector<GRSTime>& times) {
  std::vector<int> result;
  for (const GRSTime& time : times) result.push_back(time.hour * 60 + time.minute);
  return result;
}

TEST(PredictGRSTransits, ListsJanuary2000InUniversalTime) {
  // Worked example for longitude 65: day 1 starts at System II 98.47, day 2 at 248.63,
  // day 3 at 38.77.
  const auto rows = PredictGRSTransits(2000, 1, 65, false, 0);
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(rows[0].day, 1);
  EXPECT_EQ(texts(rows[0].times), (Texts{"09:00;", "18:56;"}));
  EXPECT_EQ(rows[1].day, 2);
  EXPECT_EQ(texts(rows[1].times), (Texts{"04:52;", "14:48;"}));
  EXPECT_EQ(rows[2].day, 3);
  EXPECT_EQ(texts(rows[2].times), (Texts{"00:43;", "10:39;", "20:35;"}));
}

TEST(PredictGRSTransits, GivesOneNumberedRowPerDayOfTheMonth) {
  struct Month {
    int year, month;
    std::size_t days;
  };
  // Gregorian leap years: 2000 is one, 1900 and 2023 are not.
  for (const Month m : {Month{2000, 2, 29}, Month{1900, 2, 28}, Month{2023, 2, 28},
                        Month{2023, 4, 30}, Month{2023, 12, 31}}) {
    const auto rows = PredictGRSTransits(m.year, m.month, 65, false, 0);
    ASSERT_EQ(rows.size(), m.days) << m.year << "-" << m.month;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].day, static_cast<int>(i + 1));
      EXPECT_GE(rows[i].times.size(), 2u);
      EXPECT_LE(rows[i].times.size(), 3u);
    }
  }
}

TEST(PredictGRSTransits, UniversalTimeIgnoresTheTimeZoneOffset) {
  const auto expected = PredictGRSTransits(2000, 1, 65, false, 0);
  const auto rows = PredictGRSTransits(2000, 1, 65, false, -300);
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(texts(rows[i].times), texts(expected[i].times)) << "day " << i + 1;
}

TEST(PredictGRSTransits, LocalTimeCountsFromLocalMidnight) {
  // One hour east of Greenwich: local day 2 of January 2000 runs from 23:00 UT on day 1.
  // The UT transits 04:52 and 14:48 of day 2 fall at 05:52 and 15:48 local; the next one,
  // 00:43 UT on day 3, is already local day 3. The meridian is read an hour earlier, so a
  // minute of rounding may differ.
  const auto rows = PredictGRSTransits(2000, 1, 65, true, -60);
  const std::vector<int> minutes = minutesOf(rows[1].times);
  ASSERT_EQ(minutes.size(), 2u);
  EXPECT_NEAR(minutes[0], 5 * 60 + 52, 1);
  EXPECT_NEAR(minutes[1], 15 * 60 + 48, 1);
}

TEST(PredictGRSTransits, ReducesTheStoredLongitudeToOneTurn) {
  // A stored 400 is the Red Spot at 40; 999 is 279, 360 is 0 and -20 (a damaged file) is 340.
  // Unreduced, 400 would lose each day's first transit and 999 would list none at all.
  const std::pair<int, int> same[] = {{400, 40}, {999, 279}, {360, 0}, {-20, 340}};
  for (const auto& [stored, reduced] : same) {
    const auto rows = PredictGRSTransits(2023, 3, stored, false, 0);
    const auto expected = PredictGRSTransits(2023, 3, reduced, false, 0);
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(texts(rows[i].times), texts(expected[i].times))
          << "longitude " << stored << ", day " << i + 1;
    }
  }
}

constexpr JulianDay kJanuary2000 = 2451544.5;  // 2000-01-01 0h UT
constexpr JulianDay kMarch2000 = 2451604.5;    // 2000-03-01 0h UT
constexpr JulianDay kJanuary2026 = 2461041.5;  // 2026-01-01 0h UT

// The lists without drift as they have always been made: each day's own 0h meridian against
// the stored longitude.
std::vector<std::vector<std::string>> undriftedLists(int year, int month, std::int32_t longitude,
                                                     bool localTime, std::int32_t zone) {
  const JulianDay start =
      JulianDayFromDate(1, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year), 0,
                        0, 0, localTime ? zone : 0);
  std::vector<std::vector<std::string>> lists;
  JupiterState state;
  for (int day = 0;
       day < DaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
       ++day) {
    CentralMeridian(start + day, state);
    lists.push_back(texts(GRSTransitsOfDay(longitude, state.SystemII)));
  }
  return lists;
}

TEST(PredictGRSTransits, WithoutDriftGivesTheListsOfBefore) {
  // Any epoch, even none at all, leaves a drift of 0 without effect, in both time bases and
  // in zones from -12 h to +14 h.
  const JulianDay epochs[] = {0, kJanuary2000, 1e9, std::nan("")};
  const std::pair<bool, std::int32_t> bases[] = {
      {false, 0}, {true, -720}, {true, -60}, {true, 330}, {true, 840}};
  for (int year = 1995; year <= 2035; year += 5) {
    for (int month = 1; month <= 12; ++month) {
      for (const auto& [localTime, zone] : bases) {
        for (const std::int32_t longitude : {0, 65, 359, 400}) {
          const auto expected = undriftedLists(year, month, longitude, localTime, zone);
          const auto plain = PredictGRSTransits(year, month, longitude, localTime, zone);
          const RedSpotDrift none{0, epochs[(year + month) % 4]};
          const auto drifted = PredictGRSTransits(year, month, longitude, none, localTime, zone);
          ASSERT_EQ(plain.size(), expected.size());
          ASSERT_EQ(drifted.size(), expected.size());
          for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(texts(plain[i].times), expected[i]);
            EXPECT_EQ(texts(drifted[i].times), expected[i])
                << year << "-" << month << "-" << i + 1 << " zone " << zone << " longitude "
                << longitude;
          }
        }
      }
    }
  }
}

TEST(PredictGRSTransits, WorkedExampleHoldsWithADriftOfZero) {
  const auto rows = PredictGRSTransits(2000, 1, 65, RedSpotDrift{0, kMarch2000}, false, 0);
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(texts(rows[0].times), (Texts{"09:00;", "18:56;"}));
  EXPECT_EQ(texts(rows[1].times), (Texts{"04:52;", "14:48;"}));
  EXPECT_EQ(texts(rows[2].times), (Texts{"00:43;", "10:39;", "20:35;"}));
}

TEST(PredictGRSTransits, NegativeDriftBringsTransitsForward) {
  // -9.9 degrees a month from 2000-01-01 0h UT: day 3 (two days on) has the spot at
  // 65 - 9.9 * 2 / 30.436875 = 64.3495; with System II 38.773 at its start the first transit
  // is 25.5765 degrees away, 0.70533 h = 00:42, a minute before the undrifted 00:43. By the
  // third transit the spot has gone back a further 0.28 degrees: 20:33, not the 20:34 that
  // its place at the day's start would give.
  const auto rows = PredictGRSTransits(2000, 1, 65, RedSpotDrift{-9.9, kJanuary2000}, false, 0);
  EXPECT_EQ(texts(rows[0].times), (Texts{"09:00;", "18:56;"}));  // day 1 is the epoch itself
  EXPECT_EQ(texts(rows[2].times), (Texts{"00:42;", "10:38;", "20:33;"}));
}

TEST(PredictGRSTransits, EpochAfterTheMonthCountsBackwards) {
  // +1.5 degrees a month measured on 2000-03-01: on 2000-01-03, 58 days earlier, the spot stood
  // at 65 - 1.5 * 58 / 30.436875 = 62.1416; 23.3686 degrees past System II 38.773 is 00:39.
  const auto rows = PredictGRSTransits(2000, 1, 65, RedSpotDrift{1.5, kMarch2000}, false, 0);
  EXPECT_EQ(texts(rows[2].times), (Texts{"00:39;", "10:34;", "20:30;"}));
}

TEST(PredictGRSTransits, DriftCarriesTheSpotPastOneTurnWithinTheMonth) {
  // 359 degrees and +9.9 a month from 2000-09-01 0h UT: on day 13 the spot is at
  // 359 + 9.9 * 12 / 30.436875 = 362.903, that is 2.903, and System II starts the day at
  // 1.421: the spot is 1.482 degrees ahead, 00:02. Left at 362.903 it would be a turn further
  // on, and the day would lose that first transit.
  constexpr JulianDay kSeptember2000 = 2451788.5;  // 2000-09-01 0h UT
  const auto rows = PredictGRSTransits(2000, 9, 359, RedSpotDrift{9.9, kSeptember2000}, false, 0);
  ASSERT_EQ(rows.size(), 30u);
  EXPECT_EQ(texts(rows[0].times), (Texts{"00:01;", "09:57;", "19:53;"}));  // System II 358.131
  EXPECT_EQ(texts(rows[12].times), (Texts{"00:02;", "09:58;", "19:54;"}));
  // 8.433 against 36.794 at the day's start; by the second transit the spot has moved on
  // 0.26 degrees, a minute later.
  EXPECT_EQ(texts(rows[29].times), (Texts{"09:09;", "19:05;"}));
}

TEST(PredictGRSTransits, LocalTimeListsTheUniversalTimeTransitsOfItsHours) {
  // Ten hours west of Greenwich, local 1 January 2000 runs from 10h UT on the 1st to 10h UT on
  // the 2nd. A fast drift (300 degrees a month, 4.1 in those ten hours) would move the local
  // list by minutes if the spot were taken at local midnight rather than at each transit.
  const RedSpotDrift drift{300, kJanuary2000};
  const auto universal = PredictGRSTransits(2000, 1, 65, drift, false, 0);
  EXPECT_EQ(texts(universal[0].times), (Texts{"09:07;", "19:09;"}));
  EXPECT_EQ(texts(universal[1].times), (Texts{"05:12;", "15:14;"}));
  const auto local = PredictGRSTransits(2000, 1, 65, drift, true, 600);
  EXPECT_EQ(texts(local[0].times), (Texts{"09:09;", "19:12;"}));  // 19:09 and 05:12 UT
}

constexpr JulianDay kNovember2026 = 2461359.5;  // 2026-11-15 0h UT

TEST(PredictGRSTransits, ListsADriftingTransitNearMidnightOnceOnItsDay) {
  // +9.9 a month from 2026-11-15 at longitude 85, UT: the transit in the first half minute of
  // 14 May 2028 was also listed as 23:59 on the 13th.
  const auto may = PredictGRSTransits(2028, 5, 85, RedSpotDrift{9.9, kNovember2026}, false, 0);
  EXPECT_EQ(texts(may[12].times), (Texts{"04:08;", "14:04;"}));
  EXPECT_EQ(texts(may[13].times), (Texts{"00:00;", "09:56;", "19:52;"}));
  // -9.9 at longitude 341 in local time at UTC+13: the transit in the last half minute of
  // 7 October 2029 was on neither day.
  const auto october =
      PredictGRSTransits(2029, 10, 341, RedSpotDrift{-9.9, kNovember2026}, true, -780);
  EXPECT_EQ(texts(october[6].times), (Texts{"04:09;", "14:04;", "24:00;"}));
  EXPECT_EQ(texts(october[7].times), (Texts{"09:55;", "19:51;"}));
}

TEST(PredictGRSTransits, ListsEveryTransitOfADriftingSpotOnceAtItsInstant) {
  // Month after month with the fastest drifts the dialog takes, in three time bases: each
  // listed minute has the spot on the meridian within the half minute of rounding (0.30
  // degrees at 870.27 a day), and follows the one before, across days and months, by one
  // rotation (595.7 minutes, give or take the rounding and the drift).
  const std::pair<bool, std::int32_t> bases[] = {{false, 0}, {true, -780}, {true, 300}};
  JupiterState state;
  for (const double perMonth : {9.9, -9.9}) {
    for (const std::int32_t longitude : {85, 341}) {
      for (const auto& [localTime, zone] : bases) {
        const RedSpotDrift drift{perMonth, kNovember2026};
        double previous = std::nan("");  // minutes from 2026-01-01 0h of the list's basis
        for (int year = 2026; year <= 2031; ++year) {
          for (int month = 1; month <= 12; ++month) {
            char date[16];
            std::snprintf(date, sizeof date, "%04d-%02d-01", year, month);
            const JulianDay monthStart = *ParseISODate(date) + zone / 1440.0;  // days, UT
            const auto rows = PredictGRSTransits(year, month, longitude, drift, localTime, zone);
            for (const GRSDayTransits& row : rows) {
              for (const GRSTime& time : row.times) {
                const double minutes = (row.day - 1) * 1440.0 + time.hour * 60 + time.minute;
                const JulianDay instant = monthStart + minutes / 1440;
                CentralMeridian(instant, state);
                const double apart = std::remainder(
                    RedSpotLongitudeAt(longitude, drift, instant) - state.SystemII, 360.0);
                const double since2026 = (instant - kJanuary2026) * 1440;
                const std::string where =
                    std::string(date) + " day " + std::to_string(row.day) + " " + time.text;
                EXPECT_LE(std::fabs(apart), 0.31) << where << " zone " << zone;
                if (!std::isnan(previous)) {
                  EXPECT_NEAR(since2026 - previous, 595.7, 2.5) << where << " zone " << zone;
                }
                previous = since2026;
              }
            }
          }
        }
      }
    }
  }
}

TEST(PredictGRSTransits, EndsWhateverTheDrift) {
  // Drifts no dialog takes, up to a spot that keeps pace with the meridian or outruns it:
  // the list still ends, one row a day, each day's times in order.
  for (const double perMonth : {26488.3, 79464.0, 1e5, -1e5, 1e9, 1e300}) {
    const auto rows =
        PredictGRSTransits(2027, 3, 65, RedSpotDrift{perMonth, kNovember2026}, false, 0);
    ASSERT_EQ(rows.size(), 31u) << perMonth;
    for (const GRSDayTransits& row : rows) {
      const std::vector<int> minutes = minutesOf(row.times);
      EXPECT_TRUE(std::is_sorted(minutes.begin(), minutes.end())) << perMonth;
    }
  }
}

TEST(RedSpotLongitudeAt, DriftsFromTheEpochAndStaysInOneTurn) {
  const RedSpotDrift drift{1.5, kJanuary2000};
  // The epoch is a day count near 2.45 million, so a few 1e-10 days of rounding remain.
  EXPECT_EQ(RedSpotLongitudeAt(65, drift, kJanuary2000), 65);
  EXPECT_NEAR(RedSpotLongitudeAt(65, drift, kJanuary2000 + 30.436875), 66.5, 1e-9);
  EXPECT_NEAR(RedSpotLongitudeAt(65, drift, kJanuary2000 - 2 * 30.436875), 62, 1e-9);
  // Ten years at +1.5 a month is 180 degrees, from 300 to 480, that is 120.
  EXPECT_NEAR(RedSpotLongitudeAt(300, drift, kJanuary2000 + 120 * 30.436875), 120, 1e-9);
  // Negative drift below 0: 1 - 3 = -2, that is 358.
  EXPECT_NEAR(RedSpotLongitudeAt(1, {-1.5, kJanuary2000}, kJanuary2000 + 2 * 30.436875), 358, 1e-9);
  // The stored longitude is reduced as before: 400 is 40, -20 is 340.
  EXPECT_EQ(RedSpotLongitudeAt(400, {}, kJanuary2000), 40);
  EXPECT_EQ(RedSpotLongitudeAt(-20, {}, kJanuary2000), 340);
}

TEST(RedSpotLongitudeAt, NeverReturnsAFullTurn) {
  // A drift of 1e-14 degrees below 0 must not come back as 360 after the turn is added.
  const RedSpotDrift tiny{-1e-14, kJanuary2000};
  const double longitude = RedSpotLongitudeAt(0, tiny, kJanuary2000 + 30.436875);
  EXPECT_GE(longitude, 0);
  EXPECT_LT(longitude, 360);
}

TEST(RedSpotLongitudeAt, TreatsADriftThatIsNoNumberAsNone) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(RedSpotLongitudeAt(65, {std::nan(""), kJanuary2000}, kJanuary2000 + 40), 65);
  EXPECT_EQ(RedSpotLongitudeAt(65, {inf, kJanuary2000}, kJanuary2000 + 40), 65);
  EXPECT_EQ(RedSpotLongitudeAt(65, {1.5, inf}, kJanuary2000), 65);
  const auto rows = PredictGRSTransits(2000, 1, 65, RedSpotDrift{std::nan(""), 0}, false, 0);
  EXPECT_EQ(texts(rows[2].times), (Texts{"00:43;", "10:39;", "20:35;"}));
}

TEST(GRSTransitsOfDay, MatchesTheWorkedExamples) {
  // Longitude 65; the first column is System II at the day's start.
  EXPECT_EQ(texts(GRSTransitsOfDay(65, 300)), (Texts{"03:27;", "13:23;", "23:18;"}));
  EXPECT_EQ(texts(GRSTransitsOfDay(65, 200)), (Texts{"06:12;", "16:08;"}));
  EXPECT_EQ(texts(GRSTransitsOfDay(65, 10)), (Texts{"01:31;", "11:27;", "21:22;"}));
  EXPECT_EQ(texts(GRSTransitsOfDay(65, 64.5)), (Texts{"00:01;", "09:57;", "19:52;"}));
}

TEST(GRSTransitsOfDay, ListsAThirdTransitOnlyWhenTheFirstComesEarlyEnough) {
  // Three transits fit when the first is less than 870.27 - 720 = 150.27 degrees away.
  EXPECT_EQ(GRSTransitsOfDay(0, 360 - 150.2).size(), 3u);
  EXPECT_EQ(GRSTransitsOfDay(0, 360 - 150.3).size(), 2u);
}

TEST(GRSTransitsOfDay, RoundsTheLastHalfMinuteOfTheDayUpTo2400) {
  // System II 209.881 at the start puts the third transit at 23:59:45, 210.183 at 23:59:15.
  const auto late = GRSTransitsOfDay(0, 209.881);
  ASSERT_EQ(late.size(), 3u);
  EXPECT_EQ(late[2].hour, 24);
  EXPECT_EQ(late[2].minute, 0);
  EXPECT_EQ(late[2].text, "24:00;");
  EXPECT_EQ(GRSTransitsOfDay(0, 210.183)[2].text, "23:59;");
}

TEST(GRSTransitsOfDay, KeepsTimesPositiveWhenTheMeridianIsJustPastOneTurn) {
  // The time correction can leave System II a little above 360; 0 - 360.4 is raised to 359.6.
  EXPECT_EQ(texts(GRSTransitsOfDay(0, 360.4)), (Texts{"09:55;", "19:51;"}));
}

}  // namespace
}  // namespace kelvra
