// The instants of an animation's frames.
#pragma once

#include <cstdint>

#include "core/calendar.h"

namespace kelvra {

// The instant of one animation frame.
// Given: the first frame's instant (days), the frame's number counted from 0, and the step
// between frames (minutes, 0..999).
// Returns: start + frame x step / 1440 (days).
// Notes: each frame is computed from the start in one sum. Adding the step to the previous
// frame instead rounds the same way at every addition, and a few dozen frames later the
// instant has fallen below its whole second.
JulianDay AnimationFrameJulianDay(JulianDay start, std::int64_t frame, std::uint16_t interval);

}  // namespace kelvra
