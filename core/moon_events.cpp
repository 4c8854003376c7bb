#include "core/moon_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/jupiter_system.h"
#include "core/moon_tracks.h"

namespace kelvra {

namespace {

constexpr int kScansPerStep = 3;  // scan samples per node step
// Squared offsets of a scan sample below 1 + this are looked at closely for a graze.
constexpr double kGrazeWatch = 3;  // (equatorial radii)^2

constexpr double kInfinity = std::numeric_limits<double>::infinity();

using track::add;
using track::closestApproach;
using track::contactBetween;
using track::cross;
using track::dot;
using track::kMoonStep;
using track::kSecond;
using track::MoonTrack;
using track::PlanetTrack;
using track::polished;
using track::unit;

enum class Source { Earth, Sun };

MoonEventKind kindFor(Source source, bool nearSide) {
  if (source == Source::Earth) {
    return nearSide ? MoonEventKind::Transit : MoonEventKind::Occultation;
  }
  return nearSide ? MoonEventKind::ShadowTransit : MoonEventKind::Eclipse;
}

// The squared offset of one moon's line of sight, less 1: negative while the event goes on.
class ContactFunction {
 public:
  ContactFunction(int moon, Source source, const PlanetTrack& planets, const MoonTrack& track,
                  const Vector3& pole)
      : moon_(moon), source_(source), planets_(planets), track_(track), pole_(pole) {}

  // On the interpolated moon: for the scan.
  DiscPassage cheap(JulianDay ut) const {
    const JupiterSightLines s = planets_.at(ut);
    return PassageOfSight(track_.at(s.tt), from(s), pole_);
  }
  // On the full theory: for the contacts.
  double full(JulianDay ut) const {
    const JupiterSightLines s = planets_.at(ut);
    const Vector3 moon = GalileanMoonState(moon_, s.tt).position;
    return PassageOfSight(moon, from(s), pole_).squaredOffset - 1;
  }

 private:
  const Vector3& from(const JupiterSightLines& s) const {
    return source_ == Source::Earth ? s.earth : s.sun;
  }
  int moon_;
  Source source_;
  const PlanetTrack& planets_;
  const MoonTrack& track_;
  Vector3 pole_;
};

struct Interval {
  double begin, end;  // days, UT; -inf / +inf when open at the scan's ends
};

// Every interval of [from, to] in which f.full is negative, from a scan with the given step.
std::vector<Interval> intervalsOf(const ContactFunction& f, JulianDay from, JulianDay to,
                                  double step) {
  const auto count = static_cast<int>(std::ceil((to - from) / step)) + 1;
  std::vector<double> g(count);
  for (int k = 0; k < count; ++k) g[k] = f.cheap(from + k * step).squaredOffset - 1;

  const auto full = [&f](JulianDay t) { return f.full(t); };
  const auto cheap = [&f](JulianDay t) { return f.cheap(t).squaredOffset - 1; };
  std::vector<double> contacts;  // alternately entries and exits, in time order
  for (int k = 0; k + 1 < count; ++k) {
    const JulianDay t = from + k * step;
    if ((g[k] < 0) != (g[k + 1] < 0)) {
      contacts.push_back(polished(full, contactBetween(cheap, t, t + step)));
    } else if (k > 0 && g[k] >= 0 && g[k] < kGrazeWatch && g[k - 1] > g[k] && g[k + 1] >= g[k]) {
      // A dip between samples that all stay outside: a graze if the closest approach is in.
      const JulianDay m = closestApproach(cheap, t - step, t + step);
      if (full(m) < 0) {
        contacts.push_back(contactBetween(full, t - step, m));
        contacts.push_back(contactBetween(full, m, t + step));
      }
    }
  }

  std::vector<Interval> intervals;
  std::size_t next = 0;
  if (g[0] < 0) {
    intervals.push_back({-kInfinity, next < contacts.size() ? contacts[next] : kInfinity});
    ++next;
  }
  for (; next < contacts.size(); next += 2) {
    const double end = next + 1 < contacts.size() ? contacts[next + 1] : kInfinity;
    // A dip of the interpolation that the full theory does not share is no event.
    if (end - contacts[next] < 10 * kSecond && full((contacts[next] + end) / 2) >= 0) continue;
    intervals.push_back({contacts[next], end});
  }
  return intervals;
}

// The events of one stretch of at most a few weeks, as FindMoonEvents defines them.
std::vector<MoonEvent> eventsOfStretch(JulianDay startUT, JulianDay endUT) {
  std::vector<MoonEvent> events;
  // The scan runs one step beyond each end, so a dip next to an end has both its neighbours.
  const double widest = kMoonStep[4] / kScansPerStep;
  const PlanetTrack planets(startUT - widest, endUT + widest);
  const JupiterSightLines middle = planets.at((startUT + endUT) / 2);
  const Vector3 pole = JupiterNorthPole(middle.tt);  // moves far less than a moon in a month
  const double ttFrom = planets.at(startUT - widest).tt - kSecond;
  const double ttTo = planets.at(endUT + widest).tt + kSecond;

  for (int moon = 1; moon <= 4; ++moon) {
    const MoonTrack track(moon, ttFrom - kMoonStep[moon], ttTo + kMoonStep[moon]);
    const double step = kMoonStep[moon] / kScansPerStep;
    for (Source source : {Source::Earth, Source::Sun}) {
      const ContactFunction f(moon, source, planets, track, pole);
      for (const Interval& i : intervalsOf(f, startUT - step, endUT + step, step)) {
        if (i.end <= startUT || i.begin >= endUT) continue;
        const double inside = std::clamp((std::max(i.begin, startUT) + std::min(i.end, endUT)) / 2,
                                         startUT - step, endUT + step);
        MoonEvent e{moon, kindFor(source, f.cheap(inside).nearSide), std::nullopt, std::nullopt};
        if (i.begin >= startUT) e.start = i.begin;
        if (i.end < endUT) e.end = i.end;
        events.push_back(e);
      }
    }
  }
  std::stable_sort(events.begin(), events.end(), [](const MoonEvent& a, const MoonEvent& b) {
    const double sa = a.start.value_or(-kInfinity), sb = b.start.value_or(-kInfinity);
    if (sa != sb) return sa < sb;
    return a.moon < b.moon;
  });
  return events;
}

}  // namespace

std::vector<MoonEvent> FindMoonEvents(JulianDay startUT, double days) {
  if (!std::isfinite(startUT) || !(days > 0) || !std::isfinite(days)) return {};
  const JulianDay endUT = startUT + days;
  // A long span goes in stretches, so that the interpolation tables stay small. Each stretch
  // keeps the events that start in it and looks one day further for their ends; no event
  // lasts a day.
  constexpr double kStretch = 32;  // days
  if (days <= kStretch) return eventsOfStretch(startUT, endUT);
  std::vector<MoonEvent> events;
  for (JulianDay from = startUT; from < endUT; from += kStretch) {
    const JulianDay to = std::min(from + kStretch, endUT);
    for (MoonEvent& e : eventsOfStretch(from, std::min(to + 1, endUT))) {
      const bool startsHere = e.start ? *e.start < to : from == startUT;
      if (startsHere) events.push_back(e);
    }
  }
  return events;
}

MoonShadow ShadowOf(const Vector3& moon, const Vector3& earth, const Vector3& sun,
                    const Vector3& pole) {
  constexpr double kRadiusAU = kJupiterEquatorialRadius / kKilometresPerAU;
  constexpr double kStretch = kJupiterEquatorialRadius / kJupiterPolarRadius - 1;
  const auto rounded = [&pole](const Vector3& v) { return add(v, pole, kStretch * dot(v, pole)); };

  // Along the line moon + mu (moon - sun), in the space where Jupiter is a sphere.
  const Vector3 ray = add(moon, sun, -1);
  const Vector3 m = rounded(moon), r = rounded(ray);
  const double rr = dot(r, r), mr = dot(m, r);
  const double discriminant = mr * mr - rr * (dot(m, m) - kRadiusAU * kRadiusAU);
  // The first meeting beyond the moon, or the nearest approach when the line misses.
  const double mu = discriminant >= 0 ? (-mr - std::sqrt(discriminant)) / rr : -mr / rr;
  const Vector3 point = add(moon, ray, mu);

  const DiscPassage passage = PassageOfSight(moon, sun, pole);
  const Vector3 sight = unit({-earth.x, -earth.y, -earth.z});  // from the Earth to Jupiter
  const Vector3 north = unit(add(pole, sight, -dot(pole, sight)));
  const Vector3 west = cross(sight, north);
  return {dot(point, west) / kRadiusAU, dot(point, north) / kRadiusAU,
          passage.squaredOffset < 1 && passage.nearSide,
          passage.squaredOffset < 1 && !passage.nearSide};
}

std::array<MoonShadow, 5> MoonShadowsAt(JulianDay ut) {
  const JupiterSightLines s = SightLinesAt(ut);
  const Vector3 pole = JupiterNorthPole(s.tt);
  std::array<MoonShadow, 5> shadows{};
  for (int moon = 1; moon <= 4; ++moon) {
    shadows[moon] = ShadowOf(GalileanMoonState(moon, s.tt).position, s.earth, s.sun, pole);
  }
  return shadows;
}

}  // namespace kelvra
