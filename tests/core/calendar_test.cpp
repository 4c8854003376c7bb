#include "core/calendar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace kelvra {
namespace {

struct DatedDay {
  std::uint16_t year, month, day;
  JulianDay jd;  // days, at 00:00:00 Universal Time unless noted
};

// Standard Julian days (Meeus, Astronomical Algorithms, ch. 7; the reform of 1582).
const std::vector<DatedDay> kPublishedDays{
    {1582, 10, 15, 2299160.5}, {1582, 10, 4, 2299159.5}, {1900, 1, 1, 2415020.5},
    {1900, 3, 1, 2415079.5},   {2000, 2, 29, 2451603.5}, {2000, 3, 1, 2451604.5},
    {0, 3, 1, 1721117.5},      {0, 1, 1, 1721057.5},     {0, 2, 29, 1721116.5},
    {1, 1, 1, 1721423.5},
};

std::string Show(const CivilDateTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

// offset: minutes, UT = local + offset.
testing::AssertionResult RoundTrips(const CivilDateTime& t, std::int32_t offset) {
  const CivilDateTime back = CalDate(
      JulianDayFromDate(t.day, t.month, t.year, t.hour, t.minute, t.second, offset), offset);
  if (Show(back) == Show(t)) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << Show(t) << " came back as " << Show(back) << " at offset " << offset;
}

TEST(JulianDayFromDate, GivesPublishedDaysAcrossTheCalendarReform) {
  EXPECT_EQ(JulianDayFromDate(1, 1, 2000, 12, 0, 0, 0), 2451545.0);
  for (const DatedDay& d : kPublishedDays) {
    EXPECT_EQ(JulianDayFromDate(d.day, d.month, d.year, 0, 0, 0, 0), d.jd)
        << d.year << '-' << d.month << '-' << d.day;
  }
  // The ten skipped days count in the Julian calendar: 1582-10-10 is the day of 1582-10-20.
  EXPECT_EQ(JulianDayFromDate(10, 10, 1582, 0, 0, 0, 0), 2299165.5);
  EXPECT_EQ(JulianDayFromDate(20, 10, 1582, 0, 0, 0, 0), 2299165.5);
}

TEST(JulianDayFromDate, ShiftsLocalTimeToUniversalTime) {
  // 00:30 an hour east of Greenwich is 23:30 UT the day before.
  EXPECT_NEAR(JulianDayFromDate(1, 1, 2000, 0, 30, 0, -60), 2451544.4791666667, 1e-9);
  EXPECT_NEAR(JulianDayFromDate(1, 1, 2000, 0, 30, 0, 60), 2451544.5625, 1e-9);
}

TEST(CalDate, InvertsPublishedDays) {
  EXPECT_EQ(Show(CalDate(2451545.0, 0)), "2000-01-01 12:00:00");
  for (const DatedDay& d : kPublishedDays) {
    EXPECT_EQ(Show(CalDate(d.jd, 0)), Show({d.year, d.month, d.day, 0, 0, 0}));
  }
}

TEST(CalDate, ShowsLocalTime) {
  EXPECT_EQ(Show(CalDate(2451545.0, -60)), "2000-01-01 13:00:00");
  EXPECT_EQ(Show(CalDate(2451545.0, 720)), "2000-01-01 00:00:00");
  EXPECT_EQ(Show(CalDate(2451544.9, 720)), "1999-12-31 21:36:00");
}

TEST(CalDate, IgnoresFloatingPointNoise) {
  const JulianDay fiveMinutes = 2451544.5 + 300.0 / 86400;
  EXPECT_EQ(Show(CalDate(fiveMinutes - 5e-6 / 86400, 0)), "2000-01-01 00:05:00");
  // A real fraction of a second still drops: 00:04:59.6 shows 04:59.
  EXPECT_EQ(Show(CalDate(2451544.5 + 299.6 / 86400, 0)), "2000-01-01 00:04:59");
  // Rounding up to midnight carries into the next day, month and year.
  EXPECT_EQ(Show(CalDate(2451544.5 - 0.0004 / 86400, 0)), "2000-01-01 00:00:00");
}

TEST(CalDate, RoundTripsEveryWholeSecondOfSampleDays) {
  const std::vector<CivilDateTime> days{{2000, 1, 1, 0, 0, 0},
                                        {2026, 12, 8, 0, 0, 0},
                                        {1582, 10, 15, 0, 0, 0},
                                        {9999, 12, 31, 0, 0, 0},
                                        {0, 2, 29, 0, 0, 0}};
  for (const std::int32_t offset : {-720, -330, -60, 0, 60, 345, 840}) {
    for (CivilDateTime t : days) {
      for (int s = 0; s < 86400; ++s) {
        t.hour = static_cast<std::uint16_t>(s / 3600);
        t.minute = static_cast<std::uint16_t>(s / 60 % 60);
        t.second = static_cast<std::uint16_t>(s % 60);
        ASSERT_TRUE(RoundTrips(t, offset));
      }
    }
  }
}

TEST(CalDate, RoundTripsEveryYearInEveryTimeZone) {
  for (std::int32_t offset = -720; offset <= 840; offset += 15) {
    for (int year = 0; year <= 9999; ++year) {
      const auto y = static_cast<std::uint16_t>(year);
      const auto h = static_cast<std::uint16_t>((year + 48 + offset / 15) % 24);
      const auto m = static_cast<std::uint16_t>(year % 60);
      // Before the reform February follows the Julian calendar, as JulianDayFromDate does.
      const std::uint16_t lastOfFebruary =
          year <= 1582 ? (year % 4 == 0 ? 29 : 28) : DaysInMonth(2, y);
      for (const CivilDateTime& t :
           {CivilDateTime{y, 1, 1, 0, 0, 0}, CivilDateTime{y, 2, lastOfFebruary, h, m, 59},
            CivilDateTime{y, 3, 1, h, 59, m}, CivilDateTime{y, 7, 15, 12, m, 30},
            CivilDateTime{y, 12, 31, 23, 59, 59}}) {
        ASSERT_TRUE(RoundTrips(t, offset));
      }
    }
  }
}

TEST(CalDate, AnimationStepsOfAnHourAddUpToTheNextDay) {
  for (const std::int32_t offset : {-600, 0, 330}) {
    for (const std::uint16_t hour : {0, 7, 23}) {
      JulianDay jd = JulianDayFromDate(31, 12, 2026, hour, 0, 0, offset);
      for (int step = 0; step < 24; ++step) jd += 60 * (1.0 / 1440);
      const CivilDateTime next{2027, 1, 1, hour, 0, 0};
      EXPECT_EQ(Show(CalDate(jd, offset)), Show(next)) << "offset " << offset;
    }
  }
}

TEST(DaysInMonth, AppliesTheGregorianLeapRuleToEveryYear) {
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  EXPECT_EQ(DaysInMonth(2, 2024), 29);
  EXPECT_EQ(DaysInMonth(2, 1900), 28);
  EXPECT_EQ(DaysInMonth(2, 1500), 28);  // Gregorian rule even before the reform
  EXPECT_EQ(DaysInMonth(2, 2023), 28);
  EXPECT_EQ(DaysInMonth(1, 2023), 31);
  EXPECT_EQ(DaysInMonth(4, 2023), 30);
  EXPECT_EQ(DaysInMonth(12, 0), 31);
}

TEST(ReduceAngle, KeepsEveryAngleWithinOneTurn) {
  constexpr double kTwoPi = 6.283185307179586;
  EXPECT_DOUBLE_EQ(ReduceAngle(-0.1), kTwoPi - 0.1);
  EXPECT_DOUBLE_EQ(ReduceAngle(7.0), 7.0 - kTwoPi);
  EXPECT_DOUBLE_EQ(ReduceAngle(1.0), 1.0);
  EXPECT_NEAR(ReduceAngle(-1000.0), -1000.0 + 160 * kTwoPi, 1e-9);
  for (const double a : {-1e-20, kTwoPi, -kTwoPi, 3 * kTwoPi, 1e7}) {
    const double r = ReduceAngle(a);
    EXPECT_GE(r, 0.0) << a;
    EXPECT_LT(r, kTwoPi) << a;
  }
}

TEST(JulianDayFromDate, AClockEastOfGreenwichReadsAheadOfUT) {
  // A zone 5 h 30 min east of Greenwich: its half past midnight is 19:00 UT the day before.
  const JulianDay jd = JulianDayFromDate(1, 1, 2000, 0, 30, 0, -330);
  EXPECT_NEAR(jd, 2451544.5 + (30 - 330) / 1440.0, 1e-9);
  EXPECT_EQ(Show(CalDate(jd, -330)), "2000-01-01 00:30:00");
  EXPECT_EQ(Show(CalDate(jd, 0)), "1999-12-31 19:00:00");
}

TEST(TimeBasis, OffsetIsTheZonesOnlyInLocalTime) {
  EXPECT_EQ((TimeBasis{true, -330}.offset()), -330);
  EXPECT_EQ((TimeBasis{false, -330}.offset()), 0);
}

}  // namespace
}  // namespace kelvra
