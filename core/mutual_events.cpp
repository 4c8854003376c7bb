#include "core/mutual_events.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/galilean_moons.h"
#include "core/jupiter_system.h"
#include "core/moon_tracks.h"
#include "core/mutual_light.h"
#include "core/mutual_scan.h"

namespace kelvra {

namespace {

using mutual::Candidate;
using mutual::CandidatesOf;
using mutual::Pair;
using track::add;
using track::closestApproach;
using track::contactBetween;
using track::cross;
using track::dot;
using track::kMoonStep;
using track::kSecond;
using track::minus;
using track::MoonTrack;
using track::norm;
using track::PlanetTrack;
using track::unit;

constexpr double kLightDaysPerAU = ERFA_AULT / ERFA_DAYSEC;  // days for light to cross 1 AU
constexpr double kMoonToEarthMass = 0.0123000371;            // IAU 2009 system

constexpr double kFineStep = 2.0 / 1440;  // days between the samples inside an approach
// How far an event's contacts are looked for on either side of its maximum; the slowest
// events, two moons moving alike at the same apparent place, last a few hours.
constexpr double kReach = 0.5;  // days
// What the interpolated positions may be off the theory, km (7e-4 Jupiter radii at most).
constexpr double kTrackSlack = 200;  // km
// The least share of the passive moon's light an eclipse outside the umbra must take to be
// listed, the almanacs' limit.
constexpr double kLeastPenumbralLoss = 0.03;

// What stays fixed over one approach: the Earth's centre against the barycentre that the
// sight lines use (it moves 44 km an hour, seen across a pair under 0.2 km), and Jupiter's
// heliocentric velocity (it turns 0.08 degrees a day).
struct ApproachFrame {
  Vector3 geocentre;        // AU, the Earth's centre less the Earth-Moon barycentre
  Vector3 jupiterVelocity;  // AU per day, heliocentric, J2000
};

// Jupiter's heliocentric velocity, AU per day; lines(ut) gives the sight lines at ut.
template <typename Lines>
Vector3 jupiterVelocityAt(const Lines& lines, JulianDay ut) {
  const JupiterSightLines before = lines(ut - 0.5), after = lines(ut + 0.5);
  // The Sun seen from Jupiter is minus Jupiter's heliocentric position.
  return add({0, 0, 0}, minus(after.sun, before.sun), -1 / (after.tt - before.tt));
}

// The Earth's centre less the Earth-Moon barycentre at tt (Julian day, TT), AU.
Vector3 geocentreAt(JulianDay tt) {
  double moon[2][3];
  eraMoon98(tt, 0, moon);
  // The barycentre lies m / (1 + m) of the way from the Earth to the Moon.
  const double share = kMoonToEarthMass / (1 + kMoonToEarthMass);
  return {-share * moon[0][0], -share * moon[0][1], -share * moon[0][2]};
}

// The two moons' overlap at one instant, in the units of the kind: radians as seen from the
// Earth for an occultation, km in the passive moon's section square to the umbra's axis for an
// eclipse.
struct Overlap {
  double distance;   // the apparent distance of the centres, or of the passive moon's centre
                     // from the umbra's axis
  double active;     // the active disc's apparent radius, or the umbra's radius there (negative
                     // beyond the apex)
  double passive;    // the passive disc's radius
  double kmPerUnit;  // km per unit above at the passive moon
  double penumbra;   // the penumbra's radius there; the active disc's for an occultation

  double excess() const { return distance - active - passive; }  // negative while it goes on
  // Negative while the passive moon loses any light (the penumbra meets it).
  double lightExcess() const { return distance - penumbra - passive; }
  bool umbral() const { return active > 0; }
};

// Which pair of contacts: the umbra's (the discs' for an occultation), or the light's.
enum class Contact { Umbral, Light };

double excessOf(const Overlap& o, Contact contact) {
  return contact == Contact::Umbral ? o.excess() : o.lightExcess();
}

// Where a moon was when the light now seen left it.
struct SeenPlace {
  Vector3 place;  // AU, relative to Jupiter's centre when Jupiter's light left
  double delay;   // days, how much later the moon's light left than Jupiter's
};

// The moon's state carried over the difference of the two light times, along with Jupiter (its
// heliocentric motion), to well under a km.
SeenPlace seenPlace(const MoonStateVector& m, const Vector3& earth, const ApproachFrame& frame) {
  const double delay = (norm(earth) - norm(minus(earth, m.position))) * kLightDaysPerAU;
  return {add(m.position, add(m.velocity, frame.jupiterVelocity, 1), delay), delay};
}

// The active and passive moons' geometry at one instant of observation.
// moons(moon, tt) gives a jovicentric state: the interpolation, or the theory.
template <typename Moons>
Overlap overlapAt(const Moons& moons, const JupiterSightLines& s, const ApproachFrame& frame,
                  MutualEventKind kind, Pair pair) {
  const Vector3 earth = add(s.earth, frame.geocentre, 1);
  const MoonStateVector a = moons(pair.active, s.tt);
  const SeenPlace seen = seenPlace(moons(pair.passive, s.tt), earth, frame);
  const Vector3& passive = seen.place;
  const double rA = kMoonRadius[pair.active], rP = kMoonRadius[pair.passive];
  if (kind == MutualEventKind::Occultation) {
    const Vector3 wA = minus(seenPlace(a, earth, frame).place, earth);
    const Vector3 wP = minus(passive, earth);
    const double dA = norm(wA) * kKilometresPerAU, dP = norm(wP) * kKilometresPerAU;
    const double active = std::asin(rA / dA);
    return {std::atan2(norm(cross(wA, wP)), dot(wA, wP)), active, std::asin(rP / dP), dP, active};
  }
  // The sunlight reaching the passive moon passed the active one |P - A| / c earlier.
  const Vector3 drift = add(a.velocity, frame.jupiterVelocity, 1);
  Vector3 active = add(a.position, drift, seen.delay);
  active = add(a.position, drift, seen.delay - norm(minus(passive, active)) * kLightDaysPerAU);
  const Vector3 axis = minus(active, s.sun);
  const double D = norm(axis) * kKilometresPerAU;  // km from the Sun to the active moon
  const Vector3 w = minus(passive, active);
  const Vector3 along = unit(axis);
  const double x = dot(w, along) * kKilometresPerAU;  // km beyond the active moon
  // The umbra's cone touches the Sun and the moon on the same side, the penumbra's crosses.
  const double sinHalfAngle = (kSunRadius - rA) / D;
  const double cosHalfAngle = std::sqrt(1 - sinHalfAngle * sinHalfAngle);
  const double sinOuter = (kSunRadius + rA) / D;
  const double cosOuter = std::sqrt(1 - sinOuter * sinOuter);
  return {norm(cross(w, along)) * kKilometresPerAU, (rA - x * sinHalfAngle) / cosHalfAngle, rP, 1,
          (rA + x * sinOuter) / cosOuter};
}

struct Interpolated {
  const std::array<const MoonTrack*, 5>& tracks;
  MoonStateVector operator()(int moon, JulianDay tt) const { return tracks[moon]->state(tt); }
};
struct Theory {
  MoonStateVector operator()(int moon, JulianDay tt) const { return GalileanMoonState(moon, tt); }
};

// One approach of a pair, on the interpolation and on the theory.
class Approach {
 public:
  Approach(const PlanetTrack& planets, const std::array<const MoonTrack*, 5>& tracks,
           MutualEventKind kind, Pair pair, const ApproachFrame& frame)
      : planets_(planets), tracks_{tracks}, frame_(frame), kind_(kind), pair_(pair) {}

  // The same approach with the Earth's centre in place of the barycentre (eraMoon98 costs as
  // much as twenty interpolated samples, so the scan goes without it).
  Approach withGeocentre(JulianDay ut) const {
    return Approach(planets_, tracks_.tracks, kind_, pair_,
                    {geocentreAt(planets_.at(ut).tt), frame_.jupiterVelocity});
  }

  Overlap cheap(JulianDay ut) const {
    return overlapAt(tracks_, planets_.at(ut), frame_, kind_, pair_);
  }
  Overlap full(JulianDay ut) const {
    return overlapAt(Theory{}, planets_.at(ut), frame_, kind_, pair_);
  }

 private:
  const PlanetTrack& planets_;
  Interpolated tracks_;
  ApproachFrame frame_;
  MutualEventKind kind_;
  Pair pair_;
};

// The least value of the theory's distance near t0, by parabolas through the squared distance,
// which is quadratic in time for moons moving straight across each other.
JulianDay deepestOnTheory(const Approach& approach, JulianDay t0) {
  const auto squared = [&approach](JulianDay t) { return std::pow(approach.full(t).distance, 2); };
  // Up to three rounds 30 s wide walk to the dip; once a step lands within that span, or after
  // the third, one round 3 s wide settles it.
  constexpr double kWide = 30 * kSecond, kNarrow = 3 * kSecond;
  JulianDay t = t0;
  double h = kWide;
  for (int round = 0; round < 4; ++round) {
    const double f0 = squared(t - h), f1 = squared(t), f2 = squared(t + h);
    const double curvature = f0 - 2 * f1 + f2;
    if (!(curvature > 0)) break;
    const double step = std::clamp(h * (f0 - f2) / (2 * curvature), -kReach / 4, kReach / 4);
    t += step;
    if (h == kNarrow) break;
    if (std::fabs(step) < h || round == 2) h = kNarrow;
  }
  return t;
}

// A contact on the theory between the maximum (inside) and `outside`, where the interpolation
// is well outside and so the theory outside too. The interpolation's own contact, polished by
// one secant step on the theory, serves when the step is short; else the theory alone decides.
JulianDay contactOnTheory(const Approach& approach, Contact contact, JulianDay inside,
                          JulianDay outside) {
  const auto full = [&](JulianDay t) { return excessOf(approach.full(t), contact); };
  const auto cheap = [&](JulianDay t) { return excessOf(approach.cheap(t), contact); };
  const JulianDay a = std::min(inside, outside), b = std::max(inside, outside);
  if (cheap(inside) < 0) {
    const JulianDay r = contactBetween(cheap, a, b);
    constexpr double kProbe = 2 * kSecond, kNear = 30 * kSecond;
    const double g0 = full(r), g1 = full(r + kProbe);
    const double x = g1 != g0 ? r - g0 * kProbe / (g1 - g0) : r;
    if (std::fabs(x - r) <= kNear) return x;
  }
  return contactBetween(full, a, b);
}

// Steps from t away from the maximum (direction +1 or -1) until the interpolation lies
// outside by more than its own error; at most kReach.
JulianDay beyondContact(const Approach& approach, Contact contact, JulianDay t, double direction) {
  const JulianDay limit = t + direction * kReach;
  for (t += direction * kFineStep; direction * (limit - t) > 0; t += direction * kFineStep) {
    const Overlap o = approach.cheap(t);
    if (excessOf(o, contact) * o.kmPerUnit > kTrackSlack) return t;
  }
  return limit;
}

// An event with the depth of its maximum, to choose between two dips of one overlap.
struct Found {
  MutualEvent event;
  double distance;  // the overlap's distance at the maximum (radians or km, by kind)
};

// The event at a minimum of the interpolated distance near t, if the theory confirms it.
std::optional<Found> eventNear(const Approach& scan, MutualEventKind kind, Pair pair, JulianDay t,
                               const PlanetTrack& planets) {
  const auto distance = [&scan](JulianDay u) { return scan.cheap(u).distance; };
  const JulianDay guess = closestApproach(distance, t - kFineStep, t + kFineStep);
  const Overlap cheap = scan.cheap(guess);
  if (cheap.lightExcess() * cheap.kmPerUnit > kTrackSlack) return std::nullopt;
  const Approach approach = scan.withGeocentre(guess);
  const JulianDay maximum = deepestOnTheory(approach, guess);
  const Overlap o = approach.full(maximum);
  if (!(o.lightExcess() < 0)) return std::nullopt;
  const bool umbral = o.excess() < 0 && o.umbral();
  if (!umbral && (kind == MutualEventKind::Occultation ||
                  EclipsedShareOfMoon(o.distance, o.active, kMoonRadius[pair.active], o.passive) <
                      kLeastPenumbralLoss)) {
    return std::nullopt;
  }

  const auto contact = [&](Contact which, double direction) {
    return contactOnTheory(approach, which, maximum,
                           beyondContact(approach, which, maximum, direction));
  };
  MutualEvent e{kind,  pair.active, pair.passive, 0, maximum, 0,      0,
                false, false,       false,        0, 0,       !umbral};
  if (umbral) {
    e.start = contact(Contact::Umbral, -1);
    e.end = contact(Contact::Umbral, +1);
    e.total = o.distance <= o.active - o.passive;
    e.annular = o.distance <= o.passive - o.active;
    const double covered = (o.active + o.passive - o.distance) / (2 * o.passive);
    e.magnitude = e.annular ? o.active / o.passive : std::min(covered, 1.0);
  }
  const bool eclipse = kind == MutualEventKind::Eclipse;
  e.lightStart = eclipse ? contact(Contact::Light, -1) : e.start;
  e.lightEnd = eclipse ? contact(Contact::Light, +1) : e.end;
  if (!umbral) {
    e.start = e.lightStart;
    e.end = e.lightEnd;
  }

  // As FindMoonEvents decides an occultation or an eclipse of the passive moon by Jupiter.
  const JupiterSightLines s = planets.at(maximum);
  const Vector3 pole = JupiterNorthPole(s.tt);
  const Vector3 moon = GalileanMoonState(pair.passive, s.tt).position;
  const DiscPassage seen = PassageOfSight(moon, s.earth, pole);
  const DiscPassage lit = PassageOfSight(moon, s.sun, pole);
  e.passiveHidden =
      (seen.squaredOffset < 1 && !seen.nearSide) || (lit.squaredOffset < 1 && !lit.nearSide);
  return Found{e, o.distance};
}

// Which of the two is nearer the source (the Earth, or the Sun for an eclipse) at ut.
Pair rolesAt(const PlanetTrack& planets, const std::array<const MoonTrack*, 5>& tracks,
             const Candidate& c, JulianDay ut) {
  const JupiterSightLines s = planets.at(ut);
  const Vector3& source = c.kind == MutualEventKind::Occultation ? s.earth : s.sun;
  const double first = norm(minus(tracks[c.first]->at(s.tt), source));
  const double second = norm(minus(tracks[c.second]->at(s.tt), source));
  return first < second ? Pair{c.first, c.second} : Pair{c.second, c.first};
}

// The events of one candidate stretch: every local minimum of the interpolated distance that
// the theory confirms, an approach with two dips inside one overlap counted once (the deeper).
void eventsOfCandidate(const PlanetTrack& planets, const std::array<const MoonTrack*, 5>& tracks,
                       const Candidate& c, std::vector<MutualEvent>& events) {
  const JulianDay from = c.from - kFineStep, to = c.to + kFineStep;
  const Pair pair = rolesAt(planets, tracks, c, (from + to) / 2);
  const auto lines = [&planets](JulianDay ut) { return planets.at(ut); };
  const Approach approach(planets, tracks, c.kind, pair,
                          {{0, 0, 0}, jupiterVelocityAt(lines, (from + to) / 2)});
  const auto count = static_cast<int>(std::ceil((to - from) / kFineStep)) + 1;
  double before = approach.cheap(from).distance;
  double here = approach.cheap(from + kFineStep).distance;
  std::optional<Found> last;
  for (int k = 1; k + 1 < count; ++k) {
    const JulianDay t = from + k * kFineStep;
    const double next = approach.cheap(t + kFineStep).distance;
    if (here <= before && here < next) {
      const auto e = eventNear(approach, c.kind, pair, t, planets);
      if (e && last && e->event.lightStart < last->event.lightEnd) {
        if (e->distance < last->distance) last = e;
      } else if (e) {
        if (last) events.push_back(last->event);
        last = e;
      }
    }
    before = here;
    here = next;
  }
  if (last) events.push_back(last->event);
}

// The events of one stretch of at most a few weeks whose maximum lies in [startUT, endUT).
std::vector<MutualEvent> eventsOfStretch(JulianDay startUT, JulianDay endUT) {
  // Candidates are scanned half a day beyond each end, and contacts looked for half a day
  // beyond their maximum; a day of margin holds both.
  const PlanetTrack planets(startUT - 1.2, endUT + 1.2);
  const double ttFrom = planets.at(startUT - 1.1).tt, ttTo = planets.at(endUT + 1.1).tt;
  std::array<std::optional<MoonTrack>, 5> owned;
  std::array<const MoonTrack*, 5> tracks{};
  for (int moon = 1; moon <= 4; ++moon) {
    owned[moon].emplace(moon, ttFrom - kMoonStep[moon], ttTo + kMoonStep[moon]);
    tracks[moon] = &*owned[moon];
  }
  std::vector<MutualEvent> events;
  for (const Candidate& c : CandidatesOf(planets, tracks, startUT - 0.5, endUT + 0.5)) {
    eventsOfCandidate(planets, tracks, c, events);
  }
  std::erase_if(events,
                [&](const MutualEvent& e) { return !(e.maximum >= startUT && e.maximum < endUT); });
  std::sort(events.begin(), events.end(),
            [](const MutualEvent& a, const MutualEvent& b) { return a.maximum < b.maximum; });
  // Two candidates of one pair may meet at their ends and find the same maximum twice; other
  // pairs' events may lie between the two.
  std::vector<MutualEvent> once;
  for (const MutualEvent& e : events) {
    const auto same = [&e](const MutualEvent& k) {
      return k.kind == e.kind && k.active == e.active && k.passive == e.passive;
    };
    const auto recent = std::find_if(once.rbegin(), once.rend(), [&e](const MutualEvent& k) {
      return e.maximum - k.maximum >= kFineStep;
    });
    if (std::none_of(once.rbegin(), recent, same)) once.push_back(e);
  }
  return once;
}

}  // namespace

MutualOverlap MutualOverlapAt(JulianDay ut, MutualEventKind kind, int active, int passive) {
  const JupiterSightLines s = SightLinesAt(ut);
  const ApproachFrame frame{geocentreAt(s.tt), jupiterVelocityAt(SightLinesAt, ut)};
  // Any int names a moon, as in GalileanMoonState, so that no index leaves the tables.
  const Pair pair{((active - 1) & 3) + 1, ((passive - 1) & 3) + 1};
  const Overlap o = overlapAt(Theory{}, s, frame, kind, pair);
  return {o.distance, o.active, o.passive};
}

AgainstJupiter PassiveAgainstJupiter(const MutualEvent& event) {
  const JupiterSightLines s = SightLinesAt(event.maximum);
  const Vector3 pole = JupiterNorthPole(s.tt);
  const int passive = ((event.passive - 1) & 3) + 1;
  const Vector3 moon = GalileanMoonState(passive, s.tt).position;
  const double radius = kMoonRadius[passive] / kJupiterEquatorialRadius;
  const DiscPassage seen = PassageOfSight(moon, s.earth, pole);
  const DiscPassage lit = PassageOfSight(moon, s.sun, pole);
  const double fromLimb = std::sqrt(seen.squaredOffset) - 1;  // equatorial radii, + outside
  const double fromShadow = std::sqrt(lit.squaredOffset) - 1;
  if (std::fabs(fromLimb) < radius) return AgainstJupiter::AtLimb;
  if (!lit.nearSide && std::fabs(fromShadow) < radius) return AgainstJupiter::AtLimb;
  if (fromLimb <= -radius && seen.nearSide) return AgainstJupiter::OnDisc;
  return AgainstJupiter::Clear;
}

std::vector<MutualEvent> FindMutualEvents(JulianDay startUT, double days) {
  if (!std::isfinite(startUT) || !(days > 0) || !std::isfinite(days)) return {};
  // Some 27 000 years either side of 2000: far beyond any meaning of the theories, and short of
  // where Delta T's parabola would stretch the interpolation tables past their sizes.
  constexpr double kFarthest = 1e7;  // days from J2000
  if (std::fabs(startUT - 2451545.0) > kFarthest ||
      std::fabs(startUT + days - 2451545.0) > kFarthest) {
    return {};
  }
  const JulianDay endUT = startUT + days;
  constexpr double kStretch = 32;  // days, so that the interpolation tables stay small
  std::vector<MutualEvent> events;
  for (double k = 0;; ++k) {
    const JulianDay from = startUT + k * kStretch, to = std::min(from + kStretch, endUT);
    // Where days are too fine for the date's precision, a step could move nothing.
    if (!(to > from)) break;
    const auto part = eventsOfStretch(from, to);
    events.insert(events.end(), part.begin(), part.end());
  }
  return events;
}

}  // namespace kelvra
