#include "core/jovian_radio.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/galilean_moons.h"
#include "core/jupiter_system.h"
#include "core/moon_tracks.h"

namespace kelvra {

namespace {

using track::cross;
using track::dot;

constexpr double kJ2000 = 2451545.0;  // Julian day, 2000 January 1.5 (TT)

// Degrees into [0, 360).
double degrees360(double d) {
  d = std::fmod(d, 360.0);
  if (d < 0) d += 360;
  return d >= 360 ? 0 : d;  // -1e-17 + 360 rounds to 360
}
// Degrees into [-180, 180).
double degrees180(double d) {
  return degrees360(d + 180) - 180;
}

// Jupiter's equator as a frame: the ascending node of the equator on the J2000 equator (where
// W is counted from) and the direction 90 degrees further east in the equator.
struct EquatorFrame {
  Vector3 node, east;
  // Longitude of a direction in the equator, counted eastward (with the moons' motion) from
  // the node; degrees, (-180, 180].
  double longitude(const Vector3& v) const {
    return std::atan2(dot(v, east), dot(v, node)) * kRadiansToDegrees;
  }
};

EquatorFrame equatorOf(const Vector3& pole) {
  // The node lies in the J2000 equator, square to the pole: right ascension alpha0 + 90.
  const double alpha = std::atan2(pole.y, pole.x);
  const Vector3 node{-std::sin(alpha), std::cos(alpha), 0};
  return {node, cross(pole, node)};
}

// System III of the sub-Earth point, Jupiter at tt (Julian day, TT) seen from earth (AU).
double meridianFrom(JulianDay tt, const Vector3& earth, const EquatorFrame& equator) {
  const double w = 284.95 + 870.5360000 * (tt - kJ2000);
  // Reduce W first: 870 degrees a day leaves it at 1e7 degrees by 2030.
  return degrees360(degrees360(w) - equator.longitude(earth));
}

// The phase of a moon at position moon (AU from Jupiter), the Earth at earth.
double phaseFrom(const Vector3& moon, const Vector3& earth, const EquatorFrame& equator) {
  return degrees360(equator.longitude(moon) - equator.longitude(earth) - 180);
}

// Whether angle (degrees) lies in the range running upward from `from` to `to`; a range of
// 360 degrees or more holds every angle.
bool within(double angle, double from, double to) {
  const double width = to - from >= 360 ? 360 : degrees360(to - from);
  return degrees360(angle - from) <= width;
}

// The sampled geometry of a stretch: the angles at any instant from the tables.
class RadioTrack {
 public:
  RadioTrack(JulianDay from, JulianDay to, const std::array<bool, 5>& moons) : planets_(from, to) {
    const JupiterSightLines middle = planets_.at((from + to) / 2);
    // The pole moves 1e-5 degrees in a month.
    equator_ = equatorOf(JupiterNorthPole(middle.tt));
    const double ttFrom = planets_.at(from).tt - track::kSecond;
    const double ttTo = planets_.at(to).tt + track::kSecond;
    for (int moon = 1; moon <= 4; ++moon) {
      if (!moons[moon]) continue;
      const double margin = track::kMoonStep[moon];
      moons_[moon].emplace(moon, ttFrom - margin, ttTo + margin);
    }
  }

  // The central meridian and the phase of each moon tracked (degrees) at ut.
  struct Angles {
    double cm;
    std::array<double, 5> phase;
  };
  Angles at(JulianDay ut) const {
    const JupiterSightLines s = planets_.at(ut);
    Angles a{meridianFrom(s.tt, s.earth, equator_), {}};
    for (int moon = 1; moon <= 4; ++moon) {
      if (moons_[moon]) a.phase[moon] = phaseFrom(moons_[moon]->at(s.tt), s.earth, equator_);
    }
    return a;
  }

 private:
  track::PlanetTrack planets_;
  EquatorFrame equator_{};
  std::array<std::optional<track::MoonTrack>, 5> moons_;
};

double angleOf(const RadioTrack::Angles& a, int moon) {
  return moon == 0 ? a.cm : a.phase[moon];
}

bool known(const RadioRegion& r) {
  return r.moon >= 0 && r.moon <= 4;
}

bool inside(const RadioRegion& r, const RadioTrack::Angles& a) {
  return known(r) && within(a.cm, r.cmFrom, r.cmTo) &&
         (r.moon == 0 || within(a.phase[r.moon], r.phaseFrom, r.phaseTo));
}

// A bound of a region passed within a step: which angle (0 the meridian, else the moon), which
// bound (degrees), and where in the step by straight interpolation (0..1).
struct Crossing {
  int angle;
  double bound;
  double at;
};

constexpr double kStep = 1.0 / 24;              // days between samples
constexpr double kEdgeTolerance = 0.5 / 86400;  // days: edges refined to half a second
constexpr double kEdgeBracket = 120.0 / 86400;  // days each side of the straight estimate

// The instant in [a, b] (days, UT) where the angle passes bound, by bisection on the tables;
// the angle grows through the bound over the bracket (checked, else the whole step is used).
JulianDay edgeAt(const RadioTrack& track, int angle, double bound, JulianDay estimate, JulianDay a,
                 JulianDay b) {
  const auto below = [&](JulianDay t) {
    return degrees180(angleOf(track.at(t), angle) - bound) < 0;
  };
  JulianDay lo = std::max(a, estimate - kEdgeBracket), hi = std::min(b, estimate + kEdgeBracket);
  if (!below(lo) || below(hi)) {
    lo = a;
    hi = b;
  }
  while (hi - lo > kEdgeTolerance) {
    const JulianDay mid = (lo + hi) / 2;
    (below(mid) ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

// The windows of one stretch [from, to). open holds the start of each region's span going on
// at from (found here for the first stretch) and, on return, of those still going on at to.
void searchStretch(JulianDay from, JulianDay to, bool first, std::span<const RadioRegion> regions,
                   std::vector<std::optional<JulianDay>>& open, std::vector<RadioWindow>& found) {
  std::array<bool, 5> moons{};
  for (const RadioRegion& r : regions) {
    if (r.moon >= 1 && r.moon <= 4) moons[r.moon] = true;
  }
  const RadioTrack track(from, to, moons);
  const auto steps = static_cast<int>(std::ceil((to - from) / kStep));
  RadioTrack::Angles a = track.at(from);
  if (first) {
    for (std::size_t i = 0; i < regions.size(); ++i) {
      if (inside(regions[i], a)) open[i] = from;
    }
  }
  std::vector<Crossing> crossings;
  for (int n = 0; n < steps; ++n) {
    const JulianDay ta = from + n * kStep, tb = std::min(to, ta + kStep);
    const RadioTrack::Angles b = track.at(tb);
    for (std::size_t i = 0; i < regions.size(); ++i) {
      const RadioRegion& r = regions[i];
      if (!known(r)) continue;
      crossings.clear();
      // Each angle grows by under 40 degrees in a step, so the signed distance to a bound
      // changes sign exactly when the angle passes it.
      const auto passes = [&](int angle, double bound) {
        const double d0 = degrees180(angleOf(a, angle) - bound);
        const double d1 = d0 + degrees180(angleOf(b, angle) - angleOf(a, angle));
        if ((d0 < 0) != (d1 < 0)) crossings.push_back({angle, bound, d0 / (d0 - d1)});
      };
      passes(0, r.cmFrom);
      passes(0, r.cmTo);
      if (r.moon != 0) {
        passes(r.moon, r.phaseFrom);
        passes(r.moon, r.phaseTo);
      }
      if (crossings.empty()) continue;
      std::sort(crossings.begin(), crossings.end(),
                [](const Crossing& x, const Crossing& y) { return x.at < y.at; });
      // The inside after each crossing, judged halfway to the next one on the straight path.
      for (std::size_t k = 0; k < crossings.size(); ++k) {
        const double next = k + 1 < crossings.size() ? crossings[k + 1].at : 1.0;
        const double s = (crossings[k].at + next) / 2;
        RadioTrack::Angles mid{a.cm + s * degrees180(b.cm - a.cm), {}};
        if (r.moon != 0) {
          mid.phase[r.moon] = a.phase[r.moon] + s * degrees180(b.phase[r.moon] - a.phase[r.moon]);
        }
        const bool in = inside(r, mid);
        if (in == open[i].has_value()) continue;
        const JulianDay edge = edgeAt(track, crossings[k].angle, crossings[k].bound,
                                      ta + crossings[k].at * (tb - ta), ta, tb);
        if (in) {
          open[i] = edge;
        } else {
          // Two bounds passed within a second of each other can refine out of order: a
          // corner grazed for no time at all is no span.
          if (edge > *open[i]) found.push_back({static_cast<int>(i), r.name, *open[i], edge});
          open[i].reset();
        }
      }
    }
    a = b;
  }
}

}  // namespace

double CentralMeridianIII(JulianDay ut) {
  const JupiterSightLines s = SightLinesAt(ut);
  return meridianFrom(s.tt, s.earth, equatorOf(JupiterNorthPole(s.tt)));
}

double GeocentricPhase(int moon, JulianDay ut) {
  if (moon < 1 || moon > 4) return std::numeric_limits<double>::quiet_NaN();
  const JupiterSightLines s = SightLinesAt(ut);
  return phaseFrom(GalileanMoonState(moon, s.tt).position, s.earth,
                   equatorOf(JupiterNorthPole(s.tt)));
}

std::vector<RadioWindow> FindRadioWindows(JulianDay startUT, double days,
                                          std::span<const RadioRegion> regions) {
  if (!std::isfinite(startUT) || !(days > 0) || !std::isfinite(days)) return {};
  const JulianDay endUT = startUT + days;
  std::vector<RadioWindow> found;
  std::vector<std::optional<JulianDay>> open(regions.size());
  // A long period goes in stretches, so that the tables stay small; a span open at the end of
  // one goes on into the next.
  constexpr double kStretch = 32;  // days
  for (JulianDay from = startUT; from < endUT; from += kStretch) {
    searchStretch(from, std::min(from + kStretch, endUT), from == startUT, regions, open, found);
  }
  for (std::size_t i = 0; i < regions.size(); ++i) {
    if (open[i]) found.push_back({static_cast<int>(i), regions[i].name, *open[i], endUT});
  }
  std::sort(found.begin(), found.end(), [](const RadioWindow& x, const RadioWindow& y) {
    return x.start != y.start ? x.start < y.start : x.region < y.region;
  });
  return found;
}

}  // namespace kelvra
