// The computer's clock and time zone, each behind one small seam so tests can fix "now".
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

#include "core/calendar.h"

namespace kelvra {

// Returns: the present moment, seconds since 1970 (the real clock unless a test set one).
std::time_t Now();

// Tests fix "now" with a function of their own; an empty function restores the real clock.
void SetClockForTesting(std::function<std::time_t()> clock);

// Given: an instant.
// Returns: the local civil date and time of that instant in the C library's time zone,
// fractions of a second dropped.
CivilDateTime LocalCivilTime(std::time_t instant);

// Given: an instant.
// Returns: minutes, UT = local + offset, for the zone as it is at that instant: the zone's
// standard bias, plus the daylight-saving bias only when daylight-saving time is in effect.
std::int32_t TimeZoneOffsetAt(std::time_t instant);

}  // namespace kelvra
