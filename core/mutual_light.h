// How much light a mutual event takes away at its maximum, the figure an observer's light curve
// shows. Every disc is taken as uniformly bright (no limb darkening, no phase effect): good to a
// few per cent of the loss, enough to tell a deep event from a shallow one.
#pragma once

#include <array>

#include "core/mutual_events.h"

namespace kelvra {

// Geometric albedos by satellite number (slot 0 unused): the surface brightness each moon's
// uniform disc is given when an occultation's loss is a share of the pair's light.
inline constexpr std::array<double, 5> kMoonAlbedo{0, 0.63, 0.67, 0.43, 0.17};

// Given: two discs of radii r1 and r2 whose centres are d apart (any one unit, r1, r2 >= 0).
// Returns: the area they share, in that unit squared.
double DiscOverlapArea(double r1, double r2, double d);

// An occultation's loss as a small telescope sees it: the pair unresolved, one point of light.
// Given: distance, the apparent distance of the centres; active and passive, the apparent
// radii of the moon in front and of the moon hidden (one unit, e.g. radians); activeAlbedo and
// passiveAlbedo, their surface brightness.
// Returns: the share of the pair's light hidden, 0..1.
double OccultedShareOfPair(double distance, double active, double passive, double activeAlbedo,
                           double passiveAlbedo);

// An eclipse's loss of the passive moon's own light, umbra and penumbra together.
// Given, in km in the passive moon's section square to the shadow's axis: distance, of the
// passive moon's centre from the axis; umbra, the umbra's radius there (negative beyond its
// apex, in the antumbra); activeRadius, the radius of the moon casting the shadow;
// passiveRadius, the eclipsed moon's.
// Returns: the share of the passive moon's light lost, 0..1. Each point of its disc loses the
// share of the Sun's disc the active moon hides from it; the penumbra's radius follows from the
// umbra's by similar triangles, so the Sun's and the moons' distances are not needed.
// Notes: the rings about the shadow's axis are summed by a Gauss-Legendre rule on each piece
// between the integrand's kinks, to 1e-6 of the light in some 4 microseconds: cheap enough for
// every frame of the eyepiece.
double EclipsedShareOfMoon(double distance, double umbra, double activeRadius,
                           double passiveRadius);

// Given: a mutual event as FindMutualEvents gives it.
// Returns: the share of light lost at its maximum, 0..1: for an eclipse the passive moon's
// (EclipsedShareOfMoon), for an occultation the pair's together (OccultedShareOfPair), from
// MutualOverlapAt at the maximum. About 10 microseconds.
double MutualLightLost(const MutualEvent& event);

}  // namespace kelvra
