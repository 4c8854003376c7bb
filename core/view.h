// Instruments and the orientation of what the observer sees in them.
#pragma once

#include <cstdint>

namespace kelvra {

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
    case ViewKind::AstroScope: return {+1, -1 * hemisphere};
    case ViewKind::Binoculars: return {-1, +1 * hemisphere};
    case ViewKind::StarDiagonal: return {-1, -1 * hemisphere};
  }
  return {+1, -1};
}

}  // namespace kelvra
