// Jovicentric positions of the four large satellites from the L1.2 theory.
#pragma once

#include "core/calendar.h"

namespace kelvra {

// A vector of the J2000 mean equator and equinox: x toward the equinox, z toward the pole.
struct Vector3 {
  double x, y, z;  // units as the field that holds it says
};

// Where a satellite is and how it moves, relative to Jupiter's centre.
struct MoonStateVector {
  Vector3 position;  // astronomical units, J2000 equator and equinox
  Vector3 velocity;  // astronomical units per day, J2000 equator and equinox
};

// Jovicentric position and velocity of one Galilean satellite.
// Given: moon, 1 Io, 2 Europa, 3 Ganymede, 4 Callisto; tt, a Julian day in Terrestrial Time.
// Returns: its state vector at tt, geometric (no light time).
// Notes: the theory's four sums give the elements a, the mean longitude, z = e exp(i varpi)
// and zeta = sin(i/2) exp(i Omega); an equinoctial Kepler orbit turns them into a position in
// Jupiter's frame of the theory, and a fixed rotation takes that to J2000. The velocity is the
// Kepler orbit's, which leaves out the slow drift of the elements (a part in 10^4). Any finite
// tt gives a finite result; the theory is fitted to observations of 1891-2003.
// Reference: Lainey, Duriez & Vienne, A&A 420 (2004) 1171, the L1 theory; the condensed L1.2
// series of IMCCE (core/l12_tables.h).
MoonStateVector GalileanMoonState(int moon, JulianDay tt);

}  // namespace kelvra
