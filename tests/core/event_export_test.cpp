#include "core/event_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kelvra {
namespace {

// The physical lines of a text ended by CR LF; fails on a bare LF or CR.
std::vector<std::string> physicalLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
    lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << lines.back();
  }
  EXPECT_EQ(from, text.size()) << "the text does not end with CR LF";
  return lines;
}

TEST(EventExport, FoldsAtSeventyFiveOctetsNeverInsideACharacter) {
  // "°" is two octets and "—" three: shifted across every cut position by the prefix.
  for (int shift = 0; shift < 4; ++shift) {
    std::string line = "DESCRIPTION:" + std::string(static_cast<std::size_t>(shift), 'x');
    for (int i = 0; i < 60; ++i) line += i % 3 == 0 ? "\u2014" : i % 3 == 1 ? "\u00B0" : "a";
    const std::vector<std::string> parts = physicalLines(FoldICalendarLine(line));
    ASSERT_GE(parts.size(), 2u);
    std::string unfolded = parts[0];
    for (std::size_t i = 0; i < parts.size(); ++i) {
      EXPECT_LE(parts[i].size(), 75u);
      // A part ends on a whole character: the next part's first octet after the space is no
      // continuation octet, and this part's last character is complete.
      if (i > 0) {
        ASSERT_EQ(parts[i][0], ' ');
        EXPECT_NE(static_cast<unsigned char>(parts[i][1]) & 0xC0, 0x80);
        unfolded += parts[i].substr(1);
      }
    }
    EXPECT_EQ(unfolded, line);
    // Only a cut forced back by a character leaves a part short, by at most two octets.
    EXPECT_GE(parts[0].size(), 73u);
  }
  EXPECT_EQ(FoldICalendarLine(std::string(75, 'a')), std::string(75, 'a') + "\r\n");
  EXPECT_EQ(FoldICalendarLine(std::string(76, 'a')), std::string(75, 'a') + "\r\n a\r\n");
}

TEST(EventExport, EscapesTextValues) {
  EXPECT_EQ(EscapeICalendarText("a,b;c\\d\ne\r\nf\rg"), "a\\,b\\;c\\\\d\\ne\\nf\\ng");
}

TEST(EventExport, CalendarHasOneEventPerPhenomenonWithStableIdentity) {
  // 2026-12-08 21:14 UT and 23:30 UT, and a phenomenon with only one end seen.
  const JulianDay ingress = JulianDayFromDate(8, 12, 2026, 21, 14, 0, 0);
  const JulianDay egress = JulianDayFromDate(8, 12, 2026, 23, 30, 0, 0);
  const std::vector<ExportPhenomenon> phenomena{
      {"I.Sh",
       "Io shadow transit",
       ingress,
       ingress,
       egress,
       {{"I.Sh.I", ingress, ExportAltitudes{34.25, -12.34}},
        {"I.Sh.E", egress, ExportAltitudes{-0.04, -30}}}},
      {"II.Ec", "Europa eclipse", ingress - 0.1, egress, egress, {{"II.Ec.R", egress, {}}}}};
  const std::string text = ICalendarText(phenomena, JulianDayFromDate(9, 12, 2026, 3, 0, 0, 0));
  std::string unfolded;
  for (const std::string& line : physicalLines(text)) {
    unfolded += line[0] == ' ' ? line.substr(1) : '\n' + line;
  }
  for (const char* expected :
       {"\nBEGIN:VCALENDAR\nVERSION:2.0\nPRODID:", "\nUID:I.Sh-20261208T211400Z@kelvra95\n",
        "\nDTSTAMP:20261209T030000Z\n", "\nDTSTART:20261208T211400Z\nDTEND:20261208T233000Z\n",
        "\nSUMMARY:Io shadow transit\n",
        "\nDESCRIPTION:I.Sh.I 2026-12-08 21:14 UTC: Jupiter 34.3°\\, Sun -12.3°\\nI.Sh.E "
        "2026-12-08 23:30 UTC: Jupiter 0.0°\\, Sun -30.0°\n",
        "\nUID:II.Ec-20261208T185000Z@kelvra95\n",
        "\nDTSTART:20261208T233000Z\nSUMMARY:Europa eclipse\n",
        "\nDESCRIPTION:II.Ec.R 2026-12-08 23:30 UTC\n", "\nEND:VCALENDAR"}) {
    EXPECT_NE(unfolded.find(expected), std::string::npos) << expected;
  }
  std::size_t events = 0;
  for (std::size_t at = 0; (at = unfolded.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) {
    ++events;
  }
  EXPECT_EQ(events, 2u);
}

TEST(EventExport, CsvRowsOnTheListsClockQuotedWhereNeeded) {
  const JulianDay at = JulianDayFromDate(8, 12, 2026, 21, 14, 0, 0);
  const std::vector<ExportLine> lines{
      {at, -540, "I.Sh.I", "Io shadow transit, ingress", ExportAltitudes{5.04, -6.05}},
      {at, 0, "2O1", "say \"hi\"", {}}};
  EXPECT_EQ(
      CsvText(lines),
      "date,time,utc,code,description,jupiter_alt,sun_alt\r\n"
      "2026-12-09,06:14,2026-12-08T21:14:00Z,I.Sh.I,\"Io shadow transit, ingress\",5.0,-6.1\r\n"
      "2026-12-08,21:14,2026-12-08T21:14:00Z,2O1,\"say \"\"hi\"\"\",,\r\n");
}

}  // namespace
}  // namespace kelvra
