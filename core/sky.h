// Jupiter and the Sun in an observer's sky: altitude and azimuth, and Jupiter's rise, upper
// transit and set.
#pragma once

#include <optional>

#include "core/calendar.h"

namespace kelvra {

// A place on the Earth, on the WGS84 ellipsoid.
struct ObserverSite {
  double latitudeDeg;   // degrees, geodetic, north positive, -90..90
  double longitudeDeg;  // degrees, east positive, -180..180
  double heightM;       // metres above sea level (taken as the ellipsoid; tens of metres of
                        // difference do not move a planet)
};

// A direction in the observer's sky.
struct Horizontal {
  double altitudeDeg;  // degrees, of the centre, topocentric, apparent place, no refraction
  double azimuthDeg;   // degrees, from north through east, 0..360
};

// Jupiter's place in the observer's sky.
// Given: ut, a Julian day (days, Universal Time, taken as UT1); site.
// Returns: the altitude (-90..90 degrees) and azimuth ([0, 360) degrees) of Jupiter's centre.
// Notes: the apparent place (light time, annual aberration) seen from the site itself
// (parallax), in the frame of the Earth's true equator; no atmospheric refraction. Jupiter and
// the Earth as SightLinesAt gives them; the equator of date from the IAU 2000B
// precession-nutation; the Earth's rotation angle taken from UT; polar motion is left out.
// Finite for every year 0..9999; good to a few arcseconds over 1900-2100.
// Reference: IERS Conventions (2010), chapter 5, the CIO-based transformation; ERFA's
// eraC2i00b, eraEra00, eraAb and eraGd2gc.
Horizontal JupiterHorizontal(JulianDay ut, const ObserverSite& site);

// The Sun's place in the observer's sky.
// Given, Returns and Notes: as for JupiterHorizontal, for the Sun's centre; the Earth-Moon
// barycentre stands in for the Earth (at most 6.4 arcseconds in the Sun's direction).
Horizontal SunHorizontal(JulianDay ut, const ObserverSite& site);

// Jupiter's passages in one day.
struct RiseTransitSet {
  std::optional<JulianDay> rise, transit, set;  // days, UT; empty when it does not happen
};

// Jupiter's first rise, upper transit and set in [fromUT, fromUT + 1 day). Rise and set:
// the centre's altitude (as above) crosses -0.5667 degrees (standard refraction).
// Given: fromUT, a Julian day (days, UT); site.
// Returns: each of the three instants, the first of its kind in the day, or empty: no rise and
// no set when Jupiter stays above (or below) -0.5667 degrees all day, as near the poles.
// Notes: the upper transit is the meridian passage (local hour angle 0), given even when it
// falls below the horizon; it happens every day, at the poles by the site's longitude. Between
// an upper and a lower transit the altitude only falls, between a lower and an upper it only
// rises (Jupiter's declination moves under 0.2 degrees a day), so each such stretch holds at
// most one rise or set, found by bisection to a tenth of a second. Jupiter's direction is
// computed three times and interpolated over the day (to 0.01 arcsecond).
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 15, for the method.
RiseTransitSet JupiterRiseTransitSet(JulianDay fromUT, const ObserverSite& site);

// What an observer counts as a visible event: Jupiter high enough and the sky dark enough.
struct VisibilityLimits {
  double minJupiterAltitudeDeg = 5;  // degrees, the least altitude of Jupiter's centre
  double maxSunAltitudeDeg = -6;     // degrees, the greatest altitude of the Sun's centre
};

// Jupiter and the Sun at one instant, as a site sees them.
struct SkyAtInstant {
  double jupiterAltitudeDeg;  // degrees, as JupiterHorizontal gives it
  double sunAltitudeDeg;      // degrees, as SunHorizontal gives it
  bool visible;               // Jupiter at or above its least altitude, the Sun at or below
                              // its greatest
};

// Given: ut, a Julian day (days, UT); site; limits.
// Returns: both altitudes and whether an event at ut counts as visible from the site.
// Notes: the altitudes carry no refraction, so the limits are compared with the true places;
// about 13 microseconds.
SkyAtInstant SkyAt(JulianDay ut, const ObserverSite& site, const VisibilityLimits& limits);

// The altitudes as a person reads them, to a tenth of a degree.
// Given: sky as SkyAt gave it for limits.
// Returns: the same sky, each altitude rounded to 0.1 degree: to the nearest tenth when it
// meets its limit, else away from the limit it failed (Jupiter down, the Sun up), so that a
// shown value never seems to meet a limit it missed (the Sun at -5.98 with a limit of -6 shows
// -5.9, not -6.0).
SkyAtInstant ShownSky(const SkyAtInstant& sky, const VisibilityLimits& limits);

// Whether Jupiter stands above the horizon of rise and set (-0.5667 degrees) at ut: with no
// rise and no set in a day, it says whether Jupiter is up all that day or down all of it.
bool JupiterAboveHorizon(JulianDay ut, const ObserverSite& site);

}  // namespace kelvra
