// Cost of the ephemeris: one instant, and a month of half-hour steps as the tracks chart does;
// of a month of Red Spot transits, as the GRS window computes it, fixed and drifting; of a month of
// moon events and of the moons' shadows for one animation frame; of the events window's month list
// and of its marks for one frame; of a month and of the whole 2026-27 season of mutual events;
// of a month of radio windows.
#include <benchmark/benchmark.h>

#include "core/ephemeris.h"
#include "core/grs_prediction.h"
#include "core/jovian_radio.h"
#include "core/modern_positions.h"
#include "core/moon_event_list.h"
#include "core/moon_events.h"
#include "core/mutual_events.h"
#include "core/mutual_light.h"
#include "core/sky.h"

namespace {

constexpr kelvra::JulianDay kStart = 2461010.5;  // 2026-12-01 00:00 UT
constexpr double kStep = 1.0 / 48;               // days, the chart's half hour

void EphemerisCall(benchmark::State& run) {
  kelvra::JupiterState state;
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    kelvra::c(jd, state);
    benchmark::DoNotOptimize(state);
    jd += kStep;
  }
}
BENCHMARK(EphemerisCall);

void CentralMeridianCall(benchmark::State& run) {
  kelvra::JupiterState state;
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::CentralMeridian(jd, state));
    benchmark::DoNotOptimize(state);
    jd += 1.0;
  }
}
BENCHMARK(CentralMeridianCall);

void MonthOfTracks(benchmark::State& run) {
  kelvra::JupiterState state;
  for (auto _ : run) {
    for (int step = 0; step < 31 * 48; ++step) {
      kelvra::c(kStart + step * kStep, state);
      benchmark::DoNotOptimize(state);
    }
  }
  run.SetItemsProcessed(run.iterations() * 31 * 48);
}
BENCHMARK(MonthOfTracks)->Unit(benchmark::kMicrosecond);

void MonthOfGRSTransits(benchmark::State& run) {
  for (auto _ : run) {
    // December 2026 (31 days), Red Spot at System II 45 degrees, Universal Time.
    benchmark::DoNotOptimize(kelvra::PredictGRSTransits(2026, 12, 45, false, 0));
  }
}
BENCHMARK(MonthOfGRSTransits)->Unit(benchmark::kMicrosecond);

void MonthOfDriftingGRSTransits(benchmark::State& run) {
  // The same month with the spot drifting 9.9 degrees a month from 2026-11-15: every transit
  // is searched for on its own.
  const kelvra::RedSpotDrift drift{9.9, 2461359.5};
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::PredictGRSTransits(2026, 12, 45, drift, false, 0));
  }
}
BENCHMARK(MonthOfDriftingGRSTransits)->Unit(benchmark::kMicrosecond);

void MonthOfMoonEvents(benchmark::State& run) {
  double month = 0;
  for (auto _ : run) {
    // A different 31 days each time, so no month is favoured.
    benchmark::DoNotOptimize(kelvra::FindMoonEvents(kStart + 31 * month, 31));
    month = month < 24 ? month + 1 : 0;
  }
}
BENCHMARK(MonthOfMoonEvents)->Unit(benchmark::kMillisecond);

void MonthOfMutualEvents(benchmark::State& run) {
  double month = 0;
  for (auto _ : run) {
    // Each month of the season in turn, 2026-06 to 2027-09, the busy ones with the quiet ones.
    benchmark::DoNotOptimize(kelvra::FindMutualEvents(2461192.5 + 31 * month, 31));
    month = month < 14 ? month + 1 : 0;
  }
}
BENCHMARK(MonthOfMutualEvents)->Unit(benchmark::kMillisecond);

void SeasonOfMutualEvents(benchmark::State& run) {
  for (auto _ : run) {
    // 2026-06-01 to 2027-09-30, 486 days.
    benchmark::DoNotOptimize(kelvra::FindMutualEvents(2461192.5, 486));
  }
}
BENCHMARK(SeasonOfMutualEvents)->Unit(benchmark::kMillisecond);

void MoonShadowsCall(benchmark::State& run) {
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::MoonShadowsAt(jd));
    jd += kStep;
  }
}
BENCHMARK(MoonShadowsCall)->Unit(benchmark::kMicrosecond);

void ModernPositionsCall(benchmark::State& run) {
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::ModernPositionsAt(jd));
    jd += kStep;
  }
}
BENCHMARK(ModernPositionsCall)->Unit(benchmark::kMicrosecond);

// A month of the tracks chart's half-hour steps, 31 days.
void MonthOfModernSteps(benchmark::State& run) {
  for (auto _ : run) {
    double sum = 0;
    kelvra::ForEachModernStep(kStart, 1.0 / 48, 48 * 31,
                              [&sum](int, const kelvra::JupiterState& s) { sum += s.X[4]; });
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(MonthOfModernSteps)->Unit(benchmark::kMicrosecond);

void MonthOfMoonEventLines(benchmark::State& run) {
  int month = 0;
  for (auto _ : run) {
    // A different month each time, in local time one hour east, as the events window asks.
    benchmark::DoNotOptimize(kelvra::ListMoonEvents(2026 + month / 12, 1 + month % 12, true, -60));
    month = month < 23 ? month + 1 : 0;
  }
}
BENCHMARK(MonthOfMoonEventLines)->Unit(benchmark::kMillisecond);

// The light a mutual event takes at maximum, as a line's tooltip asks for it.
void MutualLightLostCall(benchmark::State& run) {
  const auto events =
      kelvra::FindMutualEvents(kelvra::JulianDayFromDate(1, 10, 2026, 0, 0, 0, 0), 31);
  std::size_t i = 0;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::MutualLightLost(events[i]));
    i = (i + 1) % events.size();
  }
}
BENCHMARK(MutualLightLostCall)->Unit(benchmark::kMicrosecond);

void MoonEventMarksCall(benchmark::State& run) {
  const auto lines = kelvra::ListMoonEvents(2026, 12, false, 0);
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::MoonEventLinesGoingOn(lines, jd));
    jd = jd < kStart + 31 ? jd + kStep : kStart;
  }
}
BENCHMARK(MoonEventMarksCall);

// Jupiter's altitude and azimuth at one instant, and its rise, transit and set for one day, at
// one site, as the events window's filter asks for each line and for its top line.
constexpr kelvra::ObserverSite kSite{52.52, 13.40, 34};  // degrees, degrees, metres

void JupiterHorizontalCall(benchmark::State& run) {
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::JupiterHorizontal(jd, kSite));
    jd = jd < kStart + 31 ? jd + kStep : kStart;
  }
}
BENCHMARK(JupiterHorizontalCall)->Unit(benchmark::kMicrosecond);

void JupiterRiseTransitSetCall(benchmark::State& run) {
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::JupiterRiseTransitSet(jd, kSite));
    jd = jd < kStart + 365 ? jd + 1 : kStart;
  }
}
BENCHMARK(JupiterRiseTransitSetCall)->Unit(benchmark::kMicrosecond);

// The radio observer's month: every span inside the published source regions, and the central
// meridian in System III for one instant.
void MonthOfRadioWindows(benchmark::State& run) {
  for (auto _ : run) benchmark::DoNotOptimize(kelvra::FindRadioWindows(kStart, 31));
}
BENCHMARK(MonthOfRadioWindows)->Unit(benchmark::kMillisecond);

void CentralMeridianIIICall(benchmark::State& run) {
  kelvra::JulianDay jd = kStart;
  for (auto _ : run) {
    benchmark::DoNotOptimize(kelvra::CentralMeridianIII(jd));
    jd = jd < kStart + 31 ? jd + kStep : kStart;
  }
}
BENCHMARK(CentralMeridianIIICall)->Unit(benchmark::kMicrosecond);

// One light curve at 0.1-minute steps, as the light-curve window draws it when a line is
// selected: 1E3 of 2027-03-02, the season's longest eclipse (147 minutes from the light's fall
// to its return, the umbra's radius drifting 80 km), its penumbral contacts given as the
// light-contact search finds them.
void MutualLightCurveOfLongestEclipse(benchmark::State& run) {
  kelvra::MutualEvent event{};
  for (const kelvra::MutualEvent& e : kelvra::FindMutualEvents(2461467.19, 0.02)) {
    if (e.kind == kelvra::MutualEventKind::Eclipse && e.active == 1 && e.passive == 3) event = e;
  }
  event.lightStart = 2461467.1751291;  // days, UT: 16:12:11
  event.lightEnd = 2461467.2773020;    // 18:39:18
  std::size_t points = 0;
  for (auto _ : run) {
    const auto curve = kelvra::MutualLightCurve(event, 0.1);
    points = curve.size();
    benchmark::DoNotOptimize(curve);
  }
  run.counters["points"] = static_cast<double>(points);
}
BENCHMARK(MutualLightCurveOfLongestEclipse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
