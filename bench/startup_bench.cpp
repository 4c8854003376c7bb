// Start-up of the whole program: from the moment it is started to the main window's first
// paint, and the program's peak resident memory. Needs a display (tools/bench starts Xvfb);
// the program prints the monotonic clock at its first paint and ends when
// KELVRA_EXIT_AFTER_FIRST_PAINT is set.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Launch {
  bool ok = false;
  double startUp = 0;  // seconds, from just before the fork to the first paint
  double peakMB = 0;   // megabytes (2^20 bytes), the program's peak resident set
};

// Starts the program once and waits for it to end.
Launch launchOnce() {
  int out[2];
  if (pipe(out) != 0) return {};
  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    setenv("KELVRA_EXIT_AFTER_FIRST_PAINT", "1", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    execl(KELVRA_PROGRAM, KELVRA_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return {};
  long long paintedAt = 0;  // nanoseconds, the program's steady clock
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(text.c_str(), "first-paint %lld", &paintedAt) != 1) {
    return {};
  }
  const std::chrono::nanoseconds painted(paintedAt);
  Launch launch;
  launch.ok = true;
  launch.startUp = std::chrono::duration<double>(painted - started.time_since_epoch()).count();
  launch.peakMB = static_cast<double>(usage.ru_maxrss) / 1024;  // ru_maxrss is in kilobytes
  return launch;
}

void StartUpToFirstPaint(benchmark::State& run) {
  if (std::getenv("DISPLAY") == nullptr) {
    run.SkipWithError("no DISPLAY: run through tools/bench, which starts Xvfb");
    return;
  }
  double peakMB = 0;
  for (auto _ : run) {
    const Launch launch = launchOnce();
    if (!launch.ok) {
      run.SkipWithError(KELVRA_PROGRAM " did not report its first paint");
      return;
    }
    run.SetIterationTime(launch.startUp);
    peakMB = std::max(peakMB, launch.peakMB);
  }
  run.counters["peak_MB"] = peakMB;
}
BENCHMARK(StartUpToFirstPaint)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
