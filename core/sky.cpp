#include "core/sky.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/jupiter_system.h"

namespace kelvra {

namespace {

constexpr double kRiseSetAltitude = -0.5667;  // degrees, the centre's altitude at rise and set
constexpr double kPi = std::numbers::pi;
// The Earth's rotation angle advances by this much per day of UT1 (IERS Conventions 2010, 5.5).
constexpr double kRotationPerDay = 2 * kPi * 1.00273781191135448;  // radians per day
constexpr double kBisectionLimit = 0.1 / 86400;                    // days

double dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

JulianDay terrestrialTime(JulianDay ut) {
  return ut + DeltaT(ut) / 86400;
}

// The site and its horizon in the terrestrial frame (x toward longitude 0 on the equator, z
// toward the north pole).
struct SiteFrame {
  Vector3 position;         // AU, from the Earth's centre
  Vector3 east, north, up;  // unit vectors of the horizon; up is the ellipsoid's normal
  double longitude;         // radians, east positive
};

SiteFrame frameOf(const ObserverSite& site) {
  const double lat = site.latitudeDeg * kDegreesToRadians;
  const double lon = site.longitudeDeg * kDegreesToRadians;
  double xyz[3];  // metres
  // The status only reports an unknown ellipsoid, and WGS84 is known.
  eraGd2gc(ERFA_WGS84, lon, lat, site.heightM, xyz);
  const double sinLat = std::sin(lat), cosLat = std::cos(lat);
  const double sinLon = std::sin(lon), cosLon = std::cos(lon);
  return {{xyz[0] / ERFA_DAU, xyz[1] / ERFA_DAU, xyz[2] / ERFA_DAU},
          {-sinLon, cosLon, 0},
          {-sinLat * cosLon, -sinLat * sinLon, cosLat},
          {cosLat * cosLon, cosLat * sinLon, sinLat},
          lon};
}

// The apparent geocentric place of a body in the celestial intermediate system (the true
// equator of date, longitudes from the CIO).
// astrometric: AU, J2000, from the Earth to the body where it was when its light left it.
// Returns: AU; the direction turned by the annual aberration, the length kept.
Vector3 apparentIntermediate(const Vector3& astrometric, JulianDay tt,
                             const HeliocentricState& earth) {
  double p[3] = {astrometric.x, astrometric.y, astrometric.z};
  double distance, unit[3];
  eraPn(p, &distance, unit);
  constexpr double kSpeedOfLightPerAUPerDay = ERFA_AULT / ERFA_DAYSEC;  // (c in AU/day)^-1
  double v[3] = {earth.velocity.x * kSpeedOfLightPerAUPerDay,
                 earth.velocity.y * kSpeedOfLightPerAUPerDay,
                 earth.velocity.z * kSpeedOfLightPerAUPerDay};
  const double sunDistance = std::sqrt(dot(earth.position, earth.position));  // AU
  double seen[3];
  eraAb(unit, v, sunDistance, std::sqrt(1 - eraPdp(v, v)), seen);
  double toIntermediate[3][3], out[3];
  eraC2i00b(ERFA_DJM0, tt - ERFA_DJM0, toIntermediate);
  eraRxp(toIntermediate, seen, out);
  return {out[0] * distance, out[1] * distance, out[2] * distance};
}

Vector3 jupiterIntermediate(JulianDay ut) {
  const JupiterSightLines lines = SightLinesAt(ut);
  const JulianDay tt = terrestrialTime(ut);
  return apparentIntermediate({-lines.earth.x, -lines.earth.y, -lines.earth.z}, tt, EarthAt(tt));
}

// The Sun's light time moves it by metres about the barycentre: its place is the origin.
Vector3 sunIntermediate(JulianDay ut) {
  const JulianDay tt = terrestrialTime(ut);
  const HeliocentricState earth = EarthAt(tt);
  return apparentIntermediate({-earth.position.x, -earth.position.y, -earth.position.z}, tt, earth);
}

// From the site to a body given in the intermediate system, in the terrestrial frame: the
// Earth turned by its rotation angle at ut (polar motion, under half an arcsecond, left out).
Vector3 fromSite(const Vector3& intermediate, JulianDay ut, const SiteFrame& site) {
  const double angle = eraEra00(ut, 0);
  const double c = std::cos(angle), s = std::sin(angle);
  return {c * intermediate.x + s * intermediate.y - site.position.x,
          -s * intermediate.x + c * intermediate.y - site.position.y,
          intermediate.z - site.position.z};
}

Horizontal horizontalOf(const Vector3& seen, const SiteFrame& site) {
  const double east = dot(seen, site.east), north = dot(seen, site.north);
  const double altitude = std::atan2(dot(seen, site.up), std::hypot(east, north));
  double azimuth = std::atan2(east, north) * kRadiansToDegrees;
  if (azimuth < 0) azimuth += 360;
  // A tiny negative angle plus 360 rounds to 360; -0 would print with its sign.
  if (azimuth >= 360 || azimuth == 0) azimuth = 0;
  return {altitude * kRadiansToDegrees, azimuth};
}

// Jupiter seen from one site over one day (and a little beyond): its intermediate place at the
// day's start, middle and end, interpolated by a parabola. The place moves under half a degree
// a day, smoothly: the parabola stays within 0.01 arcsecond of the full computation.
class DayOfJupiter {
 public:
  DayOfJupiter(JulianDay fromUT, const ObserverSite& site)
      : from_(fromUT),
        site_(frameOf(site)),
        nodes_{jupiterIntermediate(fromUT), jupiterIntermediate(fromUT + 0.5),
               jupiterIntermediate(fromUT + 1)} {}

  double altitude(JulianDay ut) const {  // degrees
    return horizontalOf(seen(ut), site_).altitudeDeg;
  }

  // Local hour angle, radians in [0, 2 pi), westward from the upper meridian.
  double hourAngle(JulianDay ut) const {
    const Vector3 v = seen(ut);
    return ReduceAngle(site_.longitude - std::atan2(v.y, v.x));
  }

 private:
  Vector3 seen(JulianDay ut) const {
    const double x = (ut - from_) * 2;  // half days from the first node
    const double w0 = (x - 1) * (x - 2) / 2, w1 = -x * (x - 2), w2 = x * (x - 1) / 2;
    const Vector3& a = nodes_[0];
    const Vector3& b = nodes_[1];
    const Vector3& c = nodes_[2];
    return fromSite({w0 * a.x + w1 * b.x + w2 * c.x, w0 * a.y + w1 * b.y + w2 * c.y,
                     w0 * a.z + w1 * b.z + w2 * c.z},
                    ut, site_);
  }

  JulianDay from_;                // days, UT, the first node
  SiteFrame site_;                // the observer
  std::array<Vector3, 3> nodes_;  // AU, intermediate system, at from_, from_ + 0.5, from_ + 1
};

// A passage through the meridian, above the pole (upper) or below it (lower).
struct MeridianPassage {
  JulianDay ut;  // days, UT
  bool upper;    // hour angle 0 rather than pi
};

// The first meridian passage at or after ut: the hour angle reaches the next multiple of pi.
// The Earth's rotation alone gives the first guess; each Newton step then leaves less than a
// thousandth of the miss, since Jupiter itself moves under half a degree a day.
MeridianPassage nextMeridianPassage(const DayOfJupiter& day, JulianDay ut) {
  const double now = day.hourAngle(ut);       // radians
  const double turns = std::ceil(now / kPi);  // 0, 1 or 2 half turns
  const double target = turns * kPi;
  JulianDay t = ut + (target - now) / kRotationPerDay;
  for (int step = 0; step < 3; ++step) {
    t += std::remainder(target - day.hourAngle(t), 2 * kPi) / kRotationPerDay;
  }
  return {std::max(t, ut), turns != 1};
}

// The instant in [a, b] at which the altitude crosses the rise-and-set altitude, given that it
// lies on different sides of it at a and b.
JulianDay crossing(const DayOfJupiter& day, JulianDay a, JulianDay b) {
  const bool belowAtA = day.altitude(a) < kRiseSetAltitude;
  // Forty halvings take a day below a microsecond; the count also ends the loop for instants
  // so far out that a tenth of a second is below a double's resolution.
  for (int halving = 0; halving < 40 && b - a > kBisectionLimit; ++halving) {
    const JulianDay middle = (a + b) / 2;
    if ((day.altitude(middle) < kRiseSetAltitude) == belowAtA) {
      a = middle;
    } else {
      b = middle;
    }
  }
  return (a + b) / 2;
}

}  // namespace

Horizontal JupiterHorizontal(JulianDay ut, const ObserverSite& site) {
  const SiteFrame frame = frameOf(site);
  return horizontalOf(fromSite(jupiterIntermediate(ut), ut, frame), frame);
}

Horizontal SunHorizontal(JulianDay ut, const ObserverSite& site) {
  const SiteFrame frame = frameOf(site);
  return horizontalOf(fromSite(sunIntermediate(ut), ut, frame), frame);
}

RiseTransitSet JupiterRiseTransitSet(JulianDay fromUT, const ObserverSite& site) {
  const DayOfJupiter day(fromUT, site);
  const JulianDay until = fromUT + 1;
  RiseTransitSet result;
  // The day cut at each meridian passage (at most three, half a day apart): within each piece
  // the altitude crosses the rise-and-set altitude at most once.
  JulianDay start = fromUT, searchFrom = fromUT;
  bool belowAtStart = day.altitude(start) < kRiseSetAltitude;
  for (int piece = 0; piece < 5 && start < until; ++piece) {
    const MeridianPassage passage = nextMeridianPassage(day, searchFrom);
    const JulianDay end = std::min(passage.ut, until);
    const bool belowAtEnd = day.altitude(end) < kRiseSetAltitude;
    if (belowAtStart != belowAtEnd) {
      auto& slot = belowAtStart ? result.rise : result.set;
      if (!slot) slot = crossing(day, start, end);
    }
    if (passage.upper && passage.ut < until && !result.transit) result.transit = passage.ut;
    start = end;
    belowAtStart = belowAtEnd;
    // A quarter day on, the search cannot find this passage again nor miss the next.
    searchFrom = passage.ut + 0.25;
  }
  return result;
}

SkyAtInstant SkyAt(JulianDay ut, const ObserverSite& site, const VisibilityLimits& limits) {
  const double jupiter = JupiterHorizontal(ut, site).altitudeDeg;
  const double sun = SunHorizontal(ut, site).altitudeDeg;
  return {jupiter, sun, jupiter >= limits.minJupiterAltitudeDeg && sun <= limits.maxSunAltitudeDeg};
}

SkyAtInstant ShownSky(const SkyAtInstant& sky, const VisibilityLimits& limits) {
  // Tenths; the nudge keeps a value already on a tenth (4.9 held as 4.8999…) where it is.
  constexpr double kNudge = 1e-9;
  const double jupiter = sky.jupiterAltitudeDeg * 10, sun = sky.sunAltitudeDeg * 10;
  const bool jupiterMet = sky.jupiterAltitudeDeg >= limits.minJupiterAltitudeDeg;
  const bool sunMet = sky.sunAltitudeDeg <= limits.maxSunAltitudeDeg;
  return {(jupiterMet ? std::round(jupiter) : std::floor(jupiter + kNudge)) / 10,
          (sunMet ? std::round(sun) : std::ceil(sun - kNudge)) / 10, sky.visible};
}

bool JupiterAboveHorizon(JulianDay ut, const ObserverSite& site) {
  return JupiterHorizontal(ut, site).altitudeDeg >= kRiseSetAltitude;
}

}  // namespace kelvra
