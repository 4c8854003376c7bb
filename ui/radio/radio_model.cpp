#include "ui/radio/radio_model.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "core/event_export.h"
#include "core/sky.h"

namespace kelvra {
namespace {

constexpr double kSample = 15.0 / 1440;  // days between the site's samples of a span
constexpr double kSunUpDeg = 0;          // degrees: the Sun's centre above it counts as day

// A range runs upward from `from` to `to`, through 360 when `from` is the greater.
bool within(double angle, double from, double to) {
  if (to - from >= 360) return true;
  return from <= to ? angle >= from && angle <= to : angle >= from || angle <= to;
}

// Days, UT, of midnight starting `day` of `month` on the clock.
JulianDay midnight(int day, int month, int year, std::int32_t offset) {
  return JulianDayFromDate(static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(year), 0, 0, 0, offset);
}

// "21:14": the minute an instant falls in, on the clock, rounded to the nearest minute.
QString clockTime(JulianDay ut, std::int32_t offset) {
  const CivilDateTime t = CalDate(std::round(ut * 1440) / 1440 + 1e-7, offset);
  return QStringLiteral("%1:%2").arg(t.hour, 2, 10, QChar('0')).arg(t.minute, 2, 10, QChar('0'));
}

void judge(RadioLine& line, const SiteSetting& site) {
  bool up = false, day = false;
  const JulianDay start = line.window.start, end = line.window.end;
  for (JulianDay t = start;; t = std::min(end, t + kSample)) {
    const SkyAtInstant sky = SkyAt(t, site.place, site.limits);
    up = up || sky.jupiterAltitudeDeg >= site.limits.minJupiterAltitudeDeg;
    day = day || sky.sunAltitudeDeg > kSunUpDeg;
    if (t >= end || (up && day)) break;
  }
  line.greyed = !up;
  line.daytime = day;
}

std::optional<ExportAltitudes> altitudesAt(JulianDay ut, const std::optional<SiteSetting>& site) {
  if (!site) return std::nullopt;
  const SkyAtInstant sky = ShownSky(SkyAt(ut, site->place, site->limits), site->limits);
  return ExportAltitudes{sky.jupiterAltitudeDeg, sky.sunAltitudeDeg};
}

QString regionName(const RadioWindow& w) {
  return QString::fromUtf8(w.name.data(), static_cast<qsizetype>(w.name.size()));
}

// The calendar's title: "Jupiter radio Io-B".
std::string regionSummary(const RadioWindow& w) {
  //: A calendar entry's title: %1 the source region ("Io-B", "non-Io-A")
  return QCoreApplication::translate("kelvra::RadioModel", "Jupiter radio %1")
      .arg(regionName(w))
      .toStdString();
}

}  // namespace

bool InsideRadioRegion(const RadioRegion& region, double cm, double phase) {
  return within(cm, region.cmFrom, region.cmTo) &&
         (region.moon == 0 || within(phase, region.phaseFrom, region.phaseTo));
}

RadioSpan RadioMonthSpan(ListMonth month, std::int32_t offset) {
  const int next = month.month == 12 ? 1 : month.month + 1;
  const int year = month.month == 12 ? month.year + 1 : month.year;
  return {midnight(1, month.month, month.year, offset), midnight(1, next, year, offset)};
}

RadioSpan RadioNightOf(JulianDay ut, std::int32_t offset) {
  const CivilDateTime t = CalDate(ut, offset);
  JulianDay noon = midnight(t.day, t.month, t.year, offset) + 0.5;
  if (ut < noon) noon -= 1;
  return {noon, noon + 1};
}

std::vector<RadioLine> RadioLinesOf(ListMonth month, std::int32_t offset,
                                    const std::optional<SiteSetting>& site) {
  const RadioSpan span = RadioMonthSpan(month, offset);
  std::vector<RadioLine> lines;
  for (const RadioWindow& w : FindRadioWindows(span.from, span.to - span.from)) {
    RadioLine line{w, CalDate(w.start, offset).day};
    if (site) judge(line, *site);
    lines.push_back(line);
  }
  return lines;
}

std::vector<RadioLine> ShownRadioLines(const std::vector<RadioLine>& lines, bool visibleOnly) {
  std::vector<RadioLine> shown;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(shown),
               [visibleOnly](const RadioLine& l) { return !visibleOnly || !l.greyed; });
  return shown;
}

QString RadioLineText(const RadioLine& line, std::int32_t offset) {
  return QStringLiteral("%1 %2\u2013%3 %4")
      .arg(line.day, 2, 10, QChar('0'))
      .arg(clockTime(line.window.start, offset), clockTime(line.window.end, offset),
           QString::fromUtf8(line.window.name.data(),
                             static_cast<qsizetype>(line.window.name.size())));
}

std::vector<RadioTrackPoint> RadioTrackOf(RadioSpan span, double stepDays) {
  std::vector<RadioTrackPoint> track;
  if (!(stepDays > 0) || !(span.to >= span.from)) return track;
  const auto count = static_cast<long>(std::floor((span.to - span.from) / stepDays));
  track.reserve(static_cast<std::size_t>(count) + 2);
  for (long i = 0; i <= count + 1; ++i) {
    const JulianDay ut = std::min(span.to, span.from + static_cast<double>(i) * stepDays);
    const double cm = CentralMeridianIII(ut), phase = GeocentricPhase(1, ut);
    const bool inside =
        std::any_of(kRadioSourceRegions.begin(), kRadioSourceRegions.end(),
                    [&](const RadioRegion& r) { return InsideRadioRegion(r, cm, phase); });
    track.push_back({ut, cm, phase, inside});
    if (ut >= span.to) break;
  }
  return track;
}

std::string RadioExportText(ExportFormat format, const std::vector<RadioLine>& shown,
                            std::int32_t offset, const std::optional<SiteSetting>& site,
                            JulianDay stampUT) {
  if (format == ExportFormat::Csv) {
    std::vector<ExportLine> rows;
    for (const RadioLine& l : shown) {
      //: %1 the source region ("Io-B"), %2 the time its window ends
      const QString description =
          l.daytime
              ? QCoreApplication::translate("kelvra::RadioModel",
                                            "Jupiter radio %1 until %2, in daylight")
              : QCoreApplication::translate("kelvra::RadioModel", "Jupiter radio %1 until %2");
      rows.push_back(
          {std::round(l.window.start * 1440) / 1440, offset, std::string(l.window.name),
           description.arg(regionName(l.window), clockTime(l.window.end, offset)).toStdString(),
           altitudesAt(l.window.start, site)});
    }
    return CsvText(rows);
  }
  std::vector<ExportPhenomenon> events;
  for (const RadioLine& l : shown) {
    const std::string code(l.window.name);
    ExportPhenomenon p{code, regionSummary(l.window), l.window.start, l.window.start, l.window.end,
                       {}};
    //: %1 the source region ("Io-B"): its window opens
    p.instants.push_back({QCoreApplication::translate("kelvra::RadioModel", "%1 start")
                              .arg(regionName(l.window))
                              .toStdString(),
                          l.window.start, altitudesAt(l.window.start, site)});
    //: %1 the source region ("Io-B"): its window closes
    p.instants.push_back({QCoreApplication::translate("kelvra::RadioModel", "%1 end")
                              .arg(regionName(l.window))
                              .toStdString(),
                          l.window.end, altitudesAt(l.window.end, site)});
    events.push_back(std::move(p));
  }
  return ICalendarText(events, stampUT);
}

}  // namespace kelvra
