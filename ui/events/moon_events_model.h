// What the events window shows, worked out without a widget: the month's lines on the list's
// clock, the site's sky at each, the filter, the lines going on at an instant, the passages row
// and the texts and file made of them.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "core/sky.h"
#include "ui/common/site_settings.h"
#include "ui/events/moon_events_export.h"

namespace kelvra {

class MoonEventsModel {
 public:
  // A month on a clock; year -1: none.
  struct Month {
    int year = -1;
    int month = -1;
    TimeBasis basis;
    bool operator==(const Month&) const = default;
  };

  // Given: an instant (days, UT) and a time basis. Returns: the instant's month on that clock.
  static Month MonthOf(JulianDay ut, TimeBasis basis);

  // Brings the lines to `month` as `site` sees it, with the filter `visibleOnly` (which needs a
  // site). The month's lines are computed once per month, their sky once per month and site,
  // never per frame. Returns: true when the lines shown were made anew (the list starts over).
  bool show(const Month& month, const std::optional<SiteSetting>& site, bool visibleOnly);

  // Forgets the month: the next show computes it again.
  void forgetMonth() { month_ = {}; }

  // The month of the lines (year -1 before the first show), the site they are seen from.
  const Month& month() const { return month_; }
  const std::optional<SiteSetting>& site() const { return site_; }

  // The lines shown: the month's, filtered or not; per line, whether it is drawn grey (not
  // visible from the site); false: a year whose times degrade.
  const std::vector<MoonEventLine>& lines() const { return lines_; }
  const std::vector<bool>& greyed() const { return greyed_; }
  bool accurate() const { return accurate_; }

  // Given: a day of the month. Returns: the first line at or after that day's start (the last
  // line when none is; 0 for no lines).
  std::size_t firstLineOfDay(int day) const;

  // Given: an instant (days, UT). Returns: the lines going on then, ascending.
  std::vector<std::size_t> goingOn(JulianDay ut) const;

  // With a site, the passages row follows the day of `ut` on the clock `offset` (minutes, UT =
  // clock + offset); without one it is empty. Returns: true when the row changed.
  bool followPassages(JulianDay ut, std::int32_t offset);
  const QString& passages() const { return passages_; }

  // Returns: line `index`'s tooltip, each part on lines of its own: the phenomenon's
  // (MoonEventToolTip), then with a site its sky (MoonEventsSkyText); empty for none.
  QString toolTip(std::size_t index) const;

  // Returns: the file of the lines shown in `format`; stampUT (days, UT), the moment of export;
  // alarmMinutes, the reminders' lead (0: off).
  std::string exportText(ExportFormat format, JulianDay stampUT, int alarmMinutes = 0) const;

 private:
  Month month_;                       // the month of all_
  std::vector<MoonEventLine> all_;    // every line of the month
  std::vector<SkyAtInstant> allSky_;  // the sky at each, empty without a site
  std::optional<SiteSetting> site_;   // the site of allSky_
  bool accurate_ = true;              // the month's times do not degrade
  bool filtered_ = false;             // lines_ holds only the visible lines
  std::vector<MoonEventLine> lines_;  // the lines shown
  std::vector<SkyAtInstant> sky_;     // the sky at each shown line, empty without a site
  std::vector<bool> greyed_;          // per shown line
  QString passages_;                  // the passages row, empty without a site
  JulianDay passagesDay_ = std::numeric_limits<double>::quiet_NaN();  // days, UT: the day
                                                                      // start of passages_
};

}  // namespace kelvra
