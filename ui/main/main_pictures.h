// The main window's own pictures, drawn in code at start-up: the pole, the compass roses,
// the hemisphere faces, the Now button's faces and the interval dialog's background.
#pragma once

#include <QImage>

namespace kelvra {

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

}  // namespace kelvra
