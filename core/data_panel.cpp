#include "core/data_panel.h"

#include <charconv>
#include <cmath>

namespace kelvra {

namespace {

SatelliteRowText rowFor(const JupiterState& state, int i, char decimalSeparator) {
  SatelliteRowText row;
  row.northSouth = FormatTwoDecimals(std::fabs(state.Y[i]), decimalSeparator);
  row.northSouthFlag = state.Y[i] >= 0 ? " N" : " S";
  row.eastWest = FormatTwoDecimals(std::fabs(state.X[i]), decimalSeparator);
  row.eastWestFlag = state.X[i] >= 0 ? " W" : " E";
  row.angle = FormatTwoDecimals(state.U[i] * kRadiansToDegrees, decimalSeparator);
  return row;
}

}  // namespace

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

DataPanelText FormatDataPanel(const JupiterState& state, char decimalSeparator) {
  DataPanelText panel;
  panel.systemI = FormatTwoDecimals(state.SystemI, decimalSeparator);
  panel.systemII = FormatTwoDecimals(state.SystemII, decimalSeparator);
  for (int i = 1; i <= 4; ++i) {
    panel.satellites[i - 1] = rowFor(state, i, decimalSeparator);
  }
  return panel;
}

}  // namespace kelvra
