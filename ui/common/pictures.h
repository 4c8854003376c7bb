// Built-in pictures drawn in code at start-up: Jupiter discs, compass roses, small button faces.
#pragma once

#include <QImage>

#include "core/view.h"

namespace kelvra {

// Jupiter as seen in one instrument, for one magnification step.
// Given: the instrument; step 0..4 = magnification 1.0, 1.5, 2.0, 2.5, 3.0 -> 23, 35, 46, 58, 69
// pixels square.
// Binoculars: north up, Red Spot low on the right; Astro Scope: the same turned 180 degrees;
// Star Diagonal: Binoculars mirrored left-right. ARGB32: the surround outside the disc is
// fully transparent (alpha 0) so what lies under it shows through; the disc is opaque.
QImage JupiterDisc(ViewKind view, int step);  // ViewKind from core/view.h

// Returns: Jupiter as binoculars show it, `size` pixels square (any size, for the program's
// icon); empty for size < 1.
QImage JupiterDiscOfSize(int size);

// Returns: 12 x 12, Jupiter from above the pole.
QImage JupiterPole();

// The four arrangements of the cardinal letters around the compass ball.
enum class CompassRose { Binoculars, AstroScope, StarDiagonal, Other };

// Returns: 40 x 40, N S E W around a grey ball.
QImage CompassPicture(CompassRose rose);

// Returns: 24 x 22 (north), 23 x 22 (south).
QImage HemispherePicture(bool northern);

// Returns: 43 x 23, grey face with "Now".
QImage NowButtonFace(bool pressed);

// Returns: 43 x 23, the raised face with "Now" greyed, for while the button cannot be used.
QImage NowButtonDisabledFace();

// Returns: 110 x 60, framed group "Interval", "minutes".
QImage IntervalBackground();

// Returns: 20 x 20, "LOC" / "UT" black on light grey.
QImage TimeBasisButton(bool localTime);

// Returns: 20 x 20, white globe, black outline, meridian + equator, shadow; transparent around.
QImage GlobeButton();

}  // namespace kelvra
