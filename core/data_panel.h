// The numbers and colours of the main window's data panel for one computed instant.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/ephemeris.h"
#include "core/view.h"

namespace kelvra {

inline constexpr Rgb kAqua{0, 255, 255};    // off the disc, inside the side view's reach
inline constexpr Rgb kBlack{0, 0, 0};       // off the disc, beyond the side view's reach
inline constexpr Rgb kYellow{255, 255, 0};  // on the disc, in front of Jupiter
inline constexpr Rgb kNavy{0, 0, 128};      // on the disc, behind Jupiter

// One satellite's row of the panel: the texts of its value labels and their colour.
struct SatelliteRowText {
  std::string northSouth;      // |Y|, Jupiter radii, two decimals
  std::string northSouthFlag;  // " N" or " S"
  std::string eastWest;        // |X|, Jupiter radii, two decimals
  std::string eastWestFlag;    // " W" or " E"
  std::string angle;           // U, degrees, two decimals
  Rgb colour;
};

struct DataPanelText {
  std::string systemI;   // degrees, two decimals, as computed (may lie just outside 0..360)
  std::string systemII;  // degrees, two decimals
  std::array<SatelliteRowText, 4> satellites;  // [0] Io, [1] Europa, [2] Ganymede, [3] Callisto
};

// Side-view pixels per Jupiter radius at a magnification (1.0 .. 3.0).
double SideViewScaleFor(double magnification);

// Given: a value and the user's decimal separator.
// Returns: fixed-point text with exactly two decimals, no thousands separator, a minus sign
// only for negative values.
std::string FormatTwoDecimals(double value, char decimalSeparator);

// Given: the state right after a call of c (before the depth sort reorders U), the side
// view's scale in pixels per radius and the decimal separator.
// Returns: every text and colour of the panel's value labels.
DataPanelText FormatDataPanel(const JupiterState& state, double sideViewScale,
                              char decimalSeparator);

}  // namespace kelvra
