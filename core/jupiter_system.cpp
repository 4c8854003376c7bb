#include "core/jupiter_system.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace kelvra {

namespace {

constexpr double kJ2000 = 2451545.0;                         // Julian day, 2000 January 1.5
constexpr double kLightDaysPerAU = ERFA_AULT / ERFA_DAYSEC;  // days for light to cross 1 AU

// Horner's rule, coefficients from the constant term up.
template <std::size_t N>
double polynomial(const double (&c)[N], double x) {
  double sum = 0;
  for (std::size_t i = N; i-- > 0;) sum = sum * x + c[i];
  return sum;
}

double dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vector3 minus(const Vector3& a, const Vector3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
// Stretches a vector along the pole by the ratio of Jupiter's radii.
Vector3 rounded(const Vector3& v, const Vector3& pole) {
  constexpr double kStretch = kJupiterEquatorialRadius / kJupiterPolarRadius - 1;
  const double along = kStretch * dot(v, pole);
  return {v.x + along * pole.x, v.y + along * pole.y, v.z + along * pole.z};
}

// Heliocentric position and velocity of a planet of eraPlan94 (3 the Earth-Moon barycentre,
// 5 Jupiter), AU and AU per day, J2000.
HeliocentricState planetAt(int planet, JulianDay tt) {
  double pv[2][3];
  eraPlan94(tt, 0, planet, pv);  // the status only says "outside 1000-3000" or "slow convergence"
  return {{pv[0][0], pv[0][1], pv[0][2]}, {pv[1][0], pv[1][1], pv[1][2]}};
}

}  // namespace

double DeltaT(JulianDay ut) {
  const double y = 2000 + (ut - kJ2000) / 365.25;  // decimal year
  const double u = (y - 1820) / 100;
  if (y < -500 || y >= 2150) return -20 + 32 * u * u;
  if (y < 500) {
    static constexpr double c[] = {10583.6,    -1014.41,    33.78311,    -5.952053,
                                   -0.1798452, 0.022174192, 0.0090316521};
    return polynomial(c, y / 100);
  }
  if (y < 1600) {
    static constexpr double c[] = {1574.2,     -556.01,      71.23472,    0.319781,
                                   -0.8503463, -0.005050998, 0.0083572073};
    return polynomial(c, (y - 1000) / 100);
  }
  if (y < 1700) {
    static constexpr double c[] = {120, -0.9808, -0.01532, 1 / 7129.0};
    return polynomial(c, y - 1600);
  }
  if (y < 1800) {
    static constexpr double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1 / 1174000.0};
    return polynomial(c, y - 1700);
  }
  if (y < 1860) {
    static constexpr double c[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                                   -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
    return polynomial(c, y - 1800);
  }
  if (y < 1900) {
    static constexpr double c[] = {7.62,       0.5737,        -0.251754,
                                   0.01680668, -0.0004473624, 1 / 233174.0};
    return polynomial(c, y - 1860);
  }
  if (y < 1920) {
    static constexpr double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
    return polynomial(c, y - 1900);
  }
  if (y < 1941) {
    static constexpr double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
    return polynomial(c, y - 1920);
  }
  if (y < 1961) {
    static constexpr double c[] = {29.07, 0.407, -1 / 233.0, 1 / 2547.0};
    return polynomial(c, y - 1950);
  }
  if (y < 1986) {
    static constexpr double c[] = {45.45, 1.067, -1 / 260.0, -1 / 718.0};
    return polynomial(c, y - 1975);
  }
  if (y < 2005) {
    static constexpr double c[] = {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599};
    return polynomial(c, y - 2000);
  }
  if (y < 2050) {
    static constexpr double c[] = {62.92, 0.32217, 0.005589};
    return polynomial(c, y - 2000);
  }
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

Vector3 JupiterNorthPole(JulianDay tt) {
  const double T = (tt - kJ2000) / 36525;  // Julian centuries
  const double Ja = (99.360714 + 4850.4046 * T) * kDegreesToRadians;
  const double Jb = (175.895369 + 1191.9605 * T) * kDegreesToRadians;
  const double Jc = (300.323162 + 262.5475 * T) * kDegreesToRadians;
  const double Jd = (114.012305 + 6070.2476 * T) * kDegreesToRadians;
  const double Je = (49.511251 + 64.3000 * T) * kDegreesToRadians;
  const double alpha0 = 268.056595 - 0.006499 * T + 0.000117 * std::sin(Ja) +
                        0.000938 * std::sin(Jb) + 0.001432 * std::sin(Jc) +
                        0.000030 * std::sin(Jd) + 0.002150 * std::sin(Je);
  const double delta0 = 64.495303 + 0.002413 * T + 0.000050 * std::cos(Ja) +
                        0.000404 * std::cos(Jb) + 0.000617 * std::cos(Jc) -
                        0.000013 * std::cos(Jd) + 0.000926 * std::cos(Je);
  const double a = alpha0 * kDegreesToRadians, d = delta0 * kDegreesToRadians;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

JupiterSightLines SightLinesAt(JulianDay ut) {
  const JulianDay tt = ut + DeltaT(ut) / 86400;
  const Vector3 earth = planetAt(3, tt).position;
  const HeliocentricState jupiter = planetAt(5, tt);
  // Over the light time (under an hour) Jupiter's path is straight to a few metres.
  double lightTime = 0;
  Vector3 seen = jupiter.position;
  for (int step = 0; step < 3; ++step) {
    const Vector3 sight = minus(seen, earth);
    lightTime = std::sqrt(dot(sight, sight)) * kLightDaysPerAU;
    seen = {jupiter.position.x - lightTime * jupiter.velocity.x,
            jupiter.position.y - lightTime * jupiter.velocity.y,
            jupiter.position.z - lightTime * jupiter.velocity.z};
  }
  return {tt - lightTime, lightTime, minus(earth, seen), {-seen.x, -seen.y, -seen.z}};
}

HeliocentricState EarthAt(JulianDay tt) {
  return planetAt(3, tt);
}

DiscPassage PassageOfSight(const Vector3& moon, const Vector3& source, const Vector3& pole) {
  const Vector3 m = rounded(moon, pole);
  const Vector3 line = rounded(minus(moon, source), pole);
  const double along = dot(m, line);
  const double squared = dot(m, m) - along * along / dot(line, line);  // AU^2
  constexpr double kRadiusAU = kJupiterEquatorialRadius / kKilometresPerAU;
  // The moon is nearer the source than the centre when it lies on the source's side of the
  // plane through the centre square to the line.
  return {squared / (kRadiusAU * kRadiusAU), along < 0};
}

}  // namespace kelvra
