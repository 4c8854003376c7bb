// Drawing the eyepiece (side) view and the plan view of the orbits from one computed state,
// and the data panel's colours, which tell what the side view can show.
#pragma once

#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "core/ephemeris.h"
#include "core/moon_events.h"
#include "core/mutual_events.h"

namespace kelvra {

// Radii of the four orbits in the plan view, pixels, by satellite number (slot 0 unused).
inline constexpr std::array<int, 5> PlanOrbitRadii{0, 30, 47, 75, 132};
// The sizes the side view draws the moons' dots by, km, by satellite number (slot 0 unused): a
// rule of the picture, a little off the moons' radii (kMoons), which the events use.
inline constexpr std::array<double, 5> kDotDiameters{0, 3632, 3126, 5276, 4820};

// Given: a magnification (1.0 .. 3.0). Returns: side-view pixels per Jupiter radius.
double SideViewScaleFor(double magnification);

// The colours of a satellite's values in the data panel.
inline const QColor kInReachColour{0, 255, 255};  // aqua: off the disc, within the side view
inline const QColor kBeyondReachColour{0, 0, 0};  // black: off the disc, beyond the side view
inline const QColor kInFrontColour{255, 255, 0};  // yellow: on the disc, in front of Jupiter
inline const QColor kBehindColour{0, 0, 128};     // navy: on the disc, behind Jupiter

// The colour of one satellite's values.
// Given: its offsets x and y (Jupiter radii) and angle u (radians) right after a call of c,
// and the side view's scale (pixels per radius).
// Returns: off the disc (MoonPlaceAt), whether the side view's 290 pixels either side of the
// centre reach it (only x counts, cut toward zero to a pixel); on the disc, whether it is in
// front of Jupiter or behind it.
QColor DataPanelColour(double x, double y, double u, double sideViewScale);

// Fills the ellipse inscribed in the box [left, right) x [top, bottom) (window pixels): every
// device pixel whose centre lies inside it takes the colour, so that at the image's ratio
// above 1 the dot is as large and rounder. Pixels outside the image are clipped.
void FillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour);

// The depth order of the bodies, back to front.
// Given: U[1..4] as c left them (U[0] is not read).
// Returns: the body indices in drawing order: the moons by ascending cos U (equal keys in
// number order), Jupiter (0) after the last moon behind it and before the first in front of
// it (InFrontOfJupiter).
std::array<std::int32_t, 5> SortSatellites(const std::array<double, 5>& U);

// Given: the height of the Jupiter picture in use (pixels) and a satellite number 1..4.
// Returns: the radius of the satellite's dot in the side view, pixels.
int DotRadius(int satellite, int jupiterPictureHeight);

// Draws the plan view: black, Jupiter's polar picture in the middle, each satellite as a
// small dot on its orbit; U = 0 lies straight below Jupiter, on the Earth's side. Places are
// window pixels, drawn at the image's ratio; the pole's picture is of the same ratio.
// Reads U[1..4] as c left them (before SortSatellites).
void DrawPlanView(QImage& plan, const JupiterState& state, std::int32_t eastWestSign,
                  const QImage& jupiterPole);

// Given: a moon's colour. Returns: the colour at a quarter of its brightness (each channel
// divided by 4, rounded to nearest), as the side view shows a moon inside Jupiter's shadow.
QRgb EclipsedColour(QRgb colour);

// Given: a moon's colour and the share of its light another moon's shadow takes (0..1, umbra
// and penumbra: EclipsedShareOfMoon).
// Returns: each channel dimmed in proportion, from the colour itself at 0 to EclipsedColour at
// 1, rounded to nearest: a total mutual eclipse looks as an eclipse by Jupiter's shadow does.
QRgb MutualEclipseColour(QRgb colour, double lightLost);

// Given: the drawing order (back to front) and an occultation going on.
// Changes: puts `active` just after `passive` when it came before it, so the moon in front is
// drawn over the one it hides; the sort by angle from conjunction alone can get two moons the
// wrong way round. Otherwise the order is left as it is.
void DrawActiveOverPassive(std::array<std::int32_t, 5>& drawOrder, int active, int passive);

// What the eyepiece view shows of the moons' mutual events at one instant.
struct MutualLook {
  std::array<double, 5> lightLost{};              // by satellite: the share of its light another
                                                  // moon's shadow takes, umbra and penumbra
  std::vector<std::pair<int, int>> occultations;  // (active, passive) of each one going on
};

// The mutual events around the instants asked for: a month's events are found once (about
// 2 ms, nothing outside the seasons), and an instant costs a look through them, and some
// 10 microseconds for each eclipse going on (from the light's fall to its return: the overlap
// on the theory and EclipsedShareOfMoon, the tooltip's figure).
class MutualEventsNearby {
 public:
  MutualLook at(JulianDay ut);

 private:
  double block_ = std::numeric_limits<double>::quiet_NaN();  // the 30-day block of found_
  std::vector<MutualEvent> found_;
};

// Draws the side view: black, then the bodies in drawOrder, Jupiter's picture centred,
// satellites as dots at their offsets scaled by sideViewScale (pixels per radius) and
// turned by the two signs. Right after Jupiter's picture, so under any moon in front of it,
// each shadow with onDisc set is a black dot of its moon's radius at its offset, mapped as the
// moons are and drawn only where Jupiter's picture is not transparent; a moon with eclipsed
// set takes EclipsedColour. Dots outside the view are clipped. shadows is indexed by
// satellite number, as MoonShadowsAt returns it; with no shadow on the disc and no moon
// eclipsed the picture is the moons' and Jupiter's alone. A moon not eclipsed by Jupiter that
// loses light to another moon's shadow (lightLost, by satellite) takes MutualEclipseColour.
// Places and radii are window pixels, drawn at the image's ratio; Jupiter's picture is of the
// same ratio (JupiterDisc).
void DrawSideView(QImage& side, const JupiterState& state, const std::array<MoonShadow, 5>& shadows,
                  const std::array<std::int32_t, 5>& drawOrder, double sideViewScale,
                  std::int32_t eastWestSign, std::int32_t northSouthSign, const QImage& jupiter,
                  const std::array<double, 5>& lightLost = {});

}  // namespace kelvra
