// The radio window's pictures: the plane of the central meridian (System III, across) and Io's
// phase (up) with the source regions as labelled boxes and a track over them, the readings at
// the main window's instant, and the month's list of spans; drawn the same on screen and page.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

#include "ui/radio/radio_model.h"

class QFont;
class QImage;
class QPainter;

namespace kelvra {

// The region's colour on the dark screen (page: false) or on white paper.
QColor RadioRegionColour(std::size_t region, bool page);

// What the plot shows.
struct RadioPlot {
  std::vector<RadioTrackPoint> track;      // drawn as a line, bright inside a region
  std::optional<RadioTrackPoint> instant;  // the main window's, marked with a ring
  bool page = false;                       // white paper: dark ink, full region names
  bool dots = false;  // the track as a dot per point (a month's would fill the plot as lines)
};

// Draws the plot filling `area` (painter units): frame, grid every 90 degrees, the regions of
// kRadioSourceRegions (the Io-independent ones as bands behind the track, the others as boxes
// over it), the instant.
// `unit` is the width of a line in painter units (1 on screen).
void DrawRadioPlot(QPainter& painter, const QRect& area, const RadioPlot& plot, int unit);

// Where the screen's list is: pixels in the 160 x 403 list picture.
inline constexpr QRect kRadioPlotRect{0, 0, 160, 144};
inline constexpr int kRadioScrollBarWidth = 3;

// The readings at the main window's instant: degrees.
struct RadioReadings {
  double cm, io, europa, ganymede;
};

// Given: the readings. Returns: the two rows under the plot, "CM III 212.3°  Io 97.1°" and
// "Europa 201°  Ganymede 45°" (whole degrees: the row is 160 pixels).
std::vector<QString> RadioReadingRows(const RadioReadings& readings);

// What the screen list shows beside its lines.
struct RadioListView {
  std::size_t top = 0;                // the first line shown
  std::size_t selected = 0;           // the keyboard's line
  std::optional<std::size_t> marked;  // the span going on at the main window's instant
  bool site = false;                  // a site is set: the shading's note is shown
};

// Given: the list's font and whether a site is set. Returns: the pixels above the first line.
int RadioListTop(const QFont& font, bool site);

// Draws the whole screen picture (160 x 403 window pixels, at its ratio): the plot, the
// readings, with a site the note that shaded lines fall in daylight, then the lines from
// view.top, banded by day, marked, framed, greyed and shaded, with a scroll bar when they do
// not fit.
void DrawRadioScreen(QImage& list, const QFont& font, const RadioPlot& plot,
                     const RadioReadings& readings, const std::vector<RadioLine>& lines,
                     std::int32_t offset, const RadioListView& view);

// The button faces of the window's own toggles (`size` window pixels at `ratio`): the track's,
// "N" for the night, "M" for the month.
QImage RadioTrackButtonFace(QSize size, bool month, double ratio = 1);

// The note of daylight, as the list and the page say it.
QString RadioDaylightNote();

}  // namespace kelvra
