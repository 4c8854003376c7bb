// The window tests run from their own build folder; the windows look up their pictures and
// settings beside the running program, so the tests put copies of the built pictures there.
#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "ui/common/clock.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/observation.h"
#include "ui/common/settings.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window_host.h"

namespace kelvra::testing {

// Copies Kelvra0.dat ... Kelvra8.dat from the build's bin folder beside the test program,
// except `omit` (a file name, or empty), which is removed there. Removes the settings file.
inline void InstallProgramFiles(const std::string& omit = {}) {
  namespace fs = std::filesystem;
  const fs::path from(KELVRA_BIN_DIR);
  const fs::path to = ProgramDirectory();
  for (int i = 0; i <= 8; ++i) {
    const std::string name = "Kelvra" + std::to_string(i) + ".dat";
    fs::remove(to / name);
    if (name != omit) fs::copy_file(from / name, to / name, fs::copy_options::overwrite_existing);
  }
  fs::remove(to / kSettingsFileName);
}

// 2000-01-01 12:00:00 UT.
inline constexpr std::time_t kJ2000 = 946728000;

// What a main-window test starts from: Universal Time as the zone, the clock fixed at J2000,
// the pictures beside the program and no settings file.
inline void PrepareMainWindowStart() {
  setenv("TZ", "UTC", 1);
  tzset();
  SetClockForTesting([] { return kJ2000; });
  InstallProgramFiles();
}

// What main.cpp hands the windows: the settings beside the test program and the one
// observation. A test declares it before its windows, which it outlives.
struct ProgramParts {
  SettingsStore settings{ProgramDirectory(), UserSettingsFolder()};
  ObservationOwner observation;
  SideWindowLinks links(SideWindowHost& mainWindow) { return {mainWindow, observation, settings}; }
};

}  // namespace kelvra::testing
