// How much light a mutual event takes away at its maximum, the figure an observer's light curve
// shows. Every disc is taken as uniformly bright (no limb darkening, no phase effect): good to a
// few per cent of the loss, enough to tell a deep event from a shallow one.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/mutual_events.h"

namespace kelvra {

// Geometric albedos by satellite number (slot 0 unused), kMoons': the surface brightness each
// moon's uniform disc is given when an occultation's loss is a share of the pair's light.
inline constexpr std::array<double, 5> kMoonAlbedo = MoonColumn(&Moon::albedo);

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

// One point of a predicted light curve.
struct LightPoint {
  JulianDay ut;  // days, UT
  double flux;   // 1 outside the event; eclipse: the passive moon's own light;
                 // occultation: the pair's light together, each disc uniformly bright and
                 // weighted by kMoonAlbedo (as MutualLightLost)
};

// A point with what a curve's export writes beside it.
struct LightSample {
  LightPoint point;
  double distanceKm;  // occultation: the centres' apparent separation, km at the passive
                      // moon's distance; eclipse: the passive moon's centre from the shadow's
                      // axis, km
};

// Given: kind, active and passive as an event's; overlap, their geometry at one instant
// (MutualOverlapAt).
// Returns: the flux there, 0..1, as LightPoint's: 1 - EclipsedShareOfMoon or
// 1 - OccultedShareOfPair, computed afresh (for an eclipse about 0.1 ms); 1 when active or
// passive is not 1..4.
double MutualFluxAt(MutualEventKind kind, int active, int passive, const MutualOverlap& overlap);

// Given: an event as FindMutualEvents gives it; stepMinutes > 0.
// Returns: the predicted light curve: points every stepMinutes from lightStart - 2 min, the
// last at lightEnd + 2 min, plus the maximum and the contacts themselves; sorted by time.
// Empty when stepMinutes is not a finite positive number.
// Notes: MutualLightSamples' points; uniform discs, no limb darkening; see there.
std::vector<LightPoint> MutualLightCurve(const MutualEvent& event, double stepMinutes);

// Given: as MutualLightCurve.
// Returns: MutualLightCurve's points, each with its distance. Empty also when active or
// passive is not 1..4, the event's instants are not finite, its light contacts lie more than a
// day apart, or the curve would take more than kMostLightPoints points.
// Notes: every disc uniformly bright, as MutualLightLost; the penumbra counts for an eclipse.
// At the maximum 1 - flux is MutualLightLost (to 1e-16). Instants within a millisecond are one
// point, a contact or the maximum kept rather than a step. The geometry is MutualOverlapAt's at
// every point (some 5 microseconds each); an occultation's share is OccultedShareOfPair's,
// exact. An eclipse's share is tabulated once per event from EclipsedShareOfMoon (three umbral
// radii spanning the event's, as the radius drifts by up to 80 km over a long eclipse, and 25
// distances each) and interpolated: against EclipsedShareOfMoon at every 0.1-minute point of
// the 2026-27 season's eclipses within 1.6e-4 of the moon's light, mostly within 1e-5
// (docs/MUTUAL_EVENTS.md). The season's longest eclipse (147 minutes, 1 517 points at
// 0.1-minute steps) takes some 14 ms of CPU time, most of it the geometry.
std::vector<LightSample> MutualLightSamples(const MutualEvent& event, double stepMinutes);

// Who can see an event's drop in light, judged on the magnitude as shown (two decimals).
enum class DropSeenBy {
  Eye,         // 0.5 magnitude or more: a visual observer sees the moon fade
  Photometry,  // 0.1 to under 0.5: a camera and a comparison star show it
  Graze,       // under 0.1: barely measurable
};

// The drop in magnitude at an event's maximum.
struct MagnitudeDrop {
  double deltaMagnitude;  // magnitudes, -2.5 log10(flux), rounded to 0.01; infinity when no
                          // light is left (a moon wholly in the umbra)
  DropSeenBy seenBy;      // decided on deltaMagnitude as rounded
};

// Given: flux, the light left at maximum, 0..1 (1 - MutualLightLost).
// Returns: its drop in magnitude and who sees it; a flux above 1 or not a number counts as 1,
// below 0 as 0. 0.498 is shown, and judged, as 0.50.
MagnitudeDrop MagnitudeDropOf(double flux);

// Returns: "eye", "photometry" or "graze".
const char* DropSeenByWord(DropSeenBy seenBy);

// The words of a drop in light, UTF-8, English unless the caller gives its own language's.
struct LightLossWords {
  std::string eye = "eye", photometry = "photometry", graze = "graze";  // DropSeenBy's
  std::string lost = "light lost %1%, %2";  // %1 whole per cent, %2 MagnitudeDropText
};

// Returns: the drop as every window, page and export gives it, UTF-8: "Δm 0.65 eye", "Δm ∞ eye"
// for no light left, the word from `words`; a decimal point whatever the locale.
std::string MagnitudeDropText(const MagnitudeDrop& drop, const LightLossWords& words = {});

// Given: an event as FindMutualEvents gives it; the words.
// Returns: its loss at maximum for an export's description: "light lost 38%, Δm 0.52 eye"
// (MutualLightLost in whole per cent, MagnitudeDropText of the light left).
std::string MutualLossText(const MutualEvent& event, const LightLossWords& words = {});

// The most points a curve is given: a step far below a second would otherwise ask for memory
// the curve cannot use.
inline constexpr std::size_t kMostLightPoints = 1000000;

}  // namespace kelvra
