// A main window stand-in for the tracks window, and its background picture beside the test.
#pragma once

#include <QColor>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QTemporaryDir>

#include <filesystem>

#include "core/view.h"
#include "ui/main/jpeg_loader.h"
#include "ui/main/settings.h"
#include "ui/main/side_window_host.h"

namespace kelvra::testing {

// Keeps the settings in a temporary folder and counts what the window asks of it.
class TestHost : public SideWindowHost {
 public:
  std::uint16_t displayedMonth() const override { return month; }
  std::uint16_t displayedYear() const override { return year; }
  ViewKind selectedView() const override { return view; }
  bool northernHemisphere() const override { return northern; }
  std::int32_t eastWestSign() const override { return SignsFor(view, northern).EastWestSign; }
  ConfigRecord& config() override { return record; }
  void saveSettings() override {
    ++saves;
    WriteSettings(directory(), record);
  }
  void sideWindowClosing(QWidget&) override { ++closings; }

  std::filesystem::path directory() const { return folder.path().toStdString(); }

  std::uint16_t month = 1;
  std::uint16_t year = 2000;
  ViewKind view = ViewKind::AstroScope;
  bool northern = true;
  ConfigRecord record;
  int saves = 0;
  int closings = 0;
  QTemporaryDir folder;
};

inline QString BackgroundPicturePath() {
  return QString::fromStdString((ProgramDirectory() / "Kelvra7.dat").string());
}

// Writes a plain 200 x 480 JPEG as Kelvra7.dat beside the test program. Tests run in
// parallel, so the file is replaced whole, never seen half-written.
inline bool PutBackgroundPicture() {
  QImage picture(200, 480, QImage::Format_RGB32);
  picture.fill(QColor(30, 60, 90));
  QSaveFile file(BackgroundPicturePath());
  return file.open(QIODevice::WriteOnly) && picture.save(&file, "JPG") && file.commit();
}

}  // namespace kelvra::testing
