// The sentences core/ writes for people take the caller's words: the English defaults give the
// texts the lists and exports have always had, and another language's sentence, its values
// reordered, is what comes out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/event_export.h"
#include "core/grs_prediction.h"
#include "core/moon_event_list.h"
#include "core/mutual_light.h"
#include "core/word_format.h"

namespace kelvra {
namespace {

// December 2026's mutual event with the given line, on UT.
MoonEventLine mutualLine(const std::vector<MoonEventLine>& lines, const std::string& joined) {
  const auto line = std::find_if(lines.begin(), lines.end(), [&](const MoonEventLine& l) {
    return l.mutual && FormatMoonEventLine(l).joined() == joined;
  });
  EXPECT_NE(line, lines.end()) << joined;
  return line == lines.end() ? MoonEventLine{} : *line;
}

// The DESCRIPTION line of a calendar of one instant with altitudes.
std::string calendarDescription(const ICalendarWords& words) {
  const JulianDay at = JulianDayFromDate(8, 12, 2026, 21, 14, 0, 0);
  const std::string text = ICalendarText(
      {{"I.Sh", "Io shadow transit", at, at, at, {{"I.Sh.I", at, ExportAltitudes{34.25, -12.34}}}}},
      at, 0, words);
  const auto from = text.find("DESCRIPTION:");
  return from == std::string::npos ? text : text.substr(from, text.find("\r\n", from) - from);
}

TEST(CoreWords, EnglishByDefaultAndTheCallersSentencesInTheirOrder) {
  const std::vector<MoonEventLine> december = ListMoonEvents(2026, 12, false, 0);
  const MoonEventLine eclipse = mutualLine(december, "31 00:01 3E1 65%");
  const MoonEventLine penumbral = mutualLine(december, "12 13:41 4E3 Q26%");
  const MoonEventLine onDisc = mutualLine(december, "17 06:22 3O1 25%");
  ASSERT_TRUE(eclipse.mutual && penumbral.mutual && onDisc.mutual);
  // Every value in reverse order, so a sentence read with its values in the English order shows.
  const MutualEventWords mutual{"O %3 %2 %1", "E %5 %4 %3 %2 %1", "P %3 %2 %1", "Rand", "Scheibe"};
  const LightLossWords loss{"Auge", "Foto", "knapp", "%2 / %1 %"};
  const GRSDriftWords drift{"D %1", "ab %2: %1"};
  constexpr JulianDay kNovember2026 = 2461359.5;  // 2026-11-15 0h UT
  const double halfMagnitude = std::pow(10, -0.498 / 2.5);
  const struct {
    const char* what;
    std::string english, expectedEnglish, other, expectedOther;
  } cases[] = {
      {"occultation", MutualContactsText(onDisc, 0), "start 06:15, maximum 06:22, end 06:29",
       MutualContactsText(onDisc, 0, mutual), "O 06:29 06:22 06:15"},
      {"umbral eclipse", MutualContactsText(eclipse, 0),
       "light falls 30 23:50, umbra 30 23:54\u201300:08 (maximum 00:01), light whole 00:12",
       MutualContactsText(eclipse, 0, mutual), "E 00:12 00:01 00:08 30 23:54 30 23:50"},
      {"penumbral eclipse", MutualContactsText(penumbral, 0),
       "light falls 13:34, maximum 13:41, light whole 13:48",
       MutualContactsText(penumbral, 0, mutual), "P 13:48 13:41 13:34"},
      {"place", AgainstJupiterText(AgainstJupiter::OnDisc), "on Jupiter's disc",
       AgainstJupiterText(AgainstJupiter::AtLimb, mutual), "Rand"},
      {"drop", MagnitudeDropText(MagnitudeDropOf(halfMagnitude)), "\u0394m 0.50 eye",
       MagnitudeDropText(MagnitudeDropOf(std::pow(10, -0.104 / 2.5)), loss), "\u0394m 0.10 Foto"},
      {"loss", MutualLossText(*onDisc.mutual), "light lost 6%, \u0394m 0.07 graze",
       MutualLossText(*onDisc.mutual, loss), "\u0394m 0.07 knapp / 6 %"},
      {"calendar", calendarDescription({}),
       "DESCRIPTION:I.Sh.I 2026-12-08 21:14 UTC: Jupiter 34.3\u00B0\\, Sun -12.3\u00B0",
       calendarDescription({" [%2|%1]"}), "DESCRIPTION:I.Sh.I 2026-12-08 21:14 UTC [-12.3|34.3]"},
      {"drift", GRSDriftText({1.5, kNovember2026}, "."),
       "Drifting +1.5\u00B0 a month from 2026-11-15",
       GRSDriftText({1.5, kNovember2026}, ",", drift), "ab 2026-11-15: +1,5"},
      {"drift without epoch", GRSDriftText({-0.8, NAN}, "."), "Drifting -0.8\u00B0 a month",
       GRSDriftText({-0.8, NAN}, ".", drift), "D -0.8"},
      // A value is not read again, and a '%' that names no value stays.
      {"fill", FillWords("%1%, %2", {"38", "x"}), "38%, x", FillWords("%2-%1 %9%", {"%2", "y"}),
       "y-%2 %9%"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.english, c.expectedEnglish) << c.what;
    EXPECT_EQ(c.other, c.expectedOther) << c.what;
  }
}

}  // namespace
}  // namespace kelvra
