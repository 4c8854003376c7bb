#include "ui/tracks/tracks_chart.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

#include "core/moons.h"
#include "ui/common/page_layout.h"
#include "ui/common/picture_style.h"
#include "ui/common/pictures.h"

namespace kelvra {

namespace {

constexpr double kScreenScale = 2.995539033457249;  // pixels per Jupiter radius, 4029/1345
constexpr int kCentreColumn = 79;                   // pixels, where l = 0 lands
constexpr int kHiddenHalfWidth = 6;                 // pixels, band in which dots may be hidden
constexpr int kBandLeftLine = 74;                   // pixels, column
constexpr int kBandRightLine = 86;                  // pixels, column
const QColor kCyan(0, 255, 255);
const QColor kDarkGrey(40, 40, 40);

// Given: a day index i (0 = day 1) and the month's days.
// Returns: trunc(i x 403 / D), the chart row where that day begins (pixels).
int dayTop(int index, int days) {
  const double rowsPerDay = static_cast<double>(kChartHeight) / days;
  return static_cast<int>(index * rowsPerDay);
}

// The dot of one satellite at one step, if it is drawn.
void addDot(TracksChart& chart, const JupiterState& state, int satellite, std::int32_t mirror,
            int row, std::uint16_t step) {
  const int l = static_cast<int>(state.X[satellite] * kScreenScale) * mirror;
  if (std::abs(l) == kHiddenHalfWidth) return;
  // Only within Jupiter's band does it matter whether the satellite is in front.
  if (std::abs(l) < kHiddenHalfWidth && !InFrontOfJupiter(state.U[satellite])) return;
  chart.dots.push_back({kCentreColumn - l, row, satellite, step});
}

}  // namespace

TracksMonth TracksMonthFor(const TracksInput& input) {
  const std::uint8_t days = DaysInMonth(input.month, input.year);
  const JulianDay start =
      JulianDayFromDate(1, input.month, input.year, 0, 0, 0, input.basis.offset());
  const std::int32_t mirror = -SignsFor(input.view, input.northernHemisphere).EastWestSign;
  return {days, static_cast<std::uint16_t>(48 * days), start, mirror, input.positions};
}

void ForEachTrackStep(const TracksMonth& month, std::uint16_t count,
                      const std::function<void(std::uint16_t n, const JupiterState&)>& visit) {
  if (month.positions == PositionTheory::Modern) {
    ForEachModernStep(month.start, 1.0 / 48.0, count, [&visit](int n, const JupiterState& state) {
      visit(static_cast<std::uint16_t>(n), state);
    });
    return;
  }
  JupiterState state;
  JulianDay jd = month.start;
  for (std::uint16_t n = 0; n < count; ++n) {
    c(jd, state);
    visit(n, state);
    jd += 1.0 / 48.0;
  }
}

TracksChart ComputeTracksChart(const TracksInput& input) {
  const TracksMonth month = TracksMonthFor(input);
  TracksChart chart;
  for (int i = 0; i < month.days; i += 2)
    chart.bands.push_back({i + 1, dayTop(i, month.days), dayTop(i + 1, month.days)});
  // The month's last 90 minutes are left off the screen chart.
  const auto count = static_cast<std::uint16_t>(month.steps - 3);
  chart.dots.reserve(4 * std::size_t{count});
  ForEachTrackStep(month, count, [&](std::uint16_t n, const JupiterState& step) {
    const int row = static_cast<int>(static_cast<double>(kChartHeight * n) / month.steps);
    for (int k = 1; k <= 4; ++k) addDot(chart, step, k, month.mirror, row, n);
  });
  return chart;
}

void DrawTracksChart(QImage& image, const TracksChart& chart, const QFont& font) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(font);
  painter.fillRect(QRect(0, 0, kChartWidth, kChartHeight), Qt::black);
  style::DrawPixelLine(painter, {kBandLeftLine, 0}, {kBandLeftLine, kChartHeight - 1}, kCyan);
  style::DrawPixelLine(painter, {kBandRightLine, 0}, {kBandRightLine, kChartHeight - 1}, kCyan);
  painter.setBrush(kDarkGrey);
  for (const DayBand& band : chart.bands) {
    const int height = band.bottom - band.top;
    painter.fillRect(QRect(0, band.top, kBandLeftLine, height), kDarkGrey);
    // The last column stays black.
    const int rightWidth = (kChartWidth - 1) - (kBandRightLine + 1);
    painter.fillRect(QRect(kBandRightLine + 1, band.top, rightWidth, height), kDarkGrey);
    DrawOpaqueText(painter, QPoint(3, band.top), QString::number(band.day), kCyan);
  }
  painter.end();
  // The dots go straight into the picture's device pixels, clipped to it as the painter would:
  // a pen per dot would cost ten times the dot.
  const QRect chartRect(QPoint(0, 0), LogicalSize(image));
  const double ratio = image.devicePixelRatio();
  for (const TrackDot& dot : chart.dots) {
    if (!chartRect.contains(dot.column, dot.row)) continue;
    const Rgb colour = SatelliteColours[dot.satellite];
    const QRect pixels =
        DevicePixelRect({dot.column, dot.row, 1, 1}, ratio).intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
      for (int x = pixels.left(); x <= pixels.right(); ++x)
        image.setPixel(x, y, qRgb(colour.red, colour.green, colour.blue));
    }
  }
}

}  // namespace kelvra
