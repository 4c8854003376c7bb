// What a side window needs of the main window. The main window implements it;
// tests of a side window give it a small host of their own.
#pragma once

#include <cstdint>

#include "core/calendar.h"
#include "core/modern_positions.h"
#include "core/view.h"
#include "ui/common/settings.h"
#include "ui/common/site_settings.h"

class QWidget;

namespace kelvra {

class SideWindowHost {
 public:
  virtual ~SideWindowHost() = default;

  // The month shown in the main window's date fields.
  virtual std::uint16_t displayedMonth() const = 0;  // 1..12
  virtual std::uint16_t displayedYear() const = 0;   // 0..9999
  virtual ViewKind selectedView() const = 0;
  virtual bool northernHemisphere() const = 0;
  // +1 or -1 as in the side view; the tracks chart mirrors with its negative.
  virtual std::int32_t eastWestSign() const = 0;
  // Minutes, UT = local + offset: the zone of the main window's local time, which a side
  // window's local-time basis uses too.
  virtual std::int32_t timeZoneOffset() const = 0;
  // Which theory places the moons in the views (View/Positions); a switch is told through
  // SideWindowForm::viewChanged.
  virtual PositionTheory positionTheory() const { return PositionTheory::Classic; }

  // The program's settings, and writing them to the settings file at once.
  virtual ConfigRecord& config() = 0;
  virtual void saveSettings() = 0;

  // A side window is about to hide itself: takes it off its side's count and closes up
  // the windows still beside the main window.
  virtual void sideWindowClosing(QWidget& window) = 0;
  // The observer's site (Kelvra95.ini), or none: then nothing is greyed or filtered.
  virtual std::optional<SiteSetting> site() const = 0;
};

// What a side window that follows the main window's instant (marks it, jumps to a line of its
// own) needs beyond that.
class InstantHost {
 public:
  virtual ~InstantHost() = default;
  // The instant the main window shows, days, Universal Time.
  virtual JulianDay displayedInstantUT() const = 0;
  // Stops animation and real time and shows `ut` (days, Universal Time, a whole second).
  virtual void jumpToInstant(JulianDay ut) = 0;
};

}  // namespace kelvra
