#include "core/observing_log.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvra {
namespace {

constexpr JulianDay kUnixEpoch = 2440587.5;

// The log's times: written and read back to the tenth, and nothing that is no date taken.
// Catches a calendar slip (leap days, days before 1970) and a parser that rolls 30 February on.
TEST(ObservingLog, TimesRoundTripToTheTenthAndRefuseNonDates) {
  struct Case {
    const char* text;
    std::optional<std::int64_t> tenths;
  };
  const Case cases[] = {
      {"1970-01-01 00:00:00.0", 0},
      {"2026-12-09 17:03:12.3", 17968357923},
      {"2024-02-29 23:59:59.9", 17092511999},
      {"1969-12-31 23:59:59.9", -1},
      {"2026-12-09T17:03:12Z", 17968357920},
      {"2026-12-09 17:03", 17968357800},
      {"2026-02-29 12:00:00.0", std::nullopt},
      {"2026-12-09 24:00:00.0", std::nullopt},
      {"2026-12-09 17:03:12.3 and more", std::nullopt},
      {"17:03:12", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseLogTime(c.text), c.tenths) << c.text;
    if (c.tenths && std::string(c.text).size() == 21) {
      EXPECT_EQ(LogTimeText(LogInstantDays(*c.tenths)), c.text);
    }
  }
}

// O−C is the observation against the unrounded prediction, not the minute the list shows:
// a contact listed as 21:40 but predicted at 21:40:17.4, timed at 21:40:20.0, is +2.6 s.
TEST(ObservingLog, OMinusCAgainstTheUnroundedInstant) {
  const std::int64_t listed = *ParseLogTime("2026-12-09 21:40:00.0");
  const JulianDay predicted = LogInstantDays(listed) + 17.4 / 86400;
  LogRecord r{listed + 200, "I.Sh.I", "ingress", predicted, std::nullopt, ""};
  ASSERT_TRUE(ObservedMinusComputed(r));
  EXPECT_NEAR(*ObservedMinusComputed(r), 2.6, 1e-3);
  r.observedTenths = listed + 100;
  EXPECT_NEAR(*ObservedMinusComputed(r), -7.4, 1e-3);
  r.predicted.reset();
  EXPECT_FALSE(ObservedMinusComputed(r));
}

MoonEventLine lineAt(JulianDay exact, MoonEventKind kind, MoonEventPhase phase) {
  return {9, 21, 40, 1, kind, phase, exact, exact, exact, exact};
}

// The proposed contact: the nearest line within 30 minutes, named as the list names it.
TEST(ObservingLog, ProposesTheNearestContactWithinHalfAnHour) {
  const JulianDay t = kUnixEpoch + 20000;
  const std::vector<MoonEventLine> lines = {
      lineAt(t - 20.0 / 1440, MoonEventKind::ShadowTransit, MoonEventPhase::Start),
      lineAt(t + 10.0 / 1440, MoonEventKind::Eclipse, MoonEventPhase::End),
      lineAt(t + 40.0 / 1440, MoonEventKind::Transit, MoonEventPhase::End),
  };
  EXPECT_EQ(NearestContact(lines, t), 1u);
  EXPECT_EQ(NearestContact(lines, t + 35.0 / 1440), 2u);
  EXPECT_FALSE(NearestContact(lines, t + 75.0 / 1440));
  const LogContact shadow = ContactOfLine(lines[0]);
  EXPECT_EQ(shadow.code, "I.Sh.I");
  EXPECT_EQ(shadow.phase, "ingress");
  EXPECT_EQ(ContactOfLine(lines[1]).phase, "reappearance");
  EXPECT_EQ(ContactOfLine(lines[1]).predicted, lines[1].exact);
}

// The CSV: a note with commas, quotes and a line end stays one field; what an entry lacks is
// an empty field, never a shifted column.
TEST(ObservingLog, CsvKeepsItsColumns) {
  const std::int64_t observed = *ParseLogTime("2026-12-09 21:40:20.0");
  const JulianDay predicted = LogInstantDays(observed) - 2.6 / 86400;
  const std::vector<LogRecord> records = {
      {observed, "I.Sh.I", "ingress", predicted, ObserverSite{52.52, 13.4, 34},
       "seeing 3, \"clock\" GPS\nsecond line"},
      {observed + 5, "", "", std::nullopt, std::nullopt, ""},
  };
  EXPECT_EQ(LogCsvText(records),
            "code,phase,predicted_ut,observed_ut,o_c_s,latitude,longitude,height_m,note\r\n"
            "I.Sh.I,ingress,2026-12-09T21:40:17.4Z,2026-12-09T21:40:20.0Z,2.6,52.52000,13.40000,"
            "34,\"seeing 3, \"\"clock\"\" GPS\nsecond line\"\r\n"
            ",,,2026-12-09T21:40:20.5Z,,,,,\r\n");
}

}  // namespace
}  // namespace kelvra
