#include "core/data_panel.h"

#include <charconv>
#include <cmath>

namespace kelvra {

namespace {

constexpr double kSideViewReach = 290;                   // pixels either side of the centre

// Off the disc the colour tells whether the side view can show the satellite (only X counts);
// on it, whether the satellite is in front of Jupiter or behind it.
// x, y: Jupiter radii; u: radians; sideViewScale: pixels per Jupiter radius.
Rgb colourFor(double x, double y, double u, double sideViewScale) {
  if (std::sqrt(x * x + y * y) > 1) {
    const double p = std::trunc(x * sideViewScale);
    return (-kSideViewReach <= p && p <= kSideViewReach) ? kAqua : kBlack;
  }
  return std::cos(u) >= 0 ? kYellow : kNavy;
}

SatelliteRowText rowFor(const JupiterState& state, int i, double sideViewScale,
                        char decimalSeparator) {
  SatelliteRowText row;
  row.northSouth = FormatTwoDecimals(std::fabs(state.Y[i]), decimalSeparator);
  row.northSouthFlag = state.Y[i] >= 0 ? " N" : " S";
  row.eastWest = FormatTwoDecimals(std::fabs(state.X[i]), decimalSeparator);
  row.eastWestFlag = state.X[i] >= 0 ? " W" : " E";
  row.angle = FormatTwoDecimals(state.U[i] * kRadiansToDegrees, decimalSeparator);
  row.colour = colourFor(state.X[i], state.Y[i], state.U[i], sideViewScale);
  return row;
}

}  // namespace

double SideViewScaleFor(double magnification) {
  return (20706000 * magnification) * (1.0 / 1883000);
}

std::string FormatTwoDecimals(double value, char decimalSeparator) {
  char buffer[400];  // room for the largest double in fixed notation
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  std::string text(buffer, error == std::errc{} ? end : buffer);
  // A small negative value that rounds to zero shows without its sign.
  if (text == "-0.00") text.erase(0, 1);
  const auto point = text.find('.');
  if (point != std::string::npos) text[point] = decimalSeparator;
  return text;
}

DataPanelText FormatDataPanel(const JupiterState& state, double sideViewScale,
                              char decimalSeparator) {
  DataPanelText panel;
  panel.systemI = FormatTwoDecimals(state.SystemI, decimalSeparator);
  panel.systemII = FormatTwoDecimals(state.SystemII, decimalSeparator);
  for (int i = 1; i <= 4; ++i) {
    panel.satellites[i - 1] = rowFor(state, i, sideViewScale, decimalSeparator);
  }
  return panel;
}

}  // namespace kelvra
