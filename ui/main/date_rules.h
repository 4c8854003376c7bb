// The rules a typed date must keep: a day that exists in its month, and none of the ten days
// the Gregorian reform left out.
#pragma once

#include <QString>

#include <cstdint>

namespace kelvra {

struct DateCheck {
  std::uint16_t day;  // the day to use, 1..31
  QString message;    // the error box's text; empty when the date stands as typed
};

// Given: the day (0 when the field is empty), month (1..12) and year (0..9999) as typed.
// Returns: the date's day unchanged and no message when the day exists; else the day to use
// instead and why: 5..14 October 1582 become the 4th (the day before the reform), day 0 the
// 1st, a day beyond the month its last.
DateCheck CheckDate(std::uint16_t day, std::uint16_t month, std::uint16_t year);

}  // namespace kelvra
