// The main window's own pictures, drawn in code at start-up: the pole, the compass roses,
// the hemisphere faces, the Now button's faces and the interval dialog's background. Sizes are
// window pixels; each is drawn at `ratio` device pixels per window pixel (1 at scale 1).
#pragma once

#include <QImage>

namespace kelvra {

// Returns: 12 x 12, Jupiter from above the pole.
QImage JupiterPole(double ratio = 1);

// The four arrangements of the cardinal letters around the compass ball.
enum class CompassRose { Binoculars, AstroScope, StarDiagonal, Other };

// Returns: 40 x 40, N S E W around a grey ball.
QImage CompassPicture(CompassRose rose, double ratio = 1);

// Returns: 24 x 22 (north), 23 x 22 (south).
QImage HemispherePicture(bool northern, double ratio = 1);

// Returns: 43 x 23, grey face with "Now".
QImage NowButtonFace(bool pressed, double ratio = 1);

// Returns: 43 x 23, the raised face with "Now" greyed, for while the button cannot be used.
QImage NowButtonDisabledFace(double ratio = 1);

// Returns: 110 x 60, framed group "Interval", "minutes".
QImage IntervalBackground(double ratio = 1);

}  // namespace kelvra
