#include "ui/common/clock.h"

#include <utility>

namespace kelvra {
namespace {

std::function<std::time_t()>& testClock() {
  static std::function<std::time_t()> clock;
  return clock;
}

std::tm localParts(std::time_t instant) {
  std::tm parts{};
  localtime_r(&instant, &parts);
  return parts;
}

}  // namespace

std::time_t Now() {
  return testClock() ? testClock()() : std::time(nullptr);
}

void SetClockForTesting(std::function<std::time_t()> clock) {
  testClock() = std::move(clock);
}

CivilDateTime LocalCivilTime(std::time_t instant) {
  const std::tm parts = localParts(instant);
  return {static_cast<std::uint16_t>(parts.tm_year + 1900),
          static_cast<std::uint16_t>(parts.tm_mon + 1),
          static_cast<std::uint16_t>(parts.tm_mday),
          static_cast<std::uint16_t>(parts.tm_hour),
          static_cast<std::uint16_t>(parts.tm_min),
          static_cast<std::uint16_t>(parts.tm_sec)};
}

std::int32_t TimeZoneOffsetAt(std::time_t instant) {
  // tm_gmtoff is local minus UT in seconds and already holds the daylight-saving shift
  // exactly when tm_isdst says it is in effect: the bias plus, in summer, the daylight bias.
  const std::tm parts = localParts(instant);
  return static_cast<std::int32_t>(-parts.tm_gmtoff / 60);
}

}  // namespace kelvra
