// Where the components of the main window and its dialogs lie, and what every side window
// shares, in window pixels; each side window's own rectangles are in its SideWindowKind. The
// windows place their components from here, the skin generator draws the faces and wells under
// them, tests and the end-to-end scripts (through kelvra_layout_export) click at them.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvra::layout {

// The main window, TViewer: 638 x 479.
struct MainWindow {
  static constexpr QSize size{638, 479};

  // The six skins, each where it lies in the window (Kelvra1.dat … Kelvra6.dat).
  static constexpr QRect topBar{20, 0, 596, 58};
  static constexpr QRect middleBar{20, 155, 597, 28};
  static constexpr QRect bottomBar{20, 457, 597, 23};
  static constexpr QRect centre{20, 182, 321, 276};
  static constexpr QRect leftEdge{0, 0, 21, 479};
  static constexpr QRect rightEdge{616, 0, 22, 479};

  // The toolbar's buttons, each a face in the skin.
  static constexpr QRect magnify{20, 12, 19, 19};
  static constexpr QRect reduce{46, 12, 19, 19};
  static constexpr QRect animate{90, 12, 19, 19};
  static constexpr QRect stop{116, 12, 19, 19};
  static constexpr QRect realTime{142, 12, 19, 19};
  // (each side window's button lies in its SideWindowKind)
  static constexpr QRect help{506, 12, 25, 21};
  static constexpr QRect about{540, 10, 15, 21};
  static constexpr QRect minimise{588, 11, 19, 16};
  static constexpr QRect exit{609, 9, 19, 16};
  static constexpr QRect namePlate{279, 6, 80, 27};    // the drag handle
  static constexpr QRect hemisphere{473, 12, 24, 22};  // a picture in a well

  // The views and the data panel.
  static constexpr QRect sideView{20, 56, 597, 99};
  static constexpr QRect lowerRecess{20, 182, 597, 275};  // data panel and plan view
  static constexpr QRect dataPanel{20, 182, 317, 275};
  static constexpr QRect planView{339, 182, 278, 275};
  static constexpr QRect compass{39, 293, 40, 40};

  // Date, time and view entry.
  static constexpr QRect day{60, 187, 21, 23};
  static constexpr QRect month{85, 187, 58, 23};
  static constexpr QRect year{148, 187, 37, 23};
  static constexpr QRect hour{60, 215, 21, 23};
  static constexpr QRect minute{88, 215, 21, 23};
  static constexpr QRect second{116, 215, 21, 23};
  static constexpr QRect now{142, 215, 43, 23};
  static constexpr QRect view{60, 244, 125, 23};
};

// A side window beside the main window: its background, buttons and the list or chart well.
struct SideWindowLayout {
  QSize size;       // pixels
  QRect print;      // the print button's face
  QRect timeBasis;  // the time-basis button, a picture in a well
  QRect exit;       // the exit button's click area, inside the skin's one exit face
  QRect list;       // the chart or list, in a black well
};

// Every side window's list or chart: pixels.
inline constexpr QSize kListSize{160, 403};

// The one skin every side window shares (Kelvra7.dat): its faces and wells. A window's own
// layout puts its components over them; its exit area lies anywhere inside the exit face.
inline constexpr SideWindowLayout kSideWindowSkin{
    {200, 479}, {16, 14, 19, 19}, {41, 14, 20, 20}, {172, 11, 15, 16}, {{20, 56}, kListSize}};

// A component the scripts click, under its name in build/layout.sh.
struct NamedRect {
  const char* name;  // the full variable name without "layout_", as "grs_longitude"
  QRect rect;        // window pixels
};

// The About window, 210 x 155.
struct AboutWindow {
  static constexpr QSize size{210, 155};
  static constexpr QRect exit{183, 11, 18, 16};
};

// The interval dialog's number field.
inline constexpr QRect kIntervalField{18, 20, 27, 23};

}  // namespace kelvra::layout
