// The instants of an animation's frames, read back as the frames show them.
#include "ui/main/animation.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kelvra {
namespace {

constexpr int kFrames = 10000;  // a long animation: almost seven days of steps of one minute

struct Start {
  std::uint16_t day, month, year, hour, minute, second;  // local civil time
  std::int32_t offset;                                   // minutes, UT = local + offset
};

// Checks that every frame in steps of `interval` minutes shows the time of day the steps
// add up to: whole minutes after the start, and always the start's second.
testing::AssertionResult FramesKeepTheStartsSecond(const Start& s, std::uint16_t interval) {
  const JulianDay start =
      JulianDayFromDate(s.day, s.month, s.year, s.hour, s.minute, s.second, s.offset);
  const std::int64_t startMinute = s.hour * 60 + s.minute;  // minutes after local midnight
  for (std::int64_t frame = 0; frame < kFrames; ++frame) {
    const CivilDateTime shown = CalDate(AnimationFrameJulianDay(start, frame, interval), s.offset);
    const std::int64_t minute = (startMinute + frame * interval) % 1440;
    if (shown.second != s.second || shown.minute != minute % 60 || shown.hour != minute / 60) {
      return testing::AssertionFailure()
             << "step " << interval << " from " << s.year << '-' << s.month << '-' << s.day << ' '
             << s.hour << ':' << s.minute << ':' << s.second << " at offset " << s.offset
             << ": frame " << frame << " shows " << shown.hour << ':' << shown.minute << ':'
             << shown.second;
    }
  }
  return testing::AssertionSuccess();
}

TEST(AnimationFrameJulianDay, EveryStepKeepsTheStartsSecondForTenThousandFrames) {
  // 10:20:30 in steps of 60 minutes fell to :29 after about forty frames when each frame
  // added the step to the one before.
  const Start starts[] = {
      {1, 1, 2000, 10, 20, 30, 0},
      {31, 12, 2026, 23, 59, 59, -60},
      {15, 10, 1582, 0, 0, 1, 330},
      {1, 3, 9980, 7, 45, 17, 840},
  };
  for (const Start& start : starts) {
    for (std::uint16_t interval = 1; interval <= 999; ++interval) {
      ASSERT_TRUE(FramesKeepTheStartsSecond(start, interval));
    }
  }
}

TEST(AnimationFrameJulianDay, StartsOverTheYearsAndZonesKeepTheirSecond) {
  // A spread of starts: every second of the minute, years 0..9999, the zones of the world.
  const std::uint16_t steps[] = {1, 7, 60, 61, 144, 997, 999};
  for (std::uint16_t i = 0; i < 60; ++i) {
    const Start start{static_cast<std::uint16_t>(1 + i * 7 % 28),
                      static_cast<std::uint16_t>(3 + i % 10),
                      static_cast<std::uint16_t>(i * 167 % 10000),
                      static_cast<std::uint16_t>(i * 5 % 24),
                      static_cast<std::uint16_t>(i * 13 % 60),
                      i,
                      -720 + i * 26};
    for (const std::uint16_t interval : steps) {
      ASSERT_TRUE(FramesKeepTheStartsSecond(start, interval));
    }
  }
}

}  // namespace
}  // namespace kelvra
