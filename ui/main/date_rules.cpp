#include "ui/main/date_rules.h"

#include <QCoreApplication>

#include "core/calendar.h"

namespace kelvra {

DateCheck CheckDate(std::uint16_t day, std::uint16_t month, std::uint16_t year) {
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
    return {4, QCoreApplication::translate(
                   "kelvra::DateRules",
                   "Invalid Date: Following the conversion from the Julian\n\rCalendar to the "
                   "Gregorian Calendar, the date following\n\r4 October 1582 was 15 October "
                   "1582. Any date between \n\rthese has no meaning.")};
  }
  const std::uint8_t daysInMonth = DaysInMonth(month, year);
  if (day == 0 || day > daysInMonth) {
    return {day == 0 ? std::uint16_t{1} : std::uint16_t{daysInMonth},
            QCoreApplication::translate("kelvra::DateRules", "Date must lie between 1 and %1")
                .arg(daysInMonth)};
  }
  return {day, {}};
}

}  // namespace kelvra
