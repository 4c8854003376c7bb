// What a side window needs of the main window itself, and everything a side window is handed.
// The main window implements the host; tests of a side window give it a small host of their own.
// What the main window shows is not asked of it: a side window reads the Observation.
#pragma once

#include "core/calendar.h"
#include "ui/common/settings.h"

class QWidget;

namespace kelvra {

class ObservationOwner;
class SettingsStore;

class SideWindowHost {
 public:
  virtual ~SideWindowHost() = default;

  // The 8-byte settings record the main window keeps, and writing it to the settings file at
  // once.
  virtual ConfigRecord& config() = 0;
  virtual void saveSettings() = 0;

  // A side window is about to hide itself: takes it off its side's count and closes up
  // the windows still beside the main window.
  virtual void sideWindowClosing(QWidget& window) = 0;

  // Asks the main window to stop animation and real time and show `ut` (days, Universal Time;
  // shown to the whole second). It is a request: the main window decides, and the new instant
  // reaches every window as an observation changed for InstantChange::Jump.
  virtual void jumpToInstant(JulianDay ut) = 0;
};

// What main.cpp hands every side window; all three outlive it.
struct SideWindowLinks {
  SideWindowHost& host;
  ObservationOwner& observation;  // read and listened to; the events list writes its selection
  SettingsStore& settings;        // the program's settings files, Kelvra95.CFG and Kelvra95.ini
};

}  // namespace kelvra
