// The texts around a drifting Red Spot: the drift line, the drift and date fields, the epoch
// as stored in the settings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "core/calendar.h"
#include "core/grs_prediction.h"

namespace kelvra {
namespace {

constexpr JulianDay kJanuary2000 = 2451544.5;   // 2000-01-01 0h UT
constexpr JulianDay kNovember2026 = 2461359.5;  // 2026-11-15 0h UT

// Characters, not bytes, of UTF-8 text.
std::size_t characters(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

TEST(GRSDriftText, SaysTheDriftWithItsSignAndTheEpochsDate) {
  EXPECT_EQ(GRSDriftText({1.5, kNovember2026}, "."), "Drifting +1.5\u00B0 a month from 2026-11-15");
  EXPECT_EQ(GRSDriftText({-0.8, kNovember2026 + 0.75}, "."),
            "Drifting -0.8\u00B0 a month from 2026-11-15");
  // The locale's decimal separator, as the drift field takes it.
  EXPECT_EQ(GRSDriftText({-9.9, kJanuary2000}, ","), "Drifting -9,9\u00B0 a month from 2000-01-01");
}

TEST(GRSDriftText, GivesNoLineWithoutADrift) {
  EXPECT_EQ(GRSDriftText({0, kNovember2026}, "."), "");
  EXPECT_EQ(GRSDriftText({-0.0, kNovember2026}, "."), "");
  EXPECT_EQ(GRSDriftText({std::nan(""), kNovember2026}, "."), "");
  EXPECT_EQ(GRSDriftText({}, "."), "");
}

TEST(GRSDriftText, StaysWithinSeventyCharacters) {
  // A drift handed in from elsewhere may be absurd; the line is still cut.
  const std::string absurd = GRSDriftText({1e300, kNovember2026}, ".");
  EXPECT_EQ(characters(absurd), 70u);
  EXPECT_EQ(absurd.substr(0, 12), "Drifting +10");
  // An epoch before year 0 has no ISO date: the line leaves the date out.
  EXPECT_EQ(GRSDriftText({1.5, 0}, "."), "Drifting +1.5\u00B0 a month");
}

TEST(ParseDriftText, ReadsOneDecimalWithTheLocalesSeparatorOrAPoint) {
  struct Case {
    const char* text;
    const char* separator;
    double value;
  };
  const Case cases[] = {
      {"1.5", ".", 1.5},        {"1,5", ",", 1.5},
      {"1.5", ",", 1.5},        {"-9.9", ".", -9.9},
      {"+9.9", ".", 9.9},       {"9.9", ".", 9.9},
      {"\u22122.5", ",", -2.5}, {" 0.3 ", ".", 0.3},
      {".5", ".", 0.5},         {"3.", ".", 3.0},
      {"7", ".", 7.0},          {"1.50", ".", 1.5},
      {"0001.5", ".", 1.5},     {"1\u066B5", "\u066B", 1.5},
  };
  for (const Case& c : cases) {
    const DriftTextValue read = ParseDriftText(c.text, c.separator);
    EXPECT_EQ(read.status, DriftTextStatus::Ok) << c.text;
    EXPECT_EQ(read.degreesPerMonth, c.value) << c.text;
  }
}

TEST(ParseDriftText, ReadsBlankAndMinusZeroAsNoDrift) {
  for (const char* text : {"", "   ", "-0.0", "-0", "+0,0"}) {
    const DriftTextValue read = ParseDriftText(text, ",");
    EXPECT_EQ(read.status, DriftTextStatus::Ok) << text;
    EXPECT_EQ(read.degreesPerMonth, 0) << text;
    EXPECT_FALSE(std::signbit(read.degreesPerMonth)) << text;
  }
}

TEST(ParseDriftText, CorrectsToTheNearestValidValue) {
  struct Case {
    const char* text;
    DriftTextStatus status;
    double value;
  };
  const Case cases[] = {
      {"10", DriftTextStatus::OutOfRange, 9.9},
      {"-12.5", DriftTextStatus::OutOfRange, -9.9},
      {"99999999999999999999999", DriftTextStatus::OutOfRange, 9.9},
      {"9.95", DriftTextStatus::OutOfRange, 9.9},  // rounds to 10.0
      {"1.25", DriftTextStatus::TooManyDecimals, 1.3},
      {"-1.249", DriftTextStatus::TooManyDecimals, -1.2},
      {"0.04", DriftTextStatus::TooManyDecimals, 0.0},
      {"2.001", DriftTextStatus::TooManyDecimals, 2.0},
  };
  for (const Case& c : cases) {
    const DriftTextValue read = ParseDriftText(c.text, ".");
    EXPECT_EQ(read.status, c.status) << c.text;
    EXPECT_EQ(read.degreesPerMonth, c.value) << c.text;
  }
}

TEST(ParseDriftText, RefusesWhatIsNotANumber) {
  // "1,5" with a point locale: the comma is not this locale's separator.
  for (const char* text : {"abc", "1.5.2", "1,5", "1e1", "+-1", "--1", "-", ".", "1 5", "1.5x",
                           "x1.5", "0x1", "inf", "nan", "\u22121\u2212"}) {
    const DriftTextValue read = ParseDriftText(text, ".");
    EXPECT_EQ(read.status, DriftTextStatus::NotANumber) << text;
    EXPECT_EQ(read.degreesPerMonth, 0) << text;
  }
}

TEST(FormatDriftText, WritesOneDecimalThatReadsBack) {
  EXPECT_EQ(FormatDriftText(1.5, ","), "1,5");
  EXPECT_EQ(FormatDriftText(-0.8, "."), "-0.8");
  EXPECT_EQ(FormatDriftText(0, "."), "0.0");
  EXPECT_EQ(FormatDriftText(-0.04, "."), "0.0");
  EXPECT_EQ(FormatDriftText(std::nan(""), "."), "0.0");
  // Beyond the field's range (a hand-edited settings file): the nearest value the field holds.
  EXPECT_EQ(FormatDriftText(50, "."), "9.9");
  EXPECT_EQ(FormatDriftText(-std::numeric_limits<double>::max(), ","), "-9,9");
  EXPECT_EQ(FormatDriftText(std::numeric_limits<double>::infinity(), "."), "0.0");
  for (const char* separator : {".", ",", "\u066B"}) {
    for (int tenths = -99; tenths <= 99; ++tenths) {
      const double drift = tenths / 10.0;
      const DriftTextValue read = ParseDriftText(FormatDriftText(drift, separator), separator);
      EXPECT_EQ(read.status, DriftTextStatus::Ok) << tenths;
      EXPECT_EQ(read.degreesPerMonth, drift) << tenths;
    }
  }
}

TEST(ParseISODate, GivesZeroHoursUTOfTheDate) {
  EXPECT_EQ(ParseISODate("2000-01-01"), kJanuary2000);  // J2000.0 is 2451545.0 at noon
  EXPECT_EQ(ParseISODate(" 2026-11-15 "), kNovember2026);
  EXPECT_EQ(ParseISODate("2024-02-29"), kJanuary2000 + 8825);
  // The Gregorian calendar throughout: agrees with the program's own calendar from 1582-10-15.
  for (const auto& [text, day, month, year] :
       {std::tuple{"1582-10-15", 15, 10, 1582}, std::tuple{"1900-02-28", 28, 2, 1900},
        std::tuple{"9999-12-31", 31, 12, 9999}}) {
    EXPECT_EQ(ParseISODate(text),
              JulianDayFromDate(static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                                static_cast<std::uint16_t>(year), 0, 0, 0, 0))
        << text;
  }
}

TEST(ParseISODate, RefusesWhatIsNoDate) {
  for (const char* text : {"", "2026-02-29", "1900-02-29", "2026-13-01", "2026-00-10", "2026-11-31",
                           "2026-11-00", "26-11-15", "2026-1-5", "2026/11/15", "2026-11-15x",
                           "2026-11-15T00:00:00Z", "15.11.2026", "+2026-11-15"}) {
    EXPECT_FALSE(ParseISODate(text).has_value()) << text;
  }
}

TEST(FormatISO8601UTC, WritesTheNearestSecondInUTC) {
  EXPECT_EQ(FormatISO8601UTC(kNovember2026), "2026-11-15T00:00:00Z");
  EXPECT_EQ(FormatISO8601UTC(2451545.0), "2000-01-01T12:00:00Z");
  EXPECT_EQ(FormatISO8601UTC(kJanuary2000 + 0.75 + 1.4 / 86400), "2000-01-01T18:00:01Z");
  // Half a second before midnight rounds into the next day, and so does the date.
  EXPECT_EQ(FormatISO8601UTC(kJanuary2000 - 0.4 / 86400), "2000-01-01T00:00:00Z");
  EXPECT_EQ(FormatISODate(kJanuary2000 - 0.4 / 86400), "2000-01-01");
  EXPECT_EQ(FormatISODate(kJanuary2000 - 0.6 / 86400), "1999-12-31");
  EXPECT_EQ(FormatISODate(kNovember2026 + 0.99), "2026-11-15");
}

TEST(FormatISO8601UTC, WritesNothingOutsideFourDigitYears) {
  const JulianDay year0 = *ParseISODate("0000-01-01");
  const JulianDay year10000 = *ParseISODate("9999-12-31") + 1;
  EXPECT_EQ(FormatISO8601UTC(year0), "0000-01-01T00:00:00Z");
  EXPECT_EQ(FormatISO8601UTC(year10000 - 1.0 / 86400), "9999-12-31T23:59:59Z");
  EXPECT_EQ(FormatISO8601UTC(year0 - 1), "");
  EXPECT_EQ(FormatISO8601UTC(year10000), "");
  EXPECT_EQ(FormatISO8601UTC(0), "");
  EXPECT_EQ(FormatISO8601UTC(std::nan("")), "");
  EXPECT_EQ(FormatISO8601UTC(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(FormatISODate(std::nan("")), "");
}

TEST(ParseISO8601UTC, ReadsWhatIsWrittenAndADateAlone) {
  EXPECT_EQ(ParseISO8601UTC("2026-11-15T00:00:00Z"), kNovember2026);
  EXPECT_EQ(ParseISO8601UTC("2026-11-15"), kNovember2026);
  EXPECT_EQ(ParseISO8601UTC("2000-01-01T12:00:00Z"), 2451545.0);
  // Every second of a day and a few days across the years come back as the same text.
  for (const JulianDay day :
       {*ParseISODate("1600-03-01"), kJanuary2000, kNovember2026, *ParseISODate("9999-12-31")}) {
    for (int second = 0; second < 86400; second += 7) {
      const std::string text = FormatISO8601UTC(day + second / 86400.0);
      const auto read = ParseISO8601UTC(text);
      ASSERT_TRUE(read.has_value()) << text;
      EXPECT_EQ(FormatISO8601UTC(*read), text);
      EXPECT_NEAR(*read, day + second / 86400.0, 1e-9) << text;
    }
  }
}

TEST(ParseISO8601UTC, RefusesOtherForms) {
  for (const char* text :
       {"", "2026-11-15T24:00:00Z", "2026-11-15T10:60:00Z", "2026-11-15T10:00:60Z",
        "2026-11-15T10:00:00", "2026-11-15T10:00Z", "2026-11-15 10:00:00Z",
        "2026-11-15T10:00:00+01:00", "2026-11-15T10:00:00ZZ", "2026-02-30T00:00:00Z",
        " 2026-11-15T00:00:00Z", "2026-11-15t00:00:00z"}) {
    EXPECT_FALSE(ParseISO8601UTC(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace kelvra
