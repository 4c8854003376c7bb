// A stand-in for the main window, for the side windows' tests: it keeps the settings in a
// temporary folder, counts what the window asks of it, and holds the observation the window
// reads (a test sets a plain Observation, told as the main window tells it).
#pragma once

#include <QTemporaryDir>

#include <filesystem>

#include "core/calendar.h"
#include "ui/common/observation.h"
#include "ui/common/settings.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window_host.h"

namespace kelvra::testing {

// Days, UT: the 15th of `month` of `year`, 12:00 UT, in that month on any zone's clock.
inline JulianDay MidMonth(int month, int year) {
  return JulianDayFromDate(15, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year),
                           12, 0, 0, 0);
}

class FakeHost : public SideWindowHost {
 public:
  ConfigRecord& config() override { return record; }
  void saveSettings() override {
    ++saves;
    WriteSettings(directory(), record);
  }
  void sideWindowClosing(QWidget&) override { ++closings; }
  void jumpToInstant(JulianDay ut) override {
    ++jumps;
    show(ut, InstantChange::Jump);
  }
  // The main window set to `ut` (days, UT) for `why`: kept as it keeps it, on its clock to the
  // whole second.
  void show(JulianDay ut, InstantChange why = InstantChange::Set) {
    Observation next = observation.value();
    const CivilDateTime c = CalDate(ut, next.zoneOffset);
    next.instantUT =
        JulianDayFromDate(c.day, c.month, c.year, c.hour, c.minute, c.second, next.zoneOffset);
    observation.set(next, why);
  }

  std::filesystem::path directory() const { return folder.path().toStdString(); }
  SideWindowLinks links() { return {*this, observation, settings}; }

  ConfigRecord record;  // longitude 65, Universal Time
  int saves = 0;        // settings files written
  int closings = 0;     // side windows that told the host they were closing
  int jumps = 0;        // jumps asked for
  QTemporaryDir folder;
  SettingsStore settings{directory(), directory() / "user"};
  // January 2000 in Universal Time, the astronomical view, northern, classic, no site.
  ObservationOwner observation{{.instantUT = MidMonth(1, 2000)}};
};

}  // namespace kelvra::testing
