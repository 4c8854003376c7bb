#include "core/ephemeris.h"

#include <cmath>

namespace kelvra {

namespace {

double radians(double degrees) {
  return degrees * kDegreesToRadians;
}
double degrees(double radians) {
  return radians * kRadiansToDegrees;
}

// The geometry with two sines that the satellites need again: computing them once keeps the
// month of tracks from paying for them twice per step.
struct Meridian {
  JupiterGeometry geometry;
  double sinV;    // sine of V
  double sinPsi;  // sine of psi, the argument of its arcsine
};

Meridian meridianAt(JulianDay jd, JupiterState& state) {
  const double d = jd - 2415020;
  const double V = ReduceAngle(radians(134.63 + 0.00111587 * d));
  const double sinV = std::sin(V);
  // Mean anomalies of the Earth (M) and of Jupiter (N).
  const double M = ReduceAngle(radians(358.476 + 0.9856003 * d));
  const double N = ReduceAngle(radians(225.328 + 0.0830853 * d + 0.33 * sinV));
  const double J = ReduceAngle(radians(221.647 + 0.9025179 * d - 0.33 * sinV));
  // Sines and cosines of M, 2M, N and 2N: the doubled angles by the double-angle identities,
  // which saves two of the dearest calls of the month of tracks.
  const double sinM = std::sin(M), cosM = std::cos(M);
  const double sin2M = 2 * sinM * cosM, cos2M = cosM * cosM - sinM * sinM;
  const double sinN = std::sin(N), cosN = std::cos(N);
  const double sin2N = 2 * sinN * cosN, cos2N = cosN * cosN - sinN * sinN;
  // Equations of the centre of the Earth (A) and of Jupiter (B), not reduced.
  const double A = radians(1.916 * sinM + 0.02 * sin2M);
  const double B = radians(5.552 * sinN + 0.167 * sin2N);
  const double K = ReduceAngle(J + A - B);
  // Distances from the Sun of the Earth (R) and of Jupiter (r), and from the Earth (Delta).
  const double R = 1.00014 - 0.01672 * cosM - 0.00014 * cos2M;
  const double r = 5.20867 - 0.25192 * cosN - 0.0061 * cos2N;
  const double Delta = std::sqrt(r * r + R * R - 2 * r * R * std::cos(K));
  const double sinPsi = R * std::sin(K) / Delta;
  const double psi = std::asin(sinPsi);
  // Light travels 173.1446335 astronomical units per day.
  const double dLight = d - Delta / 173.1446335;

  const double omega1 = ReduceAngle(radians(268.28 + 877.8169088 * dLight) + psi - B);
  const double omega2 = ReduceAngle(radians(290.28 + 870.1869088 * dLight) + psi - B);
  // System I and II turn 0.01016 and 0.01007 degrees per second.
  const double tau = MeridianTimeCorrection(d);
  state.SystemI = degrees(omega1) + 0.01016 * tau;
  state.SystemII = degrees(omega2) + 0.01007 * tau;

  return {{d, V, B, psi, r, Delta, dLight}, sinV, sinPsi};
}

}  // namespace

double MeridianTimeCorrection(double d) {
  // The factor is 30, not 60.
  const double T = d / 36525;
  return 30 * (0.41 + 1.2053 * T + 0.4992 * T * T);
}

JupiterGeometry CentralMeridian(JulianDay jd, JupiterState& state) {
  return meridianAt(jd, state).geometry;
}

void c(JulianDay jd, JupiterState& state) {
  const Meridian meridian = meridianAt(jd, state);  // the work of CentralMeridian
  const JupiterGeometry& g = meridian.geometry;

  // Jupiter's heliocentric longitude; 0.33 sin V is in degrees, B in radians.
  const double lambda = ReduceAngle(radians(238.05 + 0.083091 * g.d + 0.33 * meridian.sinV) + g.B);
  // Declinations of the Sun and of the Earth as seen from Jupiter, degrees.
  const double Ds = 3.07 * std::sin(lambda + radians(44.5));
  const double De = Ds - 2.15 * meridian.sinPsi * std::cos(lambda + radians(24)) -
                    1.31 * ((g.r - g.Delta) / g.Delta) * std::sin(lambda - radians(99.4));

  // Angles of the satellites from inferior conjunction, before their corrections.
  const double u1 = ReduceAngle(radians(84.5506 + 203.405863 * g.dLight) + g.psi - g.B);
  const double u2 = ReduceAngle(radians(41.5015 + 101.2916323 * g.dLight) + g.psi - g.B);
  const double u3 = ReduceAngle(radians(109.977 + 50.2345169 * g.dLight) + g.psi - g.B);
  const double u4 = ReduceAngle(radians(176.3586 + 21.4879802 * g.dLight) + g.psi - g.B);
  const double G = ReduceAngle(radians(187.3 + 50.310674 * g.dLight));
  const double H = ReduceAngle(radians(311.1 + 21.569229 * g.dLight));

  // Corrections and distances both come from the uncorrected angles.
  state.Perturbation[0] = 0;
  state.Perturbation[1] = radians(0.472 * std::sin(2 * (u1 - u2)));
  state.Perturbation[2] = radians(1.073 * std::sin(2 * (u2 - u3)));
  state.Perturbation[3] = radians(0.174 * std::sin(G));
  state.Perturbation[4] = radians(0.845 * std::sin(H));
  state.Radius[0] = 0;
  state.Radius[1] = 5.9061 - 0.0244 * std::cos(2 * (u1 - u2));
  state.Radius[2] = 9.3972 - 0.0889 * std::cos(2 * (u2 - u3));
  state.Radius[3] = 14.9894 - 0.0227 * std::cos(G);
  state.Radius[4] = 26.3649 - 0.1944 * std::cos(H);

  // The Earth's declination tilts every orbit alike, so its sine is taken once.
  const double sinDe = std::sin(radians(De));
  const double uncorrected[5] = {0, u1, u2, u3, u4};
  state.X[0] = 0;
  state.Y[0] = 0;
  for (int i = 1; i <= 4; ++i) {
    const double u = ReduceAngle(uncorrected[i] + state.Perturbation[i]);
    state.U[i] = u;
    state.X[i] = state.Radius[i] * std::sin(u);
    state.Y[i] = -state.Radius[i] * std::cos(u) * sinDe;
  }
}

}  // namespace kelvra
