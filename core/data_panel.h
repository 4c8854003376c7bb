// The texts of the main window's data panel for one computed instant.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/ephemeris.h"

namespace kelvra {

// One satellite's row of the panel: the texts of its value labels.
struct SatelliteRowText {
  std::string northSouth;      // |Y|, Jupiter radii, two decimals
  std::string northSouthFlag;  // " N" or " S"
  std::string eastWest;        // |X|, Jupiter radii, two decimals
  std::string eastWestFlag;    // " W" or " E"
  std::string angle;           // U, degrees, two decimals
};

struct DataPanelText {
  std::string systemI;   // degrees, two decimals, as computed (may lie just outside 0..360)
  std::string systemII;  // degrees, two decimals
  std::array<SatelliteRowText, 4> satellites;  // [0] Io, [1] Europa, [2] Ganymede, [3] Callisto
};

// Given: a value and the user's decimal separator.
// Returns: fixed-point text with exactly two decimals, no thousands separator, a minus sign
// only for negative values.
std::string FormatTwoDecimals(double value, char decimalSeparator);

// Given: the state right after a call of c (before the depth sort reorders U) and the
// decimal separator.
// Returns: every text of the panel's value labels.
DataPanelText FormatDataPanel(const JupiterState& state, char decimalSeparator);

}  // namespace kelvra
