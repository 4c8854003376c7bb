#include "ui/main/animation.h"

namespace kelvra {

JulianDay AnimationFrameJulianDay(JulianDay start, std::int64_t frame, std::uint16_t interval) {
  // The product is a whole number of minutes, exact in a double for any animation's length.
  return start + static_cast<double>(frame * interval) / 1440;
}

}  // namespace kelvra
