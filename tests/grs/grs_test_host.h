// A stand-in for the main window, and the skin pictures the GRS windows load.
#pragma once

#include <QImage>
#include <QString>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "ui/main/jpeg_loader.h"
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

// Writes a plain grey JPEG of the given size as `name` beside the test program. Test
// programs may run side by side, so the file is written under a name of its own and
// renamed into place in one step.
inline void WriteSkinPicture(const QString& name, int width, int height) {
  const std::filesystem::path target = ProgramDirectory() / name.toStdString();
  const std::filesystem::path temporary = target.string() + "." + std::to_string(getpid()) + ".tmp";
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(QColor(90, 90, 110));
  picture.save(QString::fromStdString(temporary.string()), "JPEG");
  std::filesystem::rename(temporary, target);
}

// The two pictures at their designed sizes.
inline void WriteGRSSkins() {
  WriteSkinPicture(QStringLiteral("Kelvra7.dat"), 200, 480);
  WriteSkinPicture(QStringLiteral("Kelvra0.dat"), 102, 107);
}

}  // namespace kelvra::testing
