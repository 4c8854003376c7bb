#include "core/galilean_moons.h"

#include <cmath>
#include <span>

#include "core/l12_tables.h"

namespace kelvra {

namespace {

constexpr JulianDay kL12Epoch = 2433282.5;  // 1950-01-01 00:00 TT, the theory's t = 0

// Sum of amplitude x cos(phase + frequency t), and of the sines when asked for.
struct SeriesSum {
  double cosines = 0;
  double sines = 0;
};
SeriesSum sumSeries(std::span<const l12::L12Term> terms, double t) {
  SeriesSum sum;
  for (const l12::L12Term& term : terms) {
    const double argument = term.phase + term.frequency * t;
    sum.cosines += term.amplitude * std::cos(argument);
    sum.sines += term.amplitude * std::sin(argument);
  }
  return sum;
}

// Equinoctial elements: a (AU), lambda (mean longitude, radians), k + i h = e exp(i varpi),
// q + i p = sin(i/2) exp(i Omega).
struct Elements {
  double a, lambda, k, h, q, p;
};

Elements elementsAt(const l12::L12Moon& moon, double t) {
  Elements e{};
  e.a = sumSeries(moon.a, t).cosines;
  e.lambda = std::fmod(moon.meanLongitude0 + moon.meanMotion * t + sumSeries(moon.l, t).sines,
                       6.283185307179586);
  const SeriesSum z = sumSeries(moon.z, t);
  e.k = z.cosines;
  e.h = z.sines;
  const SeriesSum zeta = sumSeries(moon.zeta, t);
  e.q = zeta.cosines;
  e.p = zeta.sines;
  return e;
}

// Eccentric longitude F of Kepler's equation in equinoctial form, F - k sin F + h cos F = lambda,
// by Newton's method; the eccentricities are below 0.01, so a few steps reach 1e-13.
double eccentricLongitude(const Elements& e) {
  double F = e.lambda;
  for (int step = 0; step < 8; ++step) {
    const double s = std::sin(F), c = std::cos(F);
    const double delta = (F - e.k * s + e.h * c - e.lambda) / (1 - e.k * c - e.h * s);
    F -= delta;
    if (std::fabs(delta) < 1e-13) break;
  }
  return F;
}

Vector3 toJ2000(double x, double y, double z) {
  const auto& R = l12::kToJ2000;
  return {x * R[0][0] + y * R[1][0] + z * R[2][0], x * R[0][1] + y * R[1][1] + z * R[2][1],
          x * R[0][2] + y * R[1][2] + z * R[2][2]};
}

}  // namespace

MoonStateVector GalileanMoonState(int moon, JulianDay tt) {
  const l12::L12Moon& series = l12::kMoons[(moon - 1) & 3];
  const Elements e = elementsAt(series, tt - kL12Epoch);

  // Position and velocity in the orbit's own equinoctial axes f, g.
  const double F = eccentricLongitude(e);
  const double sinF = std::sin(F), cosF = std::cos(F);
  const double beta = 1 / (1 + std::sqrt(1 - e.k * e.k - e.h * e.h));
  const double X1 = e.a * ((1 - beta * e.h * e.h) * cosF + beta * e.h * e.k * sinF - e.k);
  const double Y1 = e.a * ((1 - beta * e.k * e.k) * sinF + beta * e.h * e.k * cosF - e.h);
  const double n = std::sqrt(series.mu / (e.a * e.a * e.a));    // radians per day
  const double rate = n * e.a / (1 - e.k * cosF - e.h * sinF);  // a dF/dt, AU per day
  const double VX1 = rate * (beta * e.h * e.k * cosF - (1 - beta * e.h * e.h) * sinF);
  const double VY1 = rate * ((1 - beta * e.k * e.k) * cosF - beta * e.h * e.k * sinF);

  // f and g in the theory's frame: the rotation by Omega, i, -Omega written with
  // q = sin(i/2) cos Omega, p = sin(i/2) sin Omega.
  const double cosHalfI = std::sqrt(1 - e.p * e.p - e.q * e.q);
  const Vector3 f{1 - 2 * e.p * e.p, 2 * e.p * e.q, -2 * e.p * cosHalfI};
  const Vector3 g{2 * e.p * e.q, 1 - 2 * e.q * e.q, 2 * e.q * cosHalfI};

  MoonStateVector state;
  state.position = toJ2000(X1 * f.x + Y1 * g.x, X1 * f.y + Y1 * g.y, X1 * f.z + Y1 * g.z);
  state.velocity = toJ2000(VX1 * f.x + VY1 * g.x, VX1 * f.y + VY1 * g.y, VX1 * f.z + VY1 * g.z);
  return state;
}

}  // namespace kelvra
