// Instruments and the orientation of what the observer sees in them.
#pragma once

#include <array>
#include <cstdint>

namespace kelvra {

struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The satellites' colours on screen, indexed by satellite number (slot 0, Jupiter, unused):
// Io white, Europa yellow, Ganymede orange, Callisto light blue.
inline constexpr std::array<Rgb, 5> SatelliteColours{
    {{0, 0, 0}, {255, 255, 255}, {255, 255, 0}, {255, 128, 0}, {136, 187, 234}}};

// The items of the main window's view box, in their order there.
enum class ViewKind : int { AstroScope = 0, Binoculars = 1, StarDiagonal = 2 };

// Signs that turn the ephemeris' west-positive, north-positive offsets into screen offsets
// (screen x grows to the right, y downwards) for one instrument and hemisphere.
struct ViewSigns {
  std::int32_t NorthSouthSign;  // +1 or -1, multiplies the vertical offset
  std::int32_t EastWestSign;    // +1 or -1, multiplies the horizontal offset
};

// Given: the instrument and the observer's hemisphere.
// Returns: the two signs. The hemisphere flips only the east-west sense.
constexpr ViewSigns SignsFor(ViewKind view, bool northernHemisphere) {
  const std::int32_t hemisphere = northernHemisphere ? 1 : -1;
  switch (view) {
    case ViewKind::AstroScope:
      return {+1, -1 * hemisphere};
    case ViewKind::Binoculars:
      return {-1, +1 * hemisphere};
    case ViewKind::StarDiagonal:
      return {-1, -1 * hemisphere};
  }
  return {+1, -1};
}

}  // namespace kelvra
