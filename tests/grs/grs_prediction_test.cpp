#include "ui/grs/grs_prediction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calendar.h"

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

TEST(PredictGRSTransits, UniversalTimeIgnoresAndKeepsTheTimeZoneOffset) {
  const auto expected = PredictGRSTransits(2000, 1, 65, false, 0);
  const ScopedTimeZoneOffset zone(-300);
  const auto rows = PredictGRSTransits(2000, 1, 65, false, -300);
  EXPECT_EQ(TimeZoneOffset, -300);
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(texts(rows[i].times), texts(expected[i].times)) << "day " << i + 1;
}

TEST(PredictGRSTransits, LocalTimeCountsFromLocalMidnight) {
  // One hour east of Greenwich: local day 2 of January 2000 runs from 23:00 UT on day 1.
  // The UT transits 04:52 and 14:48 of day 2 fall at 05:52 and 15:48 local; the next one,
  // 00:43 UT on day 3, is already local day 3. The meridian is read an hour earlier, so a
  // minute of rounding may differ.
  const ScopedTimeZoneOffset zone(0);
  const auto rows = PredictGRSTransits(2000, 1, 65, true, -60);
  EXPECT_EQ(TimeZoneOffset, 0);
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
