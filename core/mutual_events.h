// The mutual events of the four large satellites: one moon hiding another from the Earth
// (occultation) or casting its shadow on another (eclipse), timed with the modern theory
// (core/galilean_moons.h, core/jupiter_system.h). They happen only in the seasons, every 5.9
// years, when the Earth and the Sun pass through the plane of the moons' orbits.
#pragma once

#include <array>
#include <vector>

#include "core/calendar.h"
#include "core/moons.h"

namespace kelvra {

// Mean radii by satellite number (slot 0 unused), km: kMoons' spheres the events are computed
// with.
inline constexpr std::array<double, 5> kMoonRadius = MoonColumn(&Moon::radiusKm);
inline constexpr double kSunRadius = 695700;  // km, the IAU 2015 nominal solar radius

enum class MutualEventKind { Occultation, Eclipse };

struct MutualEvent {
  MutualEventKind kind;
  int active;            // 1..4: the moon in front (occultation) or casting the shadow (eclipse)
  int passive;           // 1..4: the moon hidden or eclipsed
  JulianDay start;       // days, UT: first contact (discs, or the umbra and the disc); a
                         // penumbral eclipse's lightStart
  JulianDay maximum;     // days, UT: greatest phase (least distance of the centres / of the
                         // passive moon's centre from the shadow's axis)
  JulianDay end;         // days, UT: last contact; a penumbral eclipse's lightEnd
  double magnitude;      // fraction of the passive moon's diameter covered at maximum, 0..1;
                         // for an annular event the active disc's (or umbra's) diameter over
                         // the passive moon's; 0 for a penumbral eclipse
  bool total;            // the passive moon wholly covered (wholly in the umbra)
  bool annular;          // the active disc (umbra) lies wholly inside the passive moon's disc
  bool passiveHidden;    // the passive moon is behind Jupiter or in Jupiter's shadow at maximum
  JulianDay lightStart;  // days, UT: an eclipse's first penumbral contact, when the light
                         // begins to fall; an occultation's start
  JulianDay lightEnd;    // days, UT: an eclipse's last penumbral contact, when the light is
                         // whole again; an occultation's end
  bool penumbral;        // an eclipse whose umbra never meets the passive moon: it lies in the
                         // penumbra only, or beyond the umbra's apex
};

// The mutual events of a span of time.
// Given: startUT, a Julian day (days, Universal Time); days, the span's length in days.
// Returns: every mutual event whose maximum lies in [startUT, startUT + days), sorted by
// maximum. Start and end are the true contacts, even outside the span. Empty when days is not
// a positive finite number, startUT is not finite or the span reaches beyond 10^7 days
// (27 000 years) from 2000, and outside the seasons of events.
// Geometry: the moons are spheres of the radii kMoonRadius, the Sun one of kSunRadius.
// - Occultation: the two discs as seen from the Earth's centre, each moon where it was when
//   the light now arriving left it (its own light time). Contacts when the angular distance of
//   the centres equals the sum of the apparent radii.
// - Eclipse: the umbra of the active moon, the cone tangent to it and to the Sun's disc,
//   meeting the passive moon's disc, the section of the passive moon square to the cone's axis
//   through its centre. The passive moon is where it was when its light left it, the active
//   moon where it was when the sunlight that reaches the passive moon passed it. start and end
//   are umbral contacts, lightStart and lightEnd those of the penumbra (the cone tangent to
//   the moon and the Sun crosswise). An approach in the penumbra only, or with the passive
//   moon's centre beyond the umbra's apex (in the antumbra), is a penumbral eclipse, listed
//   when it takes at least 3 % of the passive moon's light at maximum (EclipsedShareOfMoon).
// - A moon's place is its jovicentric one from the theory plus Jupiter's heliocentric motion
//   over the difference of light times; the Earth is its centre, not the Earth-Moon barycentre.
// - passiveHidden follows FindMoonEvents' rule: the passive moon's centre inside Jupiter's
//   disc seen from the Earth (and farther than Jupiter), or inside Jupiter's shadow.
// - UT from TT by the same Delta T as the moon events.
// Accuracy (1900-2100; docs/MUTUAL_EVENTS.md): every event of magnitude 0.05 or more is found
// (and in 2026-27 every graze below too, down to 0.002, but a graze may come and go with a few
// km of theory). Instants are solved on the full theory to a tenth of a second; against an
// independent computation of the same rule they agree within a minute or a tenth of the
// event's length (the light's contacts too), magnitudes within 0.01, a penumbral eclipse's
// light lost within 0.002. Outside 1900-2100 the planets and Delta T degrade;
// the instants stay finite for every year 0..9999.
// Notes: the span is computed 32 days at a time. Pairs are pruned on the interpolated
// positions the moon events use (core/moon_tracks.h), sampled every 10 minutes, with a bound on
// how fast two moons can close (an eclipse's reach taking in the penumbra); each candidate is
// refined on the full theory. About 1.8 ms of CPU time a month, 25 ms the whole season.
// Reference: the theory of core/galilean_moons.h and core/jupiter_system.h; the Earth's offset
// from the Earth-Moon barycentre from ERFA's eraMoon98.
std::vector<MutualEvent> FindMutualEvents(JulianDay startUT, double days);

// How two moons overlap at one instant, in the units of the kind: radians as seen from the
// Earth's centre for an occultation, km in the passive moon's section square to the umbra's
// axis for an eclipse. An event goes on while distance < active + passive and active > 0.
struct MutualOverlap {
  double distance;  // the apparent distance of the centres, or of the passive moon's centre
                    // from the umbra's axis
  double active;    // the active disc's apparent radius, or the umbra's radius there (negative
                    // beyond its apex, in the antumbra)
  double passive;   // the passive disc's apparent radius, or its radius
};

// Given: ut, a Julian day (days, Universal Time); kind; active and passive, satellite numbers
// 1..4 (the moon nearer the Earth, or the Sun, first).
// Returns: their overlap on the full theory with the geometry of FindMutualEvents.
// Notes: some 5 microseconds; FindMutualEvents computes the same on interpolated sight lines
// (metres apart), so the two agree to well under a km.
MutualOverlap MutualOverlapAt(JulianDay ut, MutualEventKind kind, int active, int passive);

// Where the passive moon stands against Jupiter at an event's maximum: near the planet its light
// swamps the event's light curve.
enum class AgainstJupiter {
  Clear,   // off the disc and out of its shadow, or wholly hidden (passiveHidden)
  AtLimb,  // the passive disc partly behind Jupiter's, partly in front of it, or partly in
           // Jupiter's shadow
  OnDisc,  // the passive disc wholly in front of Jupiter's
};

// Given: an event as FindMutualEvents gives it.
// Returns: where its passive moon stands at maximum, by the sight lines of passiveHidden (from
// the Earth and from the Sun past Jupiter's centre, the planet made round by stretching its
// polar axis) with the moon's radius in Jupiter's equatorial radii either side of the limb.
AgainstJupiter PassiveAgainstJupiter(const MutualEvent& event);

}  // namespace kelvra
