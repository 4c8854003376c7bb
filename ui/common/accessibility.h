// What a screen reader finds of the controls the program draws itself: the buttons on the skins,
// the lists and charts drawn into pictures, and the program's windows. Qt's own widgets speak
// for themselves; these get their interfaces here, read through QAccessible like Qt's.
#pragma once

#include <QRect>
#include <QString>

#include <cstddef>
#include <vector>

class QWidget;

namespace kelvra {

// One line of a list drawn by hand, as a screen reader says it.
struct SpokenLine {
  QString text;           // the line as the list shows it
  QString note;           // what its look and its tooltip add ("going on"); may be empty
  bool selected = false;  // the keyboard's line
  QRect place;            // pixels in the list; empty while scrolled out of sight
};

// A picture drawn by hand, a view, a chart or a list, as a screen reader reads it.
struct SpokenPicture {
  enum class Kind { Picture, Chart, List };
  Kind kind = Kind::Chart;
  QString name;                   // "Moon events, May 2026"
  QString description;            // what it shows beyond its lines: all of a view or a chart
  std::vector<SpokenLine> lines;  // a list's lines, top to bottom
};

// Makes the program's own controls known to QAccessible; once is enough, again does nothing.
// Every MouseTarget calls it as it is made. A button drawn on a skin (a MouseTarget with an
// action or a hint) is a push button named by its tooltip's words, with its key, pressed by a
// reader as by a click; a picture with a spoken source (ImageView::setSpoken) a graphic, a
// chart or a list whose lines are its items, asked afresh whenever a reader reads it; a picture
// with an accessible name a graphic; every top-level window of the program that is no dialog a
// window, named by its title.
void InstallAccessibleControls();

// Tells a screen reader that the list or chart `picture` was drawn again with a new name or
// description (another month, another time basis).
void TellPictureRedrawn(QWidget& picture);

// Tells a screen reader that the selection of the list `list` moved from line `from` to line
// `to`: the line selected now takes the reader's focus, as a keyboard move in a list does.
void TellLineSelected(QWidget& list, std::size_t from, std::size_t to);

}  // namespace kelvra
