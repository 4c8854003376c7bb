// Picks a real event for the reminder and log test: the first phenomenon of the events list
// (UT, no filter, no mutual event) whose first listed instant lies more than MARGIN seconds
// after the Unix time NOW and has no other line within 30 minutes, so that a stamp at it can
// belong to nothing else. Prints "LISTED CODE EXACT LINE_CODE": its first listed instant (Unix
// seconds, a whole minute), the phenomenon's code, that line's unrounded instant (Unix seconds,
// three decimals) and the line's code. Usage: next_event NOW MARGIN
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/calendar.h"
#include "core/moon_event_list.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  using namespace kelvra;
  const JulianDay after = JulianDayFromUnixTime(std::atof(argv[1]) + std::atof(argv[2]));
  CivilDateTime at = CalDate(after, 0);
  for (int months = 0; months < 2; ++months) {
    const std::vector<MoonEventLine> lines = ListMoonEvents(at.year, at.month, false, 0);
    for (const MoonEventPhenomenon& p : MoonEventPhenomena(lines)) {
      const MoonEventLine& line = lines[p.line];
      if (p.first <= after || line.mutual) continue;
      bool alone = true;
      for (std::size_t i = 0; i < lines.size(); ++i)
        alone = alone && (i == p.line || std::abs(lines[i].exact - line.exact) > 30.0 / 1440);
      if (!alone) continue;
      std::printf("%.0f %s %.3f %s\n", UnixTimeFromJulianDay(p.first), p.code.c_str(),
                  UnixTimeFromJulianDay(line.exact), FormatMoonEventLine(line).code.c_str());
      return 0;
    }
    at = CalDate(JulianDayFromDate(1, at.month, at.year, 0, 0, 0, 0) + 32, 0);
  }
  return 1;
}
