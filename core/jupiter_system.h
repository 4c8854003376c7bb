// The geometry around Jupiter that the modern theory of the moons needs: the time scale, the
// Earth and the Sun as seen from Jupiter, Jupiter's pole and the outline of its disc.
#pragma once

#include "core/calendar.h"
#include "core/galilean_moons.h"

namespace kelvra {

inline constexpr double kJupiterEquatorialRadius = 71492;  // km
inline constexpr double kJupiterPolarRadius = 66854;       // km
inline constexpr double kKilometresPerAU = 149597870.7;    // km

// Terrestrial Time less Universal Time.
// Given: ut, a Julian day (days, Universal Time).
// Returns: Delta T in seconds: about 64 in 2000, 10 600 in the year 0, 214 000 in 9999.
// Notes: a polynomial per era, measured values from 1620, extrapolated after 2005; before
// -500 and after 2150 the long-term parabola -20 + 32 u^2 (u centuries since 1820). The small
// correction for the Moon's tidal acceleration is left out.
// Reference: Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA TP-2006-214141),
// "Polynomial expressions for Delta T".
double DeltaT(JulianDay ut);

// Jupiter's north pole of rotation.
// Given: tt, a Julian day (Terrestrial Time; the 2 ms to TDB do not matter here).
// Returns: the unit vector of the pole in the J2000 equator and equinox.
// Reference: Archinal et al., Report of the IAU Working Group on Cartographic Coordinates and
// Rotational Elements: 2015, Celest. Mech. Dyn. Astr. 130:22 (2018), Jupiter's pole with its
// five periodic terms.
Vector3 JupiterNorthPole(JulianDay tt);

// Where the Earth and the Sun stand as seen from Jupiter, for one instant of observation.
struct JupiterSightLines {
  JulianDay tt;      // Julian day, Terrestrial Time at which the light seen at ut left Jupiter
  double lightTime;  // days, from Jupiter to the Earth
  Vector3 earth;     // AU, the Earth (at ut) relative to Jupiter's centre (at tt), J2000
  Vector3 sun;       // AU, the Sun relative to Jupiter's centre at tt, J2000
};

// Given: ut, a Julian day (days, Universal Time) at which an observer on the Earth looks.
// Returns: the sight lines for that instant, with light time.
// Notes: the Earth and Jupiter from ERFA's eraPlan94, heliocentric. The Earth-Moon barycentre
// stands in for the Earth, at most 4 700 km away: seen from Jupiter under 1.2", which moves
// an event by at most 1.5 s (Callisto); ERFA's eraEpv00 would give the Earth itself but costs
// some 80 microseconds, four times this whole function. Jupiter is carried back over the light
// time along its velocity (straight to metres within an hour). The planets are good to a few
// arcseconds over 1900-2100 and degrade outside; the results stay finite for every year 0..9999.
// Reference: ERFA (IAU SOFA's algorithms): eraPlan94, after Simon et al., A&A 282 (1994) 663.
JupiterSightLines SightLinesAt(JulianDay ut);

// A place and motion about the Sun.
struct HeliocentricState {
  Vector3 position;  // AU, J2000 equator and equinox
  Vector3 velocity;  // AU per day, J2000 equator and equinox
};

// Given: tt, a Julian day (Terrestrial Time).
// Returns: the Earth's heliocentric position and velocity at tt, as SightLinesAt takes them.
// Notes: the Earth-Moon barycentre of ERFA's eraPlan94 stands in for the Earth (see above).
// Reference: ERFA: eraPlan94, after Simon et al., A&A 282 (1994) 663.
HeliocentricState EarthAt(JulianDay tt);

// How the straight line from a source (the Earth or the Sun) through a moon passes Jupiter.
struct DiscPassage {
  double squaredOffset;  // (equatorial radii)^2, the line's nearest approach to Jupiter's centre
                         // once the polar axis is stretched to make the planet round: below 1
                         // the line meets Jupiter, so the moon is on the disc as seen from the
                         // source (or its shadow on the disc, or it in the shadow)
  bool nearSide;         // the moon is nearer the source than Jupiter's centre is
};

// Given: moon and source relative to Jupiter's centre (AU, J2000), the pole (unit vector).
// Returns: the passage of the line from source through moon.
// Notes: Jupiter is the spheroid of equatorial radius 71 492 km and polar radius 66 854 km;
// stretching along the pole by their ratio turns it into a sphere and its outline seen from any
// point into the outline of that sphere, so the test is exact for an oblate figure.
// Reference: the radii are the 1-bar level of the IAU WGCCRE 2015 report (Archinal et al.).
DiscPassage PassageOfSight(const Vector3& moon, const Vector3& source, const Vector3& pole);

}  // namespace kelvra
