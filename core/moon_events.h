// The phenomena of the four large satellites: transits, occultations, shadow transits and
// eclipses, timed with the modern theory (core/galilean_moons.h, core/jupiter_system.h).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/calendar.h"
#include "core/galilean_moons.h"

namespace kelvra {

enum class MoonEventKind { Transit, Occultation, ShadowTransit, Eclipse };

struct MoonEvent {
  int moon;                        // 1 Io, 2 Europa, 3 Ganymede, 4 Callisto
  MoonEventKind kind;              // what the moon or its shadow does
  std::optional<JulianDay> start;  // days, UT; empty: already going on at the span's start
  std::optional<JulianDay> end;    // days, UT; empty: still going on at the span's end
};

// The phenomena of a span of time.
// Given: startUT, a Julian day (days, Universal Time); days, the span's length in days.
// Returns: every phenomenon going on at some instant of [startUT, startUT + days), sorted by
// start (those already going on first), then by moon. Empty when days is not a positive
// number or startUT is not finite. A span of any length is computed 32 days at a time, so the
// memory stays small; the time grows with it (about 1.4 ms a month).
// Contact rule: a phenomenon lasts while the moon's centre (for a shadow transit or an eclipse,
// the centre of its shadow) lies inside Jupiter's disc, the outline of the spheroid of
// equatorial radius 71 492 km and polar radius 66 854 km, seen from the Earth (a transit when
// the moon is nearer the Earth than Jupiter's centre, an occultation when farther) or from the
// Sun (a shadow transit when nearer the Sun, an eclipse when farther: inside the shadow).
// Instants are UT as observed at the Earth: the geometry is that of the moment the light left
// Jupiter, the one light time of Jupiter's centre serving all four moons (a moon's own distance
// along the line of sight would move its instants by at most 6 s, Callisto's).
// Accuracy (1900-2100; docs/MOON_EVENTS.md): the contacts are solved on the L1.2 theory to
// well under a second; against IMCCE's published mid-times within 2.5 minutes (rms 0.8). Outside
// 1900-2100 the planets and Delta T degrade; the instants stay finite for every year 0..9999.
// Notes: the span is scanned on cubic interpolations (each moon from nodes every 2, 4, 8 and 16
// hours for Io to Callisto, the planets from daily nodes); every contact found is refined
// against the full moon theory to a second, and where the samples pass close by without
// entering, the full theory decides at the closest approach. A graze of under two minutes may
// be missed; the shortest events of 2000-2030, Callisto's grazes of 7 to 9 minutes, are found.
// Reference: the theory of core/galilean_moons.h and core/jupiter_system.h; the instants follow
// IMCCE's convention for its tables (the limb bisecting the moon's disc).
std::vector<MoonEvent> FindMoonEvents(JulianDay startUT, double days);

// A moon's shadow on Jupiter, as the observer sees it.
struct MoonShadow {
  double X;       // Jupiter equatorial radii, from Jupiter's centre, positive toward the west
  double Y;       // Jupiter equatorial radii, positive toward Jupiter's north pole
  bool onDisc;    // the shadow's centre falls on Jupiter: a shadow transit is going on
  bool eclipsed;  // the moon is inside Jupiter's shadow: an eclipse is going on
};

// One moon's shadow from its geometry.
// Given: moon, earth and sun relative to Jupiter's centre (AU, J2000 equator; the moon at the
// instant the light left Jupiter, the Earth at the instant of observation), Jupiter's pole (unit
// vector).
// Returns: where the line from the Sun through the moon first meets Jupiter's cloud tops,
// projected on the sky as seen from the Earth with the axes of JupiterState (X along Jupiter's
// equator toward the west, Y toward its north pole); when that line misses Jupiter, the place
// where it passes nearest Jupiter's centre.
// Notes: the same oblate figure and stretched-sphere test as PassageOfSight; the shadow's point
// is projected orthographically (the perspective across one radius is below 1e-6 radii).
// Reference: the axes of the classic series (core/ephemeris.h), X along the equator.
MoonShadow ShadowOf(const Vector3& moon, const Vector3& earth, const Vector3& sun,
                    const Vector3& pole);

// Every moon's shadow at one instant.
// Given: ut, a Julian day (days, Universal Time) of observation.
// Returns: indexed by satellite number (slot 0, Jupiter, all zero), each moon's shadow from the
// full theory with light time; onDisc and eclipsed agree with FindMoonEvents' contact rule.
// Notes: about 5 microseconds; cheap enough for every animation frame.
std::array<MoonShadow, 5> MoonShadowsAt(JulianDay ut);

}  // namespace kelvra
