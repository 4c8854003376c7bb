#include "core/mutual_light.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/word_format.h"

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

namespace {

constexpr double kMinute = 1.0 / 1440;  // days
// Instants closer than this (days, about a millisecond) are one point of a curve.
constexpr double kSameInstant = 1e-8;
// Distances from the shadow's axis tabulated per umbral radius: the share is smooth in the
// distance but at the umbra's and penumbra's contacts, so cubic pieces this fine keep mostly to
// 1e-5 of the light, at worst 2e-4 beside those contacts (docs/MUTUAL_EVENTS.md).
constexpr int kDistanceNodes = 25;

// The penumbra's radius from the umbra's at the same place, as in EclipsedShareOfMoon.
double penumbraOf(double umbra, double activeRadius) {
  const double q = (activeRadius - umbra) / (kSunRadius - activeRadius);
  return activeRadius + q * (kSunRadius + activeRadius);
}

// Given: f at x = 0, 1, 2, 3 and x in about [0, 3].
// Returns: the cubic through them at x.
double cubicThrough(const double* f, double x) {
  const double a = x, b = x - 1, c = x - 2, d = x - 3;
  return -f[0] * b * c * d / 6 + f[1] * a * c * d / 2 - f[2] * a * b * d / 2 + f[3] * a * b * c / 6;
}

// An eclipse's share of the passive moon's light over the distances from the axis and the
// umbral radii one event runs through: EclipsedShareOfMoon at up to three radii (quadratic
// between them, as the radius drifts smoothly) and kDistanceNodes distances each (cubic
// between them). A distance is taken as its place between the moon's last point wholly in the
// umbra (umbra - passive radius) and its first wholly outside the penumbra (penumbra + passive
// radius), 0..1 at every radius, so that the edges stay at the same place in every row.
class ShadowShareTable {
 public:
  ShadowShareTable(double activeRadius, double passiveRadius, double umbraLow, double umbraHigh)
      : active_(activeRadius), passive_(passiveRadius) {
    radii_ = umbraHigh - umbraLow > 1e-3 ? 3 : 1;
    for (int j = 0; j < radii_; ++j) umbra_[j] = umbraLow + (umbraHigh - umbraLow) * j / 2;
  }

  // Given: distance, umbra as MutualOverlap gives them.
  // Returns: where the distance lies between the two edges, 0 wholly in the umbra, 1 just
  // outside the penumbra.
  double place(double distance, double umbra) const {
    const double inside = umbra - passive_, outside = penumbraOf(umbra, active_) + passive_;
    return (distance - inside) / (outside - inside);
  }

  // Given: the least and greatest place the event needs, 0..1.
  void tabulate(double nearest, double farthest) {
    near_ = nearest;
    step_ = std::max(farthest - nearest, 1e-9) / (kDistanceNodes - 1);
    for (int j = 0; j < radii_; ++j) {
      const double inside = umbra_[j] - passive_;
      const double outside = penumbraOf(umbra_[j], active_) + passive_;
      for (int i = 0; i < kDistanceNodes; ++i) {
        const double distance = inside + (near_ + i * step_) * (outside - inside);
        share_[j][i] = EclipsedShareOfMoon(distance, umbra_[j], active_, passive_);
      }
    }
  }

  double share(double distance, double umbra) const {
    const double p = place(distance, umbra);
    if (p >= 1) return 0;
    if (p <= 0) return 1;
    const double x = (p - near_) / step_;
    const int first = std::clamp(static_cast<int>(std::floor(x)) - 1, 0, kDistanceNodes - 4);
    std::array<double, 3> at{};
    for (int j = 0; j < radii_; ++j) at[j] = cubicThrough(&share_[j][first], x - first);
    if (radii_ == 1) return std::clamp(at[0], 0.0, 1.0);
    const double u = (umbra - umbra_[0]) / (umbra_[1] - umbra_[0]);  // 0, 1, 2 at the radii
    const double q = at[0] * (u - 1) * (u - 2) / 2 - at[1] * u * (u - 2) + at[2] * u * (u - 1) / 2;
    return std::clamp(q, 0.0, 1.0);
  }

 private:
  double active_, passive_, near_ = 0, step_ = 1;
  int radii_ = 1;
  std::array<double, 3> umbra_{};
  std::array<std::array<double, kDistanceNodes>, 3> share_{};
};

// The instants of a curve: the steps, the last one, the contacts and the maximum, sorted, with
// those within kSameInstant made one (a contact or the maximum kept before a step).
std::vector<JulianDay> curveInstants(const MutualEvent& e, JulianDay from, JulianDay to,
                                     double step) {
  std::vector<std::pair<JulianDay, bool>> all;  // instant, a step (not a contact)
  const auto steps = static_cast<std::size_t>((to - from) / step);
  all.reserve(steps + 7);
  for (std::size_t k = 0; k <= steps; ++k) all.emplace_back(from + k * step, true);
  all.emplace_back(to, true);
  for (JulianDay t : {e.lightStart, e.start, e.maximum, e.end, e.lightEnd})
    all.emplace_back(t, false);
  std::sort(all.begin(), all.end());  // at one instant a contact (false) comes first
  std::vector<JulianDay> instants;
  instants.reserve(all.size());
  for (std::size_t i = 0; i < all.size();) {
    std::size_t next = i + 1;
    bool contact = !all[i].second;
    JulianDay keep = all[i].first;
    while (next < all.size() && all[next].first - all[i].first < kSameInstant) {
      if (!contact && !all[next].second) keep = all[next].first, contact = true;
      ++next;
    }
    instants.push_back(keep);
    i = next;
  }
  return instants;
}

}  // namespace

double MutualFluxAt(MutualEventKind kind, int active, int passive, const MutualOverlap& overlap) {
  const MutualOverlap& o = overlap;
  if (active < 1 || active > 4 || passive < 1 || passive > 4) return 1;
  if (kind == MutualEventKind::Eclipse) {
    return 1 - EclipsedShareOfMoon(o.distance, o.active, kMoonRadius[active], o.passive);
  }
  return 1 - OccultedShareOfPair(o.distance, o.active, o.passive, kMoonAlbedo[active],
                                 kMoonAlbedo[passive]);
}

std::vector<LightSample> MutualLightSamples(const MutualEvent& event, double stepMinutes) {
  if (!std::isfinite(stepMinutes) || !(stepMinutes > 0)) return {};
  if (event.active < 1 || event.active > 4 || event.passive < 1 || event.passive > 4) return {};
  for (JulianDay t : {event.start, event.maximum, event.end, event.lightStart, event.lightEnd}) {
    if (!std::isfinite(t)) return {};
  }
  const JulianDay first = std::min({event.lightStart, event.start, event.maximum});
  const JulianDay last = std::max({event.lightEnd, event.end, event.maximum});
  if (last - first > 1) return {};
  const JulianDay from = first - 2 * kMinute, to = last + 2 * kMinute;
  const double step = stepMinutes * kMinute;
  if ((to - from) / step > static_cast<double>(kMostLightPoints) - 7) return {};

  const std::vector<JulianDay> instants = curveInstants(event, from, to, step);
  std::vector<MutualOverlap> at(instants.size());
  for (std::size_t i = 0; i < instants.size(); ++i) {
    at[i] = MutualOverlapAt(instants[i], event.kind, event.active, event.passive);
  }
  std::vector<LightSample> samples(instants.size());
  if (event.kind == MutualEventKind::Occultation) {
    // The passive moon's distance from its apparent radius, asin(radius / distance).
    for (std::size_t i = 0; i < instants.size(); ++i) {
      const MutualOverlap& o = at[i];
      const double share = OccultedShareOfPair(
          o.distance, o.active, o.passive, kMoonAlbedo[event.active], kMoonAlbedo[event.passive]);
      const double km = o.distance * kMoonRadius[event.passive] / std::sin(o.passive);
      samples[i] = {{instants[i], 1 - share}, km};
    }
  } else {
    // Tabulated only over the places between the edges the event passes.
    const double activeRadius = kMoonRadius[event.active];
    double umbraLow = INFINITY, umbraHigh = -INFINITY;
    for (const MutualOverlap& o : at) {
      umbraLow = std::min(umbraLow, o.active);
      umbraHigh = std::max(umbraHigh, o.active);
    }
    ShadowShareTable table(activeRadius, at[0].passive, umbraLow, umbraHigh);
    double nearest = 1, farthest = 0;
    for (const MutualOverlap& o : at) {
      const double p = table.place(o.distance, o.active);
      if (p > 0 && p < 1) nearest = std::min(nearest, p), farthest = std::max(farthest, p);
    }
    if (nearest <= farthest) table.tabulate(nearest, farthest);
    for (std::size_t i = 0; i < instants.size(); ++i) {
      const MutualOverlap& o = at[i];
      samples[i] = {{instants[i], 1 - table.share(o.distance, o.active)}, o.distance};
    }
  }
  // The maximum as MutualLightLost computes it, so that the two agree to rounding.
  for (LightSample& s : samples) {
    if (s.point.ut == event.maximum) s.point.flux = 1 - MutualLightLost(event);
  }
  return samples;
}

std::vector<LightPoint> MutualLightCurve(const MutualEvent& event, double stepMinutes) {
  const std::vector<LightSample> samples = MutualLightSamples(event, stepMinutes);
  std::vector<LightPoint> points;
  points.reserve(samples.size());
  for (const LightSample& s : samples) points.push_back(s.point);
  return points;
}

MagnitudeDrop MagnitudeDropOf(double flux) {
  if (!(flux <= 1)) flux = 1;
  if (flux <= 0) return {std::numeric_limits<double>::infinity(), DropSeenBy::Eye};
  const double shown = std::round(-2.5 * std::log10(flux) * 100) / 100 + 0.0;  // no -0
  const DropSeenBy seenBy = shown >= 0.5   ? DropSeenBy::Eye
                            : shown >= 0.1 ? DropSeenBy::Photometry
                                           : DropSeenBy::Graze;
  return {shown, seenBy};
}

std::string MagnitudeDropText(const MagnitudeDrop& drop, const LightLossWords& words) {
  std::string value = "\u221e";
  if (std::isfinite(drop.deltaMagnitude)) {
    // Integer hundredths: printf's decimal separator would follow the program's locale.
    const long hundredths = std::lround(drop.deltaMagnitude * 100);
    const std::string cents = std::to_string(hundredths % 100);
    value = std::to_string(hundredths / 100) + '.' + (cents.size() < 2 ? "0" : "") + cents;
  }
  const std::string& word = drop.seenBy == DropSeenBy::Eye          ? words.eye
                            : drop.seenBy == DropSeenBy::Photometry ? words.photometry
                                                                    : words.graze;
  return "\u0394m " + value + ' ' + word;
}

std::string MutualLossText(const MutualEvent& event, const LightLossWords& words) {
  const double lost = MutualLightLost(event);
  return FillWords(words.lost, {std::to_string(std::lround(lost * 100)),
                                MagnitudeDropText(MagnitudeDropOf(1 - lost), words)});
}

const char* DropSeenByWord(DropSeenBy seenBy) {
  switch (seenBy) {
    case DropSeenBy::Eye:
      return "eye";
    case DropSeenBy::Photometry:
      return "photometry";
    case DropSeenBy::Graze:
      break;
  }
  return "graze";
}

}  // namespace kelvra
