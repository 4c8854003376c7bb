// Writes the nine skin pictures Kelvra0.dat … Kelvra8.dat into the folder given as argument,
// and, given a second folder, the program's icon there as kelvra95-SIZE.png in every size.
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <string>

#include "assets/jpeg_writer.h"
#include "assets/skins.h"
#include "ui/common/pictures.h"
#include "ui/windows/side_windows.h"

namespace {

constexpr int kJpegQuality = 92;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER [ICON-FOLDER]\n", argv[0]);
    return 2;
  }
  // Text needs fonts, and fonts need a GUI application, but no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const std::filesystem::path folder(argv[1]);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  int failures = 0;
  for (const kelvra::skins::Skin& skin : kelvra::skins::AllSkins(kelvra::SideWindowKinds())) {
    const std::filesystem::path path = folder / skin.fileName.toStdString();
    if (!kelvra::skins::WriteJpeg(skin.image, kJpegQuality, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
      ++failures;
    }
  }
  if (argc == 3) {
    const std::filesystem::path icons(argv[2]);
    std::filesystem::create_directories(icons, error);
    for (const int size : kelvra::kIconSizes) {
      const std::filesystem::path path = icons / ("kelvra95-" + std::to_string(size) + ".png");
      if (!kelvra::AppIcon(size).save(QString::fromStdString(path.string()), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
