// The skin pictures of the borderless windows, drawn in code and written as Kelvra0.dat …
// Kelvra8.dat by the skin generator at build time.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <span>
#include <vector>

#include "ui/common/side_window_kind.h"

namespace kelvra::skins {

// The side windows whose toolbar buttons the main window's frame carries, in list order.
using SideWindowKinds = std::span<const SideWindowKind* const>;

// Returns: a picture of width x height filled with the panel's top-to-bottom gradient, the
// ground every skin is drawn on.
QImage Panel(int width, int height);

// One skin picture and the file name it ships under.
struct Skin {
  QString fileName;  // "Kelvra0.dat" … "Kelvra8.dat"
  QImage image;
};

// Returns: the whole main window's frame, 638 x 480 (479 rows show), in window pixels: the toolbar
// faces, the wells of the views (black) and the data panel's background. The main window's six
// skins are cut from it, so their edges meet without a seam. Each of `sideWindows` draws its
// own toolbar button.
QImage MainWindowFrame(SideWindowKinds sideWindows);

// Where each of the main window's six skins lies in the window, in window pixels.
struct MainWindowPiece {
  QString fileName;
  QRect place;  // pixels, window coordinates
};
std::vector<MainWindowPiece> MainWindowPieces();

// Returns: every side window's background, 200 x 480.
QImage SideWindowSkin();

// Returns: the About window, 210 x 155; its words (kAboutWords) only `withWords`.
QImage AboutSkin(bool withWords);

// Returns: the GRS longitude dialog's background, 160 x 113; its words
// (kLongitudeDialogWords) only `withWords`.
QImage LongitudeSkin(bool withWords);

// Returns: the nine skins in file-name order, Kelvra0.dat first, the main window's with a
// toolbar button for each of `sideWindows`; then Kelvra0's and Kelvra8's bare pictures
// (BareSkinFile), without their words.
std::vector<Skin> AllSkins(SideWindowKinds sideWindows);

}  // namespace kelvra::skins
