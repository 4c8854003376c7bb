// Built-in pictures drawn in code that more than one window (or the skin generator) uses:
// Jupiter's discs, the time-basis faces, and the pieces the windows' own pictures are drawn
// with.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

#include <functional>

#include "core/view.h"

namespace kelvra {

// A colour with fractional channels, 0..255 each, blended before it is rounded to a pixel.
struct Tint {
  double r, g, b;  // 0..255
};

// Given: latitude and longitude from the central meridian, degrees.
// Returns: Jupiter's cloud colour there (belts, zones and the Red Spot), before limb darkening.
Tint JupiterCloudColour(double latitude, double longitude);

// Draws a body on a transparent square ARGB32 picture of `size` pixels: an ellipse centred in
// it with the given semi-axes in pixels. `colourAt(x, y)` gives the colour at a point in
// semi-axes, x to the right and y up, x² + y² <= 1. Each pixel takes one sample at its centre,
// except on the rim and where the colour changes sharply (the Red Spot's edge): there it is
// supersampled, its alpha the covered fraction. Smooth where it matters, cheap elsewhere.
QImage DrawBody(int size, double radiusX, double radiusY,
                const std::function<Tint(double x, double y)>& colourAt);

// Returns: how many device pixels `pixels` window pixels take at `ratio` device pixels per
// window pixel, rounded up.
int DevicePixelCount(int pixels, double ratio);

// Given: a size in window pixels and `ratio`, device pixels per window pixel (1 at scale 1).
// Returns: a picture of that size drawn at that ratio, its pixels undefined: a painter on it
// paints in window pixels, the picture holding size x ratio device pixels (rounded up).
QImage BlankPicture(QSize size, double ratio, QImage::Format format = QImage::Format_ARGB32);

// Returns: a picture's size in window pixels, whatever its ratio.
QSize LogicalSize(const QImage& picture);

// Given: a rectangle in window pixels. Returns: the device pixels it covers at `ratio`, as a
// painter's fillRect covers them; neighbouring rectangles share no pixel and leave none out.
QRect DevicePixelRect(const QRect& rect, double ratio);

// Returns: `image`'s own pixels as a picture of ratio 1, for drawing pixel by pixel in device
// pixels; it shares them, so it must not outlive `image` nor a change of its size.
QImage DevicePixels(QImage& image);

// Returns: an opaque ARGB32 picture of width x height window pixels at `ratio`, filled with
// `colour`, ready to be painted on.
QImage FilledPicture(int width, int height, const QColor& colour, double ratio = 1);

enum class GreyFace { Raised, Pressed, Disabled };

// Draws a grey face with its bevel over the whole picture (at its ratio), and `text` centred on it
// in black; pressed faces are darker, their bevel reversed and the text shifted by one pixel. A
// disabled face is raised, its text grey and etched into the face, as a disabled push button draws
// it.
void DrawGreyFace(QImage& image, GreyFace face, const QString& text, const QFont& font);

// Jupiter as seen in one instrument, for one magnification step.
// Given: the instrument; step 0..4 = magnification 1.0, 1.5, 2.0, 2.5, 3.0 -> 23, 35, 46, 58, 69
// window pixels square; the device pixels per window pixel it is drawn at.
// Binoculars: north up, Red Spot low on the right; Astro Scope: the same turned 180 degrees;
// Star Diagonal: Binoculars mirrored left-right. ARGB32: the surround outside the disc is
// fully transparent (alpha 0) so what lies under it shows through; the disc is opaque.
QImage JupiterDisc(ViewKind view, int step, double ratio = 1);  // ViewKind from core/view.h

// Returns: Jupiter as binoculars show it, `size` pixels square (any size, for the program's
// icon); empty for size < 1.
QImage JupiterDiscOfSize(int size);

// Returns: 20 x 20 window pixels at `ratio`, "LOC" / "UT" black on light grey.
QImage TimeBasisButton(bool localTime, double ratio = 1);

// Returns: the program's icon, `size` pixels square, transparent around a rounded panel: the
// eyepiece's black field with Jupiter and its four moons in a line.
QImage AppIcon(int size);

// The sizes the icon ships in, pixels (the freedesktop hicolor theme's usual ones).
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Returns: the icon every window of the program shows: AppIcon, as the installation ships it, in
// the sizes of kIconSizes up to 64 pixels, what title bars and task switchers draw. (The larger
// ones, some 15 ms to draw, would delay the start; a desktop takes them from the installed icon.)
QIcon ProgramIcon();

// The face of a list's site filter (`size` window pixels at `ratio`): Jupiter over the horizon,
// on the lit teal of a marked line while only the visible lines show.
QImage VisibleOnlyButtonFace(QSize size, bool on, double ratio = 1);

}  // namespace kelvra
