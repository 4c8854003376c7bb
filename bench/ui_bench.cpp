// Cost of what the user waits for on screen and on paper: a month's tracks chart, a printed
// tracks page, one animation frame of the main window, and the frames per second the
// animation worker gets through. Runs headless (offscreen platform) with the real widgets.
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cmath>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window.h"
#include "ui/events/moon_events_window.h"
#include "ui/grs/grs_page.h"
#include "ui/lightcurve/light_curve_window.h"
#include "ui/main/viewer.h"
#include "ui/radio/radio_model.h"
#include "ui/radio/radio_picture.h"
#include "ui/tracks/tracks_chart.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {
namespace {

// December 2026: 31 days, the longest chart (1485 steps on screen, 1488 on paper).
const TracksInput kDecember{12, 2026, ViewKind::AstroScope, true, {}};

QImage imageAt(int width, int height, double dotsPerInch) {
  QImage image(width, height, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  return image;
}

// The tracks window's redraw: the month's steps through the ephemeris, then the pixels.
void MonthChart(benchmark::State& run) {
  QImage chart = imageAt(kChartWidth, kChartHeight, 96);
  const QFont font = ListFont(96);
  for (auto _ : run) {
    const TracksChart content = ComputeTracksChart(kDecember);
    DrawTracksChart(chart, content, font);
    benchmark::DoNotOptimize(chart.constBits());
  }
}
BENCHMARK(MonthChart)->Unit(benchmark::kMicrosecond);

// The same with the modern positions, read from the month's interpolation tables.
void MonthChartModern(benchmark::State& run) {
  QImage chart = imageAt(kChartWidth, kChartHeight, 96);
  const QFont font = ListFont(96);
  TracksInput input = kDecember;
  input.positions = PositionTheory::Modern;
  for (auto _ : run) {
    const TracksChart content = ComputeTracksChart(input);
    DrawTracksChart(chart, content, font);
    benchmark::DoNotOptimize(chart.constBits());
  }
}
BENCHMARK(MonthChartModern)->Unit(benchmark::kMicrosecond);

// The two halves of the chart apart, to see where its time goes.
void MonthChartCompute(benchmark::State& run) {
  for (auto _ : run) {
    benchmark::DoNotOptimize(ComputeTracksChart(kDecember));
  }
}
BENCHMARK(MonthChartCompute)->Unit(benchmark::kMicrosecond);

void MonthChartDraw(benchmark::State& run) {
  QImage chart = imageAt(kChartWidth, kChartHeight, 96);
  const QFont font = ListFont(96);
  const TracksChart content = ComputeTracksChart(kDecember);
  for (auto _ : run) {
    DrawTracksChart(chart, content, font);
    benchmark::DoNotOptimize(chart.constBits());
  }
}
BENCHMARK(MonthChartDraw)->Unit(benchmark::kMicrosecond);

// The printed tracks page on an A4 sheet of a 300-dpi printer.
void TracksPage(benchmark::State& run) {
  QImage page = imageAt(2480, 3508, 300);
  for (auto _ : run) {
    QPainter painter(&page);
    benchmark::DoNotOptimize(DrawTracksPage(painter, page.size(), kDecember));
  }
}
BENCHMARK(TracksPage)->Unit(benchmark::kMillisecond);

// The main window as the program shows it, at a fixed instant.
class ShownViewer {
 public:
  ShownViewer() : viewer_(parts.observation, parts.settings) {
    viewer_.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&viewer_));
    viewer_.setInstant({2026, 12, 1, 21, 0, 0});
    QCoreApplication::processEvents();
  }
  TViewer& operator*() { return viewer_; }
  TViewer* operator->() { return &viewer_; }
  // Minutes, UT = local + offset: the main window's zone.
  std::int32_t zone() const { return parts.observation.value().zoneOffset; }

  testing::ProgramParts parts;

 private:
  TViewer viewer_;
};

// One frame as the worker asks for it, without the paint that follows it.
void AnimationFrame(benchmark::State& run) {
  ShownViewer viewer;
  viewer->animationInterval() = 1;  // minutes per frame
  viewer->setAnimationJulianDay(JulianDayFromDate(1, 12, 2026, 21, 0, 0, viewer.zone()));
  for (auto _ : run) viewer->AnimationStep();
}
BENCHMARK(AnimationFrame)->Unit(benchmark::kMicrosecond);

// The main window with the modern positions for as long as it lives.
class ModernViewer : public ShownViewer {
 public:
  ModernViewer() { (**this).togglePositions(); }
  ~ModernViewer() { (**this).togglePositions(); }  // the next run starts classic again
};

// One frame with the modern positions (December 2026, in the season of mutual events).
void AnimationFrameModern(benchmark::State& run) {
  ModernViewer viewer;
  viewer->animationInterval() = 1;  // minutes per frame
  viewer->setAnimationJulianDay(JulianDayFromDate(1, 12, 2026, 21, 0, 0, viewer.zone()));
  for (auto _ : run) viewer->AnimationStep();
}
BENCHMARK(AnimationFrameModern)->Unit(benchmark::kMicrosecond);

// The events list following the main window into a month not yet listed: the month's events
// computed and drawn (and the main window's own frame, a small part of it).
void MoonEventsOpen(benchmark::State& run) {
  ShownViewer viewer;
  QTemporaryDir folder;
  SettingsStore settings(folder.path().toStdString(), folder.path().toStdString());
  TMoonEvents events({*viewer, viewer.parts.observation, settings});
  events.show();
  std::uint16_t month = 1;
  for (auto _ : run) {
    month = month % 12 + 1;
    viewer->setInstant({2026, month, 15, 21, 0, 0});
  }
}
BENCHMARK(MoonEventsOpen)->Unit(benchmark::kMillisecond);

// The light-curve window following the events list's selection from one mutual event to
// another, with a site: the event found, its curve at 0.1 minute, its sky and the chart drawn.
void LightCurveFollowsSelection(benchmark::State& run) {
  ShownViewer viewer;
  QTemporaryDir folder;
  SettingsStore settings(folder.path().toStdString(), folder.path().toStdString());
  TLightCurve window({*viewer, viewer.parts.observation, settings});
  window.show();
  const EventLineId lines[] = {{"3E2", JulianDayFromDate(10, 12, 2026, 0, 58, 0, 0)},
                               {"3O1", JulianDayFromDate(17, 12, 2026, 6, 22, 0, 0)}};
  Observation next = viewer.parts.observation.value();
  next.site = SiteSetting{{52.52, 13.405, 34}, {5, -6}};
  std::size_t i = 0;
  for (auto _ : run) {
    next.selected = lines[i++ % 2];
    viewer.parts.observation.set(next);
  }
}
BENCHMARK(LightCurveFollowsSelection)->Unit(benchmark::kMillisecond);

// What a site adds to a GRS redraw: whether each of the month's transits is visible.
void GRSMonthVisibility(benchmark::State& run) {
  const auto rows = PredictGRSTransits(2026, 12, 45, false, 0);
  const SiteSetting berlin{{52.52, 13.405, 34}, {5, -6}};
  for (auto _ : run)
    benchmark::DoNotOptimize(GRSTransitsNotVisible(rows, 2026, 12, TimeBasis{}, berlin));
}
BENCHMARK(GRSMonthVisibility)->Unit(benchmark::kMicrosecond);

// One frame and the paint of what it changed (offscreen backing store).
void AnimationFramePainted(benchmark::State& run) {
  ShownViewer viewer;
  viewer->animationInterval() = 1;  // minutes per frame
  viewer->setAnimationJulianDay(JulianDayFromDate(1, 12, 2026, 21, 0, 0, viewer.zone()));
  for (auto _ : run) {
    viewer->AnimationStep();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(AnimationFramePainted)->Unit(benchmark::kMicrosecond);

// The animation as the user starts it: the worker hands frames to the running event loop
// for two seconds, then Stop. Frames are counted by how far AnimationJulianDay has moved.
template <class Viewer>
void AnimationFramesPerSecond(benchmark::State& run) {
  constexpr int kMilliseconds = 2000;
  Viewer viewer;
  viewer->animationInterval() = 1;  // minutes per frame
  double frames = 0;
  for (auto _ : run) {
    const JulianDay start = viewer.parts.observation.value().instantUT;
    QEventLoop loop;
    QTimer::singleShot(kMilliseconds, &loop, [&] {
      viewer->lblStopClick();
      loop.quit();
    });
    viewer->StartAnimation();
    loop.exec();
    frames = std::round((viewer->animationJulianDay() - start) * 1440);
  }
  run.counters["frames_per_second"] = frames * 1000 / kMilliseconds;
}
// The radio list's month with a site: the spans and each judged by the site's sky.
void RadioMonthWithSite(benchmark::State& run) {
  const SiteSetting berlin{{52.52, 13.405, 34}, {5, -6}};
  for (auto _ : run) benchmark::DoNotOptimize(RadioLinesOf({12, 2026}, 0, berlin));
}
BENCHMARK(RadioMonthWithSite)->Unit(benchmark::kMillisecond);

// What an animation frame costs the radio window once its month and track are known: the
// readings at the instant and the whole picture, the month's track as dots.
void RadioFrameDraw(benchmark::State& run) {
  QImage list = imageAt(160, 403, 96);
  const QFont font = ListFont(96);
  const std::vector<RadioLine> lines = RadioLinesOf({12, 2026}, 0, std::nullopt);
  RadioPlot plot{RadioTrackOf(RadioMonthSpan({12, 2026}, 0), 20.0 / 1440), {}, false, true};
  JulianDay now = JulianDayFromDate(9, 12, 2026, 21, 0, 0, 0);
  for (auto _ : run) {
    now += 1.0 / 1440;
    plot.instant = RadioTrackPoint{now, CentralMeridianIII(now), GeocentricPhase(1, now), false};
    const RadioReadings readings{plot.instant->cm, plot.instant->phase, GeocentricPhase(2, now),
                                 GeocentricPhase(3, now)};
    DrawRadioScreen(list, font, plot, readings, lines, 0, {});
    benchmark::DoNotOptimize(list.constBits());
  }
}
BENCHMARK(RadioFrameDraw)->Unit(benchmark::kMicrosecond);

// The month's track, computed when the month or the track's kind changes.
void RadioMonthTrack(benchmark::State& run) {
  for (auto _ : run)
    benchmark::DoNotOptimize(RadioTrackOf(RadioMonthSpan({12, 2026}, 0), 20.0 / 1440));
}
BENCHMARK(RadioMonthTrack)->Unit(benchmark::kMillisecond);

BENCHMARK(AnimationFramesPerSecond<ShownViewer>)
    ->Name("AnimationFramesPerSecond")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AnimationFramesPerSecond<ModernViewer>)
    ->Name("AnimationFramesPerSecondModern")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kelvra

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));  // as the program does
  kelvra::testing::InstallProgramFiles();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
