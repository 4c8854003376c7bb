// Drawing the eyepiece (side) view and the plan view of the orbits from one computed state.
#pragma once

#include <QImage>

#include <array>
#include <cstdint>

#include "core/ephemeris.h"
#include "core/moon_events.h"

namespace kelvra {

// Radii of the four orbits in the plan view, pixels, by satellite number (slot 0 unused).
inline constexpr std::array<int, 5> PlanOrbitRadii{0, 30, 47, 75, 132};
// The satellites' diameters, km, by satellite number (slot 0 unused).
inline constexpr std::array<double, 5> SatelliteDiameters{0, 3632, 3126, 5276, 4820};

// Fills the ellipse inscribed in the box [left, right) x [top, bottom): every pixel whose
// centre lies inside it takes the colour. Pixels outside the image are clipped.
void FillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour);

// The depth order of the bodies, back to front: sets U[0] to pi/2 (Jupiter's key cos U = 0)
// and bubble-sorts U[0..4] in place by ascending cos U, moving body indices along; stable,
// so equal keys keep their index order. Returns the body indices in drawing order.
std::array<std::int32_t, 5> SortSatellites(std::array<double, 5>& U);

// Given: the height of the Jupiter picture in use (pixels) and a satellite number 1..4.
// Returns: the radius of the satellite's dot in the side view, pixels.
int DotRadius(int satellite, int jupiterPictureHeight);

// Draws the plan view: black, Jupiter's polar picture in the middle, each satellite as a
// small dot on its orbit; U = 0 lies straight below Jupiter, on the Earth's side.
// Reads U[1..4] as c left them (before SortSatellites).
void DrawPlanView(QImage& plan, const JupiterState& state, std::int32_t eastWestSign,
                  const QImage& jupiterPole);

// Given: a moon's colour. Returns: the colour at a quarter of its brightness (each channel
// divided by 4, rounded to nearest), as the side view shows a moon inside Jupiter's shadow.
QRgb EclipsedColour(QRgb colour);

// Draws the side view: black, then the bodies in drawOrder, Jupiter's picture centred,
// satellites as dots at their offsets scaled by sideViewScale (pixels per radius) and
// turned by the two signs. Right after Jupiter's picture, so under any moon in front of it,
// each shadow with onDisc set is a black dot of its moon's radius at its offset, mapped as the
// moons are and drawn only where Jupiter's picture is not transparent; a moon with eclipsed
// set takes EclipsedColour. Dots outside the view are clipped. shadows is indexed by
// satellite number, as MoonShadowsAt returns it; with no shadow on the disc and no moon
// eclipsed the picture is the moons' and Jupiter's alone.
void DrawSideView(QImage& side, const JupiterState& state, const std::array<MoonShadow, 5>& shadows,
                  const std::array<std::int32_t, 5>& drawOrder, double sideViewScale,
                  std::int32_t eastWestSign, std::int32_t northSouthSign, const QImage& jupiter);

}  // namespace kelvra
