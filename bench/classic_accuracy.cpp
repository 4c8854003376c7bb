// How far the classic series (c, which places the moons in every view) stands from the modern
// theory (which times the moon events and draws the shadows). Not a benchmark: it prints the
// figures of docs/ACCURACY.md.
//
//   kelvra_classic_accuracy [FIRST_YEAR LAST_YEAR [INSTANTS]]     (default 1950 2050 2000)
//
// Positions: at INSTANTS instants spread evenly over the years, each moon's modern place is put
// into the classic axes by ShadowOf lit from far behind the observer (its "shadow" then lies on
// its own line of sight), and compared with c's X (east-west) and Y (north-south), in Jupiter
// equatorial radii.
// Contacts: for every transit and occultation FindMoonEvents lists in the years, the instant
// at which c puts the moon's centre on the limb of the disc the eyepiece view draws (the oblate
// outline, polar/equatorial 0.935), on the same side of Jupiter and in the same direction,
// nearest the listed instant, less the listed instant, in minutes.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "core/jupiter_system.h"
#include "core/modern_positions.h"
#include "core/moon_events.h"
#include "core/moons.h"

namespace {

using namespace kelvra;

// A moon's name for printf: kMoons' names are string literals, so their ends are there.
const char* nameOf(int moon) {
  return kMoons[static_cast<std::size_t>(moon)].name.data();
}

constexpr double kPolarRatio = 0.935;  // the eyepiece picture's disc
constexpr double kMinute = 1.0 / 1440;

struct Sample {
  std::vector<double> values;
  void add(double v) { values.push_back(v); }
  double maxAbs() const {
    double m = 0;
    for (double v : values) m = std::max(m, std::fabs(v));
    return m;
  }
  double mean() const {
    double s = 0;
    for (double v : values) s += v;
    return values.empty() ? 0 : s / values.size();
  }
  double rms() const {
    double s = 0;
    for (double v : values) s += v * v;
    return values.empty() ? 0 : std::sqrt(s / values.size());
  }
  // The magnitude that `share` of the values do not exceed.
  double quantileAbs(double share) const {
    if (values.empty()) return 0;
    std::vector<double> a;
    for (double v : values) a.push_back(std::fabs(v));
    std::sort(a.begin(), a.end());
    return a[std::min(a.size() - 1, static_cast<std::size_t>(share * a.size()))];
  }
};

// Squared distance of c's moon from the picture's limb outline: below 0 on the disc.
double limbOffset(int moon, JulianDay ut, bool& inFront) {
  JupiterState s;
  c(ut, s);
  inFront = std::cos(s.U[moon]) > 0;
  const double y = s.Y[moon] / kPolarRatio;
  return s.X[moon] * s.X[moon] + y * y - 1;
}

// The instant nearest `listed` at which c's moon enters (entering) or leaves the disc on the
// given side, searched within `window` days; NaN when there is none.
double classicContact(int moon, JulianDay listed, bool entering, bool front, double window) {
  const double step = kMinute;
  double best = NAN;
  bool sideBefore = false;
  double before = limbOffset(moon, listed - window, sideBefore);
  for (double t = listed - window + step; t <= listed + window; t += step) {
    bool side = false;
    const double now = limbOffset(moon, t, side);
    const bool crosses = entering ? (before > 0 && now <= 0) : (before <= 0 && now > 0);
    if (crosses && side == front && sideBefore == front) {
      double lo = t - step, hi = t;
      for (int i = 0; i < 30; ++i) {
        const double mid = (lo + hi) / 2;
        bool s = false;
        const double f = limbOffset(moon, mid, s);
        ((f > 0) == entering ? lo : hi) = mid;
      }
      const double at = (lo + hi) / 2;
      if (std::isnan(best) || std::fabs(at - listed) < std::fabs(best - listed)) best = at;
    }
    before = now;
    sideBefore = side;
  }
  return best;
}

// The eyepiece picture's disc over the true one, by magnification step: 23, 35, 46, 58 and
// 69 pixels wide at 10.996 pixels a radius times 1.0 ... 3.0 (ui/common/pictures.cpp).
constexpr double kDrawnDisc[5] = {23 / 21.992, 35 / 32.988, 46 / 43.984, 58 / 54.980, 69 / 65.976};

// How far the modern moon's centre lies outside the drawn disc's outline (ratio 0.935, the
// picture's, scaled by `drawn`): above 0 off the disc.
double offDrawnDisc(int moon, JulianDay ut, double drawn) {
  const ModernScene scene = ModernPositionsAt(ut);
  const double x = scene.state.X[moon] / drawn;
  const double y = scene.state.Y[moon] / (drawn * kPolarRatio);
  return std::sqrt(x * x + y * y) - 1;
}

// Minutes from a listed reappearance until the modern moon's centre clears the drawn disc.
double reappearanceDelay(int moon, JulianDay listed, double drawn) {
  constexpr double kStep = 10.0 / 86400;  // days
  double lo = listed, hi = listed;
  while (offDrawnDisc(moon, hi, drawn) < 0 && hi - listed < 60 * kMinute) {
    lo = hi;
    hi += kStep;
  }
  for (int i = 0; i < 20; ++i) {
    const double mid = (lo + hi) / 2;
    (offDrawnDisc(moon, mid, drawn) < 0 ? lo : hi) = mid;
  }
  return ((lo + hi) / 2 - listed) / kMinute;
}

}  // namespace

int main(int argc, char** argv) {
  const int firstYear = argc > 2 ? std::atoi(argv[1]) : 1950;
  const int lastYear = argc > 2 ? std::atoi(argv[2]) : 2050;
  const int instants = argc > 3 ? std::atoi(argv[3]) : 2000;
  if (lastYear < firstYear || firstYear < 0 || lastYear > 9999 || instants < 1) {
    std::fprintf(stderr, "usage: %s [FIRST_YEAR LAST_YEAR [INSTANTS]]\n", argv[0]);
    return 2;
  }
  const JulianDay from = JulianDayFromDate(1, 1, static_cast<std::uint16_t>(firstYear), 0, 0, 0, 0);
  const JulianDay to =
      JulianDayFromDate(1, 1, static_cast<std::uint16_t>(lastYear + 1), 0, 0, 0, 0);

  std::printf("Classic series less modern theory, %d-%d\n\n", firstYear, lastYear);
  std::printf("Positions at %d instants, Jupiter equatorial radii\n", instants);
  std::printf("%-9s %8s %8s %8s %8s\n", "moon", "EW max", "EW rms", "NS max", "NS rms");
  Sample ew[5], ns[5];
  for (int i = 0; i < instants; ++i) {
    const JulianDay ut = from + (i + 0.5) * (to - from) / instants;
    JupiterState classic;
    c(ut, classic);
    const JupiterSightLines s = SightLinesAt(ut);
    const Vector3 pole = JupiterNorthPole(s.tt);
    const Vector3 behindObserver{1e6 * s.earth.x, 1e6 * s.earth.y, 1e6 * s.earth.z};
    for (int moon = 1; moon <= 4; ++moon) {
      const MoonShadow seen =
          ShadowOf(GalileanMoonState(moon, s.tt).position, s.earth, behindObserver, pole);
      ew[moon].add(classic.X[moon] - seen.X);
      ns[moon].add(classic.Y[moon] - seen.Y);
    }
  }
  for (int moon = 1; moon <= 4; ++moon) {
    std::printf("%-9s %8.3f %8.3f %8.3f %8.3f\n", nameOf(moon), ew[moon].maxAbs(), ew[moon].rms(),
                ns[moon].maxAbs(), ns[moon].rms());
  }

  // Minutes by which the classic picture's contact follows (+) or precedes (-) the listed one.
  Sample contact[5], byKind[5][4];  // Tr.I, Tr.E, Oc.D, Oc.R
  Sample speed[5];                  // radii per minute at the contact, east-west
  int missed[5] = {};
  // Far from today the series, which takes UT for the time of its theory, lags by Delta T: the
  // search widens by as much again.
  const double lag = 1.5 * std::fabs(DeltaT((from + to) / 2)) / 86400;
  const double window[5] = {0, 60 * kMinute + lag, 90 * kMinute + lag, 120 * kMinute + lag,
                            240 * kMinute + lag};
  for (const MoonEvent& e : FindMoonEvents(from, to - from)) {
    const bool transit = e.kind == MoonEventKind::Transit;
    if (!transit && e.kind != MoonEventKind::Occultation) continue;
    for (const bool entering : {true, false}) {
      const auto listed = entering ? e.start : e.end;
      if (!listed) continue;
      const double at = classicContact(e.moon, *listed, entering, transit, window[e.moon]);
      if (std::isnan(at)) {
        ++missed[e.moon];
        continue;
      }
      const double minutes = (at - *listed) / kMinute;
      contact[e.moon].add(minutes);
      byKind[e.moon][(transit ? 0 : 2) + (entering ? 0 : 1)].add(minutes);
      JupiterState a, b;
      c(at - kMinute / 2, a);
      c(at + kMinute / 2, b);
      speed[e.moon].add(std::fabs(b.X[e.moon] - a.X[e.moon]));
    }
  }
  std::printf("\nContacts at the limb (transits and occultations), classic less listed, minutes\n");
  std::printf("%-9s %6s %6s %6s %6s %6s %6s | %6s %6s %6s %6s | %8s\n", "moon", "count", "mean",
              "rms", "95%", "max", "missed", "Tr.I", "Tr.E", "Oc.D", "Oc.R", "min/0.1R");
  for (int moon = 1; moon <= 4; ++moon) {
    const Sample& s = contact[moon];
    std::printf("%-9s %6zu %6.2f %6.2f %6.1f %6.1f %6d | %6.1f %6.1f %6.1f %6.1f | %8.1f\n",
                nameOf(moon), s.values.size(), s.mean(), s.rms(), s.quantileAbs(0.95), s.maxAbs(),
                missed[moon], byKind[moon][0].mean(), byKind[moon][1].mean(),
                byKind[moon][2].mean(), byKind[moon][3].mean(),
                speed[moon].values.empty() ? 0 : 0.1 / speed[moon].quantileAbs(0.5));
  }

  // With the modern positions a moon's centre is on the true limb at the listed instant; the
  // drawn disc is larger, so the moon clears it later. Magnification 1.0 (the smallest ratio,
  // as at 2.0 and 3.0) and 1.5 (the largest).
  Sample delay[5][2];
  for (const MoonEvent& e : FindMoonEvents(from, to - from)) {
    if (e.kind != MoonEventKind::Occultation || !e.end) continue;
    delay[e.moon][0].add(reappearanceDelay(e.moon, *e.end, kDrawnDisc[0]));
    delay[e.moon][1].add(reappearanceDelay(e.moon, *e.end, kDrawnDisc[1]));
  }
  std::printf(
      "\nModern positions: reappearances from behind the drawn disc (%.3f at 1.0, %.3f at 1.5\n"
      "times the true one), minutes after the listed instant, 5 to 95 in 100\n",
      kDrawnDisc[0], kDrawnDisc[1]);
  std::printf("%-9s %6s %12s %12s\n", "moon", "count", "at 1.0", "at 1.5");
  for (int moon = 1; moon <= 4; ++moon) {
    const Sample& a = delay[moon][0];
    const Sample& b = delay[moon][1];
    std::vector<double> sa = a.values, sb = b.values;
    std::sort(sa.begin(), sa.end());
    std::sort(sb.begin(), sb.end());
    if (sa.empty()) continue;
    std::printf("%-9s %6zu %5.1f-%-5.1f %5.1f-%-5.1f  (medians %.1f, %.1f)\n", nameOf(moon),
                sa.size(), sa[sa.size() / 20], sa[sa.size() * 19 / 20], sb[sb.size() / 20],
                sb[sb.size() * 19 / 20], sa[sa.size() / 2], sb[sb.size() / 2]);
  }
  std::printf(
      "\n95%%: 95 in 100 contacts lie within this many minutes; missed: listed contacts\n"
      "the classic series does not make (a graze it passes by); Tr.I ... Oc.R: the mean\n"
      "of each kind of contact; min/0.1R: minutes a moon takes, at its median speed at the\n"
      "limb, to cross a tenth of a radius (a pixel at scale 1.0 is 0.09 radii).\n");
  return 0;
}
