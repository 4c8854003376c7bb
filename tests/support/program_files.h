// The window tests run from their own build folder; the windows look up their pictures and
// settings beside the running program, so the tests put copies of the built pictures there.
#pragma once

#include <filesystem>
#include <string>

#include "ui/main/jpeg_loader.h"
#include "ui/main/settings.h"

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

}  // namespace kelvra::testing
