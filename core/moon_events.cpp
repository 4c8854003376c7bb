#include "core/moon_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/jupiter_system.h"

namespace kelvra {

namespace {

constexpr double kSecond = 1.0 / 86400;  // days
constexpr double kPlanetStep = 1.0;      // days between the planets' nodes
// Days between a moon's nodes, by satellite number: about 16 degrees of its orbit each.
constexpr std::array<double, 5> kMoonStep{0, 1.0 / 12, 1.0 / 6, 1.0 / 3, 2.0 / 3};
constexpr int kScansPerStep = 3;  // scan samples per node step
// Squared offsets of a scan sample below 1 + this are looked at closely for a graze.
constexpr double kGrazeWatch = 3;  // (equatorial radii)^2

constexpr double kInfinity = std::numeric_limits<double>::infinity();

Vector3 add(const Vector3& a, const Vector3& b, double scale) {
  return {a.x + scale * b.x, a.y + scale * b.y, a.z + scale * b.z};
}
double dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vector3 cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vector3 unit(const Vector3& v) {
  const double length = std::sqrt(dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// The sight lines at daily nodes in UT, read back by four-point Lagrange interpolation: good to
// metres for the Earth, far below what the moons' timing can feel.
class PlanetTrack {
 public:
  PlanetTrack(JulianDay from, JulianDay to) : first_(std::floor(from) - kPlanetStep) {
    const auto count = static_cast<int>(std::ceil((to - first_) / kPlanetStep)) + 3;
    nodes_.reserve(count);
    for (int i = 0; i < count; ++i) {
      const JulianDay ut = first_ + i * kPlanetStep;
      JupiterSightLines s = SightLinesAt(ut);
      s.tt -= ut;  // kept as an offset, which is smooth and small
      nodes_.push_back(s);
    }
  }

  // Given: ut (days, Universal Time) within the track. Returns: its sight lines.
  JupiterSightLines at(JulianDay ut) const {
    const double u = (ut - first_) / kPlanetStep;
    const int i =
        std::clamp(static_cast<int>(std::floor(u)), 1, static_cast<int>(nodes_.size()) - 3);
    const double s = u - i;
    const double w[4] = {-s * (s - 1) * (s - 2) / 6, (s + 1) * (s - 1) * (s - 2) / 2,
                         -(s + 1) * s * (s - 2) / 2, (s + 1) * s * (s - 1) / 6};
    JupiterSightLines r{0, 0, {0, 0, 0}, {0, 0, 0}};
    for (int j = 0; j < 4; ++j) {
      const JupiterSightLines& n = nodes_[i - 1 + j];
      r.tt += w[j] * n.tt;
      r.lightTime += w[j] * n.lightTime;
      r.earth = add(r.earth, n.earth, w[j]);
      r.sun = add(r.sun, n.sun, w[j]);
    }
    r.tt += ut;
    return r;
  }

 private:
  JulianDay first_;  // UT of the first node
  std::vector<JupiterSightLines> nodes_;
};

// One moon at evenly spaced nodes in TT, read back by cubic Hermite interpolation on the
// positions and velocities: within 7e-4 equatorial radii (Callisto; Io 1.2e-4), a few seconds
// of the moon's motion, which the full theory then takes back.
class MoonTrack {
 public:
  MoonTrack(int moon, JulianDay from, JulianDay to) : first_(from), step_(kMoonStep[moon]) {
    const auto count = static_cast<int>(std::ceil((to - from) / step_)) + 2;
    nodes_.reserve(count);
    for (int i = 0; i < count; ++i) nodes_.push_back(GalileanMoonState(moon, from + i * step_));
  }

  // Given: tt (Julian day, Terrestrial Time) within the track. Returns: the position, AU.
  Vector3 at(JulianDay tt) const {
    const double u = (tt - first_) / step_;
    const int i =
        std::clamp(static_cast<int>(std::floor(u)), 0, static_cast<int>(nodes_.size()) - 2);
    const double s = u - i, s2 = s * s, s3 = s2 * s;
    const MoonStateVector& a = nodes_[i];
    const MoonStateVector& b = nodes_[i + 1];
    Vector3 p = add({0, 0, 0}, a.position, 2 * s3 - 3 * s2 + 1);
    p = add(p, a.velocity, (s3 - 2 * s2 + s) * step_);
    p = add(p, b.position, -2 * s3 + 3 * s2);
    return add(p, b.velocity, (s3 - s2) * step_);
  }

 private:
  JulianDay first_;  // TT of the first node
  double step_;      // days between nodes
  std::vector<MoonStateVector> nodes_;
};

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

// The instant where f changes sign between a and b (days, UT), to a second, by the Illinois
// variant of regula falsi. If f has one sign at both ends, the end nearer to zero.
template <typename F>
JulianDay contactBetween(const F& f, JulianDay a, JulianDay b) {
  double fa = f(a), fb = f(b);
  if ((fa < 0) == (fb < 0)) return std::fabs(fa) < std::fabs(fb) ? a : b;
  int side = 0;
  for (int step = 0; step < 60 && b - a > kSecond; ++step) {
    // Regula falsi, kept off the ends so that the bracket always shrinks.
    double x = b - fb * (b - a) / (fb - fa);
    x = std::clamp(x, a + 0.05 * (b - a), b - 0.05 * (b - a));
    const double fx = f(x);
    if ((fx < 0) == (fa < 0)) {
      a = x;
      fa = fx;
      if (side == -1) fb /= 2;
      side = -1;
    } else {
      b = x;
      fb = fx;
      if (side == +1) fa /= 2;
      side = +1;
    }
  }
  return (a + b) / 2;
}

// The instant of least f in [a, b] (days), by golden-section search to a second.
template <typename F>
JulianDay closestApproach(const F& f, JulianDay a, JulianDay b) {
  constexpr double kRatio = 0.6180339887498949;
  double c = b - kRatio * (b - a), d = a + kRatio * (b - a);
  double fc = f(c), fd = f(d);
  while (b - a > kSecond) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - kRatio * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + kRatio * (b - a);
      fd = f(d);
    }
  }
  return (a + b) / 2;
}

// The contact near a root r of the interpolated function, from two values of the full theory
// two seconds apart (a secant step); the interpolation is close enough for one step to land
// within milliseconds. A step that would move it far means a graze, solved on the full theory.
template <typename F>
JulianDay polished(const F& full, JulianDay r) {
  constexpr double kProbe = 2 * kSecond, kReach = 30 * kSecond;
  const double g0 = full(r), g1 = full(r + kProbe);
  const double x = g1 != g0 ? r - g0 * kProbe / (g1 - g0) : r;
  if (std::fabs(x - r) <= kReach) return x;
  return contactBetween(full, r - kReach, r + kReach);
}

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
