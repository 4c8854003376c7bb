#include "core/mutual_light.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvra {
namespace {

constexpr double kPi = std::numbers::pi;
// Rings the passive disc is cut into: the integrand's kinks at the umbra's and penumbra's edges
// and the square-root ends of each ring's arc keep the error near 1e-5 of the moon's light.
constexpr int kRings = 4000;

// Given: a circle of radius r about the origin and a disc of radius R centred `centre` away.
// Returns: the angle (radians) of the circle that lies inside the disc.
double arcInside(double r, double centre, double R) {
  if (r + centre <= R) return 2 * kPi;
  if (r >= centre + R || r <= centre - R || r <= 0) return 0;
  const double c = (r * r + centre * centre - R * R) / (2 * r * centre);
  return 2 * std::acos(std::clamp(c, -1.0, 1.0));
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
  const auto hidden = [&](double r) {
    if (r >= penumbra) return 0.0;
    return DiscOverlapArea(activeRadius, sun, r / (1 + q)) / sunArea;
  };
  // The passive disc in rings about the shadow's axis, each weighted by its arc on the disc.
  const double from = std::max(0.0, distance - passiveRadius);
  const double to = distance + passiveRadius;
  const double step = (to - from) / kRings;
  double lost = 0, whole = 0;
  for (int i = 0; i < kRings; ++i) {
    const double r = from + (i + 0.5) * step;
    const double weight = r * arcInside(r, distance, passiveRadius);
    whole += weight;
    lost += weight * hidden(r);
  }
  return whole > 0 ? std::clamp(lost / whole, 0.0, 1.0) : 0;
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
