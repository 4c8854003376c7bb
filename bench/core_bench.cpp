// Cost of the ephemeris: one instant, and a month of half-hour steps as the tracks chart does.
#include <benchmark/benchmark.h>

#include "core/ephemeris.h"

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

}  // namespace

BENCHMARK_MAIN();
