#include "core/mutual_scan.h"

#include <algorithm>
#include <cmath>

namespace kelvra::mutual {

namespace {

using track::add;
using track::dot;
using track::minus;
using track::MoonTrack;
using track::norm;
using track::PlanetTrack;
using track::unit;

// Mean orbital speeds by satellite number, km/s; the eccentricities add at most 0.8 %.
constexpr std::array<double, 5> kOrbitalSpeed{0, 17.334, 13.740, 10.880, 8.204};
// What the scan's simple figure may be off the true one, km: the moons' own light times and
// Jupiter's motion over them (under 650 km), the interpolation (50 km), the Earth's offset from
// the Earth-Moon barycentre seen across the pair (20 km).
constexpr double kScanSlack = 1000;  // km
// The penumbra's half angle, (kSunRadius + the largest moon's radius) over Jupiter's least
// distance from the Sun (4.95 AU), rounded up: the penumbra widens by at most this per km
// behind the active moon.
constexpr double kPenumbraSpread = 9.5e-4;

constexpr std::array<Pair, 6> kPairs{{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}};

}  // namespace

std::vector<Candidate> CandidatesOf(const PlanetTrack& planets,
                                    const std::array<const MoonTrack*, 5>& tracks, JulianDay from,
                                    JulianDay to) {
  constexpr int kCount = 2 * kPairs.size();
  std::array<double, kCount> previous{};  // km, the margin at the sample before (a lower bound)
  std::array<int, kCount> due{};          // the next sample that pair must be looked at
  std::array<double, kCount> open{};      // UT where a candidate began, or NaN
  open.fill(std::nan(""));
  std::vector<Candidate> candidates;
  const auto steps = static_cast<int>(std::ceil((to - from) / kScanStep));
  for (int k = 0; k <= steps; ++k) {
    if (*std::min_element(due.begin(), due.end()) > k) continue;
    const JulianDay ut = from + k * kScanStep;
    const JupiterSightLines s = planets.at(ut);
    std::array<Vector3, 5> r{};
    for (int moon = 1; moon <= 4; ++moon) r[moon] = tracks[moon]->at(s.tt);
    for (int q = 0; q < kCount; ++q) {
      if (due[q] > k) continue;
      const MutualEventKind kind = q < 6 ? MutualEventKind::Occultation : MutualEventKind::Eclipse;
      const Pair p = kPairs[q % 6];
      const Vector3& source = kind == MutualEventKind::Occultation ? s.earth : s.sun;
      const Vector3 sight = unit(minus(r[p.active], source));
      const Vector3 d = minus(r[p.passive], r[p.active]);
      const double along = dot(d, sight);
      const double across = norm(add(d, sight, -along)) * kKilometresPerAU;
      // The perspective across the pair changes a size by at most 0.5 %. An eclipse reaches as
      // far as the penumbra, wider by kPenumbraSpread per km behind the active moon (a width
      // that changes by under 20 km a step, well inside the closing speed's 5 %).
      const double penumbra = kind == MutualEventKind::Eclipse
                                  ? kPenumbraSpread * std::fabs(along) * kKilometresPerAU
                                  : 0;
      const double reach = 1.005 * (kMoonRadius[p.active] + kMoonRadius[p.passive]) + penumbra;
      const double margin = 0.995 * across - reach - kScanSlack;  // km
      const double closing = (1.05 * (kOrbitalSpeed[p.active] + kOrbitalSpeed[p.passive]) + 0.5) *
                             kScanStep * 86400;  // km in one step
      if (k > 0) {
        const bool possible = previous[q] + margin <= closing;
        if (possible && std::isnan(open[q])) open[q] = ut - kScanStep;
        if (!possible && !std::isnan(open[q])) {
          candidates.push_back({kind, p.active, p.passive, open[q], ut - kScanStep});
          open[q] = std::nan("");
        }
      }
      const double quiet = margin / closing;  // steps the pair cannot close in
      const int skip =
          std::isnan(open[q]) && quiet >= 2 ? static_cast<int>(std::min(quiet, 1e6)) : 1;
      due[q] = k + skip;
      previous[q] = margin - (skip - 1) * closing;
    }
  }
  for (int q = 0; q < kCount; ++q) {
    if (std::isnan(open[q])) continue;
    const Pair p = kPairs[q % 6];
    candidates.push_back({q < 6 ? MutualEventKind::Occultation : MutualEventKind::Eclipse, p.active,
                          p.passive, open[q], to});
  }
  return candidates;
}

}  // namespace kelvra::mutual
