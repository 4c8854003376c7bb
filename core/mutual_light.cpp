#include "core/mutual_light.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kelvra {
namespace {

constexpr double kPi = std::numbers::pi;

// Given: a circle of radius r about the origin and a disc of radius R centred `centre` away.
// Returns: the angle (radians) of the circle that lies inside the disc.
double arcInside(double r, double centre, double R) {
  if (r + centre <= R) return 2 * kPi;
  if (r >= centre + R || r <= centre - R || r <= 0) return 0;
  const double c = (r * r + centre * centre - R * R) / (2 * r * centre);
  return 2 * std::acos(std::clamp(c, -1.0, 1.0));
}

// The nodes (on 0..1) and weights of a 16-point Gauss-Legendre rule, by Newton's method on the
// Legendre polynomial.
struct GaussRule {
  static constexpr int kPoints = 16;
  std::array<double, kPoints> node{}, weight{};
  GaussRule() {
    for (int i = 0; i < kPoints; ++i) {
      double x = std::cos(kPi * (i + 0.75) / (kPoints + 0.5));
      double derivative = 1;
      for (int round = 0; round < 100; ++round) {
        double p0 = 1, p1 = x;
        for (int k = 2; k <= kPoints; ++k) {
          const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
          p0 = p1;
          p1 = p2;
        }
        derivative = kPoints * (x * p1 - p0) / (x * x - 1);
        const double step = p1 / derivative;
        x -= step;
        if (std::fabs(step) < 1e-15) break;
      }
      node[i] = (1 - x) / 2;
      weight[i] = 1 / ((1 - x * x) * derivative * derivative);  // halved for 0..1
    }
  }
};

// Given: f, smooth on (a, b) with at worst square-root behaviour at either end.
// Returns: its integral over [a, b]. r = a + (b - a)(1 - cos t) / 2 turns the square roots at
// the ends into smooth functions of t, which the Gauss rule then takes to rounding.
template <typename F>
double integrate(F f, double a, double b) {
  static const GaussRule rule;
  double sum = 0;
  for (int i = 0; i < GaussRule::kPoints; ++i) {
    const double t = kPi * rule.node[i];
    sum += rule.weight[i] * f(a + (b - a) * (1 - std::cos(t)) / 2) * std::sin(t);
  }
  return sum * kPi * (b - a) / 2;
}

}  // namespace

double DiscOverlapArea(double r1, double r2, double d) {
  d = std::abs(d);
  if (r1 <= 0 || r2 <= 0 || d >= r1 + r2) return 0;
  const double small = std::min(r1, r2);
  if (d <= std::abs(r1 - r2)) return kPi * small * small;
  // Two circular segments, each cut off by the common chord.
  const double a1 = std::acos(std::clamp((d * d + r1 * r1 - r2 * r2) / (2 * d * r1), -1.0, 1.0));
  const double a2 = std::acos(std::clamp((d * d + r2 * r2 - r1 * r1) / (2 * d * r2), -1.0, 1.0));
  return r1 * r1 * (a1 - std::sin(2 * a1) / 2) + r2 * r2 * (a2 - std::sin(2 * a2) / 2);
}

double OccultedShareOfPair(double distance, double active, double passive, double activeAlbedo,
                           double passiveAlbedo) {
  const double pair = kPi * (activeAlbedo * active * active + passiveAlbedo * passive * passive);
  if (!(pair > 0)) return 0;
  return passiveAlbedo * DiscOverlapArea(active, passive, distance) / pair;
}

double EclipsedShareOfMoon(double distance, double umbra, double activeRadius,
                           double passiveRadius) {
  if (!(passiveRadius > 0) || !(activeRadius > 0)) return 0;
  // q: the passive moon's distance behind the active one over the Sun's distance from it, from
  // the umbra's narrowing. Seen from a point r from the axis, the Sun's disc projected on the
  // active moon's plane has radius kSunRadius q / (1 + q) and lies r / (1 + q) off its centre.
  const double q = (activeRadius - umbra) / (kSunRadius - activeRadius);
  if (!(q > 0)) return 0;
  const double sun = kSunRadius * q / (1 + q);
  const double penumbra = activeRadius + q * (kSunRadius + activeRadius);
  const double sunArea = kPi * sun * sun;
  if (distance + passiveRadius <= umbra) return 1;  // wholly in the umbra
  if (distance - passiveRadius >= penumbra) return 0;
  // Each ring about the shadow's axis, of radius r, loses the share of the Sun hidden there,
  // weighted by its arc on the passive disc. The integrand's kinks (the umbra's and penumbra's
  // edges, where the disc's arcs start and end) cut the range into smooth pieces.
  const auto ring = [&](double r) {
    if (r >= penumbra) return 0.0;
    return r * arcInside(r, distance, passiveRadius) *
           DiscOverlapArea(activeRadius, sun, r / (1 + q)) / sunArea;
  };
  const double from = std::max(0.0, distance - passiveRadius);
  const double to = distance + passiveRadius;
  std::array<double, 5> cuts{from, std::fabs(distance - passiveRadius), std::fabs(umbra), penumbra,
                             to};
  for (double& cut : cuts) cut = std::clamp(cut, from, to);
  std::sort(cuts.begin(), cuts.end());
  double lost = 0;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    if (cuts[i + 1] > cuts[i]) lost += integrate(ring, cuts[i], cuts[i + 1]);
  }
  return std::clamp(lost / (kPi * passiveRadius * passiveRadius), 0.0, 1.0);
}

double MutualLightLost(const MutualEvent& event) {
  const MutualOverlap o = MutualOverlapAt(event.maximum, event.kind, event.active, event.passive);
  if (event.kind == MutualEventKind::Eclipse) {
    return EclipsedShareOfMoon(o.distance, o.active, kMoonRadius[event.active], o.passive);
  }
  return OccultedShareOfPair(o.distance, o.active, o.passive, kMoonAlbedo[event.active],
                             kMoonAlbedo[event.passive]);
}

}  // namespace kelvra
