// A stand-in for the main window, for the side windows' tests: it keeps the settings in a
// temporary folder and counts what the window asks of it.
#pragma once

#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>

#include "core/view.h"
#include "ui/common/settings.h"
#include "ui/common/side_window_host.h"

namespace kelvra::testing {

class FakeHost : public SideWindowHost {
 public:
  std::uint16_t displayedMonth() const override { return month; }
  std::uint16_t displayedYear() const override { return year; }
  ViewKind selectedView() const override { return view; }
  bool northernHemisphere() const override { return northern; }
  std::int32_t eastWestSign() const override { return SignsFor(view, northern).EastWestSign; }
  std::int32_t timeZoneOffset() const override { return zone; }
  PositionTheory positionTheory() const override { return positions; }
  ConfigRecord& config() override { return record; }
  void saveSettings() override {
    ++saves;
    WriteSettings(directory(), record);
  }
  void sideWindowClosing(QWidget&) override { ++closings; }
  std::optional<SiteSetting> site() const override { return siteSetting; }

  std::filesystem::path directory() const { return folder.path().toStdString(); }

  std::uint16_t month = 1;  // January 2000 unless a test says otherwise
  std::uint16_t year = 2000;
  ViewKind view = ViewKind::AstroScope;
  bool northern = true;
  std::int32_t zone = 0;  // minutes, UT = local + zone
  PositionTheory positions = PositionTheory::Classic;
  ConfigRecord record;                     // longitude 65, Universal Time
  std::optional<SiteSetting> siteSetting;  // none: no site, as a first run
  int saves = 0;                           // settings files written
  int closings = 0;                        // side windows that told the host they were closing
  QTemporaryDir folder;
};

}  // namespace kelvra::testing
