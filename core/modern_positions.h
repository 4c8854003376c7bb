// The modern theory's moons (core/galilean_moons.h, core/jupiter_system.h) put into the axes
// and units of the classic series (core/ephemeris.h), so that every view can draw either.
#pragma once

#include <array>
#include <functional>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "core/moon_events.h"

namespace kelvra {

// Which theory places the moons in the views. The moon events, the shadows and the eclipses
// by Jupiter always come from the modern one.
enum class PositionTheory { Classic, Modern };

// One instant of the modern theory, ready to draw.
struct ModernScene {
  JupiterState state;                   // X, Y, Radius, U of each moon as c fills them (see
                                        // ModernPositionsAt); SystemI and SystemII are c's
  std::array<MoonShadow, 5> shadows{};  // as MoonShadowsAt gives them, same geometry
  double discPolarRadius = 1;           // equatorial radii: the half-height of Jupiter's disc
                                        // as seen from the Earth, its half-width being 1
};

// Given: ut, a Julian day (days, Universal Time) of observation.
// Returns: the four moons from the full theory with light time (the geometry of the moon
// events: each moon at the instant the light left Jupiter, the Earth at ut), in the axes of
// JupiterState: X toward the west along Jupiter's equator, Y toward its north pole, both the
// point where the moon's line of sight from the Earth crosses the plane through Jupiter's
// centre square to the sight line, in Jupiter equatorial radii; Radius the moon's distance
// from Jupiter's centre (radii); U in [0, 2 pi) with sin U along X and cos U toward the Earth
// (so cos U > 0 is in front of Jupiter, and U = 0 at inferior conjunction, as in c). The
// central meridians are c's; Perturbation is 0.
// Notes: a moon's centre lies on the limb of the disc, X^2 + (Y / discPolarRadius)^2 = 1, at
// the contacts FindMoonEvents lists for transits and occultations (within 5e-5 radii). About 5
// microseconds: cheap enough for every animation frame.
ModernScene ModernPositionsAt(JulianDay ut);

// Given: a month's first instant and the step between samples (days, Universal Time), the
// number of samples, and a visitor.
// Calls: visit(n, state) for n = 0 .. count - 1, state holding X, Y, Radius and U at
// start + n x step as ModernPositionsAt gives them (SystemI and SystemII are 0).
// Notes: read from interpolation tables of the moons and the planets (core/moon_tracks.h), as
// the event searches scan: within 1e-3 radii of the full theory. Jupiter's pole is held at the
// span's middle. About 0.7 ms for a month of half-hour steps, half of it the tables.
void ForEachModernStep(JulianDay start, double step, int count,
                       const std::function<void(int n, const JupiterState&)>& visit);

}  // namespace kelvra
