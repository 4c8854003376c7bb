#include "ui/events/moon_events_sky.h"

#include <cmath>

#include <QCoreApplication>
#include <QLocale>

namespace kelvra {
namespace {

// Degrees as people read them: a true minus sign, no "-0".
QString signedDegrees(double value, int decimals) {
  QString text = QLocale::c().toString(std::abs(value), 'f', decimals);
  if (value < 0 && QLocale::c().toDouble(text) != 0) text.prepend(QChar(0x2212));
  return text + QChar(0x00B0);
}

// A limit as set, its decimals only when it has any: "5°", "-6°", "7.5°".
QString limitDegrees(double value) {
  const bool whole = std::abs(value - std::round(value)) < 1e-9;
  return signedDegrees(value, whole ? 0 : 1);
}

QString clock(JulianDay ut, std::int32_t offset) {
  const CivilDateTime c = CalDate(ut + 30.0 / 86400.0, offset);  // to the nearest minute
  return QStringLiteral("%1:%2").arg(c.hour, 2, 10, QChar('0')).arg(c.minute, 2, 10, QChar('0'));
}

}  // namespace

bool SameSite(const std::optional<SiteSetting>& a, const std::optional<SiteSetting>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return a->place.latitudeDeg == b->place.latitudeDeg &&
         a->place.longitudeDeg == b->place.longitudeDeg && a->place.heightM == b->place.heightM &&
         a->limits.minJupiterAltitudeDeg == b->limits.minJupiterAltitudeDeg &&
         a->limits.maxSunAltitudeDeg == b->limits.maxSunAltitudeDeg;
}

std::vector<SkyAtInstant> SkyOfLines(const std::vector<MoonEventLine>& lines,
                                     const std::optional<SiteSetting>& site) {
  std::vector<SkyAtInstant> sky;
  if (!site) return sky;
  sky.reserve(lines.size());
  for (const MoonEventLine& line : lines)
    sky.push_back(SkyAt(line.instant, site->place, site->limits));
  return sky;
}

MoonEventsShown ShowMoonEvents(const std::vector<MoonEventLine>& lines,
                               const std::vector<SkyAtInstant>& sky, bool visibleOnly) {
  if (!visibleOnly || sky.size() != lines.size()) return {lines, sky};
  MoonEventsShown shown;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!sky[i].visible) continue;
    shown.lines.push_back(lines[i]);
    shown.sky.push_back(sky[i]);
  }
  return shown;
}

QString MoonEventsSiteText(const SiteSetting& site) {
  const double lat = site.place.latitudeDeg;
  const double lon = site.place.longitudeDeg;
  const QLocale c = QLocale::c();
  //: The site: %1°%2 latitude and N/S, %3°%4 longitude and E/W (letters kept), %5 the least
  //: altitude of Jupiter, %6 the greatest of the Sun for an event to count as visible.
  return QCoreApplication::translate("kelvra::MoonEventsSky",
                                     "%1\u00B0%2 %3\u00B0%4, Jupiter \u2265 %5, Sun \u2264 %6")
      .arg(c.toString(std::abs(lat), 'f', 2), lat < 0 ? QStringLiteral("S") : QStringLiteral("N"),
           c.toString(std::abs(lon), 'f', 2), lon < 0 ? QStringLiteral("W") : QStringLiteral("E"),
           limitDegrees(site.limits.minJupiterAltitudeDeg),
           limitDegrees(site.limits.maxSunAltitudeDeg));
}

QString MoonEventsSkyText(const SkyAtInstant& sky, const VisibilityLimits& limits) {
  const SkyAtInstant shown = ShownSky(sky, limits);
  //: Altitudes above the horizon: %1 Jupiter's, %2 the Sun's, "34.2°".
  return QCoreApplication::translate("kelvra::MoonEventsSky", "Jupiter %1, Sun %2")
      .arg(signedDegrees(shown.jupiterAltitudeDeg, 1), signedDegrees(shown.sunAltitudeDeg, 1));
}

QString RiseTransitSetText(const RiseTransitSet& passages, std::int32_t offset, bool upAtStart) {
  const auto at = [offset](const std::optional<JulianDay>& ut) {
    return ut ? clock(*ut, offset) : QStringLiteral("\u2014");
  };
  // Near the poles: one dash for both cases would not say which.
  if (!passages.rise && !passages.set) {
    //: Jupiter never sets that day; Tr: its transit of the meridian, %1 its time. Short: the
    //: list's top line.
    return upAtStart
               ? QCoreApplication::translate("kelvra::MoonEventsSky", "Up all day, Tr %1")
                     .arg(at(passages.transit))
               //: Jupiter never rises that day. Short: the list's top line.
               : QCoreApplication::translate("kelvra::MoonEventsSky", "Below the horizon all day");
  }
  //: Jupiter's rise, transit of the meridian and set that day (times). Short: the list's top
  //: line, 160 pixels wide.
  return QCoreApplication::translate("kelvra::MoonEventsSky", "Rise %1 Tr %2 Set %3")
      .arg(at(passages.rise), at(passages.transit), at(passages.set));
}

}  // namespace kelvra
