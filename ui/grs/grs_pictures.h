// The GRS window's own picture, drawn in code at start-up.
#pragma once

#include <QImage>

namespace kelvra {

// Returns: 20 x 20 window pixels at `ratio` device pixels per window pixel, white globe, black
// outline, meridian + equator, shadow; transparent around.
QImage GlobeButton(double ratio = 1);

}  // namespace kelvra
