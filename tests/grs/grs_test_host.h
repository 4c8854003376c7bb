// A stand-in for the main window.
#pragma once

#include <cstdint>

#include "ui/main/side_window_host.h"

namespace kelvra::testing {

class FakeHost : public SideWindowHost {
 public:
  std::uint16_t displayedMonth() const override { return month; }
  std::uint16_t displayedYear() const override { return year; }
  ViewKind selectedView() const override { return ViewKind::AstroScope; }
  bool northernHemisphere() const override { return true; }
  std::int32_t eastWestSign() const override { return -1; }
  ConfigRecord& config() override { return record; }
  void saveSettings() override { ++saves; }
  void sideWindowClosing(QWidget&) override { ++closings; }

  std::uint16_t month = 1;  // January 2000 unless a test says otherwise
  std::uint16_t year = 2000;
  ConfigRecord record;  // longitude 65, Universal Time
  int saves = 0;        // settings files written
  int closings = 0;     // side windows that told the host they were closing
};

}  // namespace kelvra::testing
