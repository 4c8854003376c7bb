// The tracks window's background picture beside the test program.
#pragma once

#include <QColor>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include "tests/support/fake_host.h"
#include "ui/common/jpeg_loader.h"

namespace kelvra::testing {

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
