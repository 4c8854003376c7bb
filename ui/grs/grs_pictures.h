// The GRS window's own picture, drawn in code at start-up.
#pragma once

#include <QImage>

namespace kelvra {

// Returns: 20 x 20, white globe, black outline, meridian + equator, shadow; transparent around.
QImage GlobeButton();

}  // namespace kelvra
