// Positions of Jupiter's four large satellites and the longitudes of its central meridian.
#pragma once

#include <array>

#include "core/calendar.h"

namespace kelvra {

// Results of the ephemeris for the instant computed last. Arrays are indexed by satellite
// number: 0 Jupiter, 1 Io, 2 Europa, 3 Ganymede, 4 Callisto.
struct JupiterState {
  std::array<double, 5> Perturbation{};  // radians, correction added to each u
  std::array<double, 5> Radius{};        // Jupiter equatorial radii, distance from Jupiter's centre
  std::array<double, 5> X{};             // Jupiter equatorial radii, positive toward the west
  std::array<double, 5> Y{};             // Jupiter equatorial radii, positive toward the north
  double SystemI = 0;                    // degrees, central meridian longitude in System I
  double SystemII = 0;                   // degrees, central meridian longitude in System II
  std::array<double, 5> U{};             // radians in [0, 2 pi), angle from inferior conjunction;
                                         // [0] is Jupiter's slot for the view's depth sort
};

// Geometry of Jupiter shared by the central meridians and the satellites.
struct JupiterGeometry {
  double d;       // days since Julian day 2415020.0 (1900 January 0.5)
  double V;       // radians in [0, 2 pi), argument of the long-period perturbation
  double B;       // radians, Jupiter's equation of the centre
  double psi;     // radians, signed angle at Jupiter between the Sun and the Earth
  double r;       // astronomical units, distance Sun-Jupiter
  double Delta;   // astronomical units, distance Earth-Jupiter
  double dLight;  // days, d less the light time from Jupiter to the Earth
};

// Time correction of the central meridian longitudes (not of the satellites).
// Given: d, days since Julian day 2415020.0.
// Returns: seconds; about 12 at d = 0, negative between about 1700 and 1859.
double MeridianTimeCorrection(double d);

// Central meridian longitudes of Jupiter.
// Given: jd, a Julian day (days, Universal Time).
// Returns: Jupiter's geometry at jd; writes state.SystemI and state.SystemII (degrees). The
// longitudes include the time correction and are not reduced again, so they may lie slightly
// outside 0..360.
JupiterGeometry CentralMeridian(JulianDay jd, JupiterState& state);

// Positions of the four large satellites.
// Given: jd, a Julian day (days, Universal Time).
// Fills: every field of state for that instant; slot 0 of Perturbation, Radius, X and Y is
// set to 0, U[0] is left as it is. Reads nothing that an earlier call left in state.
void c(JulianDay jd, JupiterState& state);

}  // namespace kelvra
