// What the decametric radio observer of Jupiter needs: the central meridian in System III, the
// moons' geocentric phases, the published source regions in that plane, and the spans of a
// period during which the two lie inside a region.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "core/calendar.h"

namespace kelvra {

// The central meridian in System III (1965).
// Given: ut, a Julian day (days, Universal Time) of observation from the Earth's centre.
// Returns: degrees in [0, 360), the System III west longitude of the sub-Earth point.
// Notes: the IAU rotation elements of Jupiter: the pole with its five periodic terms
// (JupiterNorthPole) and the prime meridian W = 284.95 + 870.5360000 d, d in days from J2000
// (TT stands in for TDB: they differ by under 2 ms, 2e-5 degrees). Both, and the Earth's
// direction as seen from Jupiter, are taken at the instant the light now arriving left Jupiter
// (SightLinesAt); CM = W less the Earth's longitude from the node of Jupiter's equator on the
// J2000 equator. Aberration is left out, as for the sub-observer point of the almanacs. The
// meridian turns 0.01 degree a second, so its error is Delta T's: the extrapolated Delta T of
// DeltaT (core/jupiter_system.h) after 2005 shifts it by a few hundredths of a degree.
// Reference: Archinal et al., Report of the IAU WGCCRE: 2015, Celest. Mech. Dyn. Astr. 130:22
// (2018), Table 2 (Jupiter; W is System III of 1965).
double CentralMeridianIII(JulianDay ut);

// A moon's geocentric phase.
// Given: moon, 1 Io, 2 Europa, 3 Ganymede, 4 Callisto; ut, a Julian day (days, Universal
// Time) of observation.
// Returns: degrees in [0, 360), the angle in Jupiter's equatorial plane from superior
// geocentric conjunction (the moon straight behind Jupiter as seen from the Earth), counted in
// the direction of the moon's motion: 90 at eastern elongation, 180 at inferior conjunction,
// 270 at western elongation. NaN for any other moon number.
// Notes: the moon from the modern theory (GalileanMoonState) at the instant the light left
// Jupiter, the one light time of Jupiter's centre serving all four moons (as FindMoonEvents);
// both directions are projected on the equator of the IAU pole, so a moon off that plane
// counts by its longitude there.
// Reference: the theory of core/galilean_moons.h; the phase as the radio literature counts it
// (e.g. Carr, Desch & Alexander 1983, below).
double GeocentricPhase(int moon, JulianDay ut);

// One source region of the decametric emission: a box in the plane of the central meridian
// (System III) and a moon's geocentric phase. A range runs upward from its first bound to its
// second, through 360 when the first is the greater (300 .. 20 holds 350 and 10); 0 .. 360 holds
// every angle. A region naming a moon outside 0..4 never matches.
struct RadioRegion {
  std::string_view name;      // as the literature names it, e.g. "Io-B"
  double cmFrom, cmTo;        // degrees, System III central meridian, 0..360
  int moon;                   // the moon whose phase drives it, 1..4; 0: none, any phase will do
  double phaseFrom, phaseTo;  // degrees, that moon's geocentric phase, 0..360; unused for none
};

// The regions most used for predictions at 18-22 MHz.
// Source: Carr, Desch & Alexander, "Phenomenology of magnetospheric radio emissions", in
// Dessler (ed.), Physics of the Jovian Magnetosphere, Cambridge University Press (1983),
// chapter 7, in the box form of the observers' prediction tables (Io-D after their Table 7.4);
// the Io-independent A and C emission fills the longitude bands of Io-A and Io-C at every phase.
// Checked against a current observers' forecast table (docs/RADIO.md), which gives Io-A
// 200-260 / 195-265, Io-B 90-200 / 80-130 and Io-C 290-10 / 220-260: centres within 10 degrees
// of these; its A 10 degrees narrower in longitude and 15 wider in phase, its B 30 wider in
// longitude and 20 in phase, its C 10 degrees lower in longitude and 5 wider in phase; it has
// no Io-D and no Io-independent regions.
inline constexpr std::array<RadioRegion, 6> kRadioSourceRegions{{
    {"Io-A", 200, 270, 1, 205, 260},
    {"Io-B", 105, 185, 1, 80, 110},
    {"Io-C", 300, 20, 1, 225, 260},
    {"Io-D", 0, 200, 1, 95, 130},
    {"non-Io-A", 200, 270, 0, 0, 0},
    {"non-Io-C", 300, 20, 0, 0, 0},
}};

// One span during which the central meridian and the driving moon's phase lie inside a region.
struct RadioWindow {
  int region;             // index of the region in the table searched
  std::string_view name;  // the region's name (the table's own text)
  JulianDay start, end;   // days, UT; clipped to the period searched
};

// The spans of a period, each region on its own.
// Given: startUT, a Julian day (days, Universal Time); days, the period's length (days);
// regions, the boxes to search (the published table unless told).
// Returns: every span of [startUT, startUT + days) during which CentralMeridianIII and the
// GeocentricPhase of the region's moon both lie inside the region, sorted by start, then by
// region; a span going on at either end of the period is cut there. Empty when days is not a
// positive number or startUT is not finite; a region's name stays valid as long as its table.
// Notes: the meridian and the phases are sampled every hour from interpolation tables of the
// planets and the moons (core/moon_tracks.h), the same geometry as the two functions above to
// well under a second of time. Both angles only grow, under 40 degrees in a step, so every
// crossing of a bound is seen in the step where the angle passes it, however short the span
// it opens; the crossings where the inside changes are then refined by bisection on the
// tables to half a second. The edges agree with the two functions above to a second; their
// truth rests on Delta T (see CentralMeridianIII). A long period goes 32 days at a time.
// About 1 ms a month.
std::vector<RadioWindow> FindRadioWindows(
    JulianDay startUT, double days, std::span<const RadioRegion> regions = kRadioSourceRegions);

}  // namespace kelvra
