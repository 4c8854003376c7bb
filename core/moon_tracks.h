// The machinery shared by the searches for the moons' phenomena (core/moon_events.cpp) and for
// their mutual events (core/mutual_events.cpp): the planets and the moons on interpolation
// tables, and the root and minimum finders that refine on the full theory. Internal to core/.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/calendar.h"
#include "core/galilean_moons.h"
#include "core/jupiter_system.h"

namespace kelvra::track {

inline constexpr double kSecond = 1.0 / 86400;  // days
inline constexpr double kPlanetStep = 1.0;      // days between the planets' nodes
// Days between a moon's nodes, by satellite number: about 16 degrees of its orbit each.
inline constexpr std::array<double, 5> kMoonStep{0, 1.0 / 12, 1.0 / 6, 1.0 / 3, 2.0 / 3};

inline Vector3 add(const Vector3& a, const Vector3& b, double scale) {
  return {a.x + scale * b.x, a.y + scale * b.y, a.z + scale * b.z};
}
inline Vector3 minus(const Vector3& a, const Vector3& b) {
  return add(a, b, -1);
}
inline double dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double norm(const Vector3& v) {
  return std::sqrt(dot(v, v));
}
inline Vector3 cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vector3 unit(const Vector3& v) {
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

  // Given: tt (Julian day, Terrestrial Time) within the track. Returns: the position, AU, as at()
  // gives it, and the velocity, AU per day, the derivative of the same cubic.
  MoonStateVector state(JulianDay tt) const {
    const double u = (tt - first_) / step_;
    const int i =
        std::clamp(static_cast<int>(std::floor(u)), 0, static_cast<int>(nodes_.size()) - 2);
    const double s = u - i, s2 = s * s;
    const MoonStateVector& a = nodes_[i];
    const MoonStateVector& b = nodes_[i + 1];
    Vector3 v = add({0, 0, 0}, a.position, (6 * s2 - 6 * s) / step_);
    v = add(v, a.velocity, 3 * s2 - 4 * s + 1);
    v = add(v, b.position, (6 * s - 6 * s2) / step_);
    return {at(tt), add(v, b.velocity, 3 * s2 - 2 * s)};
  }

 private:
  JulianDay first_;  // TT of the first node
  double step_;      // days between nodes
  std::vector<MoonStateVector> nodes_;
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

}  // namespace kelvra::track
