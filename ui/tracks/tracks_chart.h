// The month's satellite tracks: the half-hour steps shared by screen and paper, and the
// screen chart's content and pixels.
#pragma once

#include <QFont>
#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "core/modern_positions.h"
#include "core/view.h"
#include "ui/common/layout.h"

namespace kelvra {

// What a tracks chart is drawn from: the main window's month, instrument and hemisphere,
// and the chart's own time basis.
struct TracksInput {
  std::uint16_t month = 1;  // 1..12
  std::uint16_t year = 2000;
  ViewKind view = ViewKind::AstroScope;
  bool northernHemisphere = true;
  TimeBasis basis;  // TracksLocalTime with the zone: the clock whose 00:00 starts it
  PositionTheory positions = PositionTheory::Classic;  // the main window's View/Positions
};

// The month cut into half-hour steps.
struct TracksMonth {
  std::uint8_t days;    // D, 28..31
  std::uint16_t steps;  // N = 48 x D, half-hour steps
  JulianDay start;      // J0, days: 00:00 of day 1, Universal Time or local time
  std::int32_t mirror;  // s, +1 or -1: -EastWestSign of the chosen view and hemisphere
  PositionTheory positions = PositionTheory::Classic;  // which theory places the moons
};

// Given: the chart's input.
// Returns: D, N, J0 and s; J0 is 00:00 of day 1 on the input's clock.
TracksMonth TracksMonthFor(const TracksInput& input);

// Calls the ephemeris for steps 0 .. count - 1 of the month, J_(n+1) = J_n + 1/48 day by
// repeated addition, and hands each step's number and results to `visit`. With the modern
// positions the steps are J0 + n/48 on ForEachModernStep's interpolated month.
void ForEachTrackStep(const TracksMonth& month, std::uint16_t count,
                      const std::function<void(std::uint16_t n, const JupiterState&)>& visit);

inline constexpr int kChartWidth = layout::kListSize.width();    // pixels
inline constexpr int kChartHeight = layout::kListSize.height();  // pixels

// One dot of the screen chart.
struct TrackDot {
  int column;          // pixels from the chart's left edge
  int row;             // pixels from the chart's top
  int satellite;       // 1 Io, 2 Europa, 3 Ganymede, 4 Callisto
  std::uint16_t step;  // n, the half-hour step that put it there
};

// The grey band and number of one odd-numbered day.
struct DayBand {
  int day;     // 1, 3, 5, ...
  int top;     // pixels, first row of the band
  int bottom;  // pixels, first row below the band
};

struct TracksChart {
  std::vector<DayBand> bands;  // odd-numbered days, top to bottom
  std::vector<TrackDot> dots;  // in drawing order: by step, then satellite 1..4
};

// The screen chart's content for one month.
// Given: the input.
// Returns: the bands of the odd days and the dots of steps 0 .. N - 4, a dot for satellite k
// at column 79 - l, l = trunc(X[k] x 2.995539033457249) x s, unless |l| = 6, or |l| < 6 while
// the satellite is behind Jupiter (not InFrontOfJupiter).
TracksChart ComputeTracksChart(const TracksInput& input);

// Clears `image` (160 x 403 window pixels, at its ratio) and draws the chart into it: black
// ground, Jupiter's band lines in cyan at columns 74 and 86, dark grey bands with cyan numbers
// for odd days, one pixel per dot in its satellite's colour (SatelliteColours), later dots over
// earlier ones.
void DrawTracksChart(QImage& image, const TracksChart& chart, const QFont& font);

}  // namespace kelvra
