// What the program, the skin generator, the layout export and the layout test know of one side
// window. Each window folder defines its own; the one list of side windows enters it.
#pragma once

#include <QCoreApplication>
#include <QKeyCombination>
#include <QRect>

#include <span>

#include "ui/common/layout.h"

class QPainter;

namespace kelvra {

struct SideWindowKind {
  const char* name;                 // its prefix in build/layout.sh: [a-z]+
  layout::SideWindowLayout layout;  // window pixels, over the shared side-window skin
  QRect button;                     // its toolbar button's face, main window pixels
  const char* buttonName;           // the button's object name, as tests find it
  // The words below are English, marked QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "...") and
  // shown through SideWindowKindText.
  const char* buttonHint;  // the button's tooltip
  // Its window title after the program's name, "Tracks" in "Kelvra95 – Tracks" (none: the
  // button's tooltip).
  const char* title = nullptr;
  // Draws the button's face and glyph filling `face` (main window pixels) into the toolbar
  // picture; leaves the painter's state as it found it.
  void (*drawButton)(QPainter& painter, const QRect& face);
  // The key that opens the window from every window of the program (none: no key); the help's
  // table of keys lists it.
  QKeyCombination openKey = QKeyCombination::fromCombined(0);
  // Further components of the window or its dialogs that the scripts click.
  std::span<const layout::NamedRect> components = {};
};

// A word of a SideWindowKind as the user reads it: translated when a translation is loaded.
inline QString SideWindowKindText(const char* text) {
  return QCoreApplication::translate("kelvra::SideWindowKind", text);
}

}  // namespace kelvra
