// The printed page of the month's satellite tracks. Everything is drawn through a QPainter
// onto a page of known size in dots, so a printer and a test's QImage run the same code.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

#include "ui/common/page_layout.h"
#include "ui/tracks/tracks_chart.h"

class QPainter;

namespace kelvra {

// Returns: "Jupiter's Satellites: " + the default locale's full month name + " " + the year.
QString TracksTitle(std::uint16_t month, std::uint16_t year);

// Returns: "[As viewed through " + instrument + " - Universal Time" or " - Local Time" +
// " - Northern" or " - Southern" + " Hemisphere]", never cut.
QString TracksSubtitle(const TracksInput& input);

// The title block of the tracks page: frame, title, subtitle.
// Returns: TitleHeight and FooterHeight, the dots kept at the top and the foot of the page.
PageHeights PrintTracksTitle(QPainter& painter, QSize page, const TracksInput& input);

// Where a track's name goes: followed step by step down the page.
struct TrackLabel {
  bool placed = false;  // the name has been printed
  int extreme = 0;      // dots, outermost offset x on the satellite's side seen so far
};

// Given: the label's state so far, the satellite (1..4), its offset x this step (dots,
// positive left of the centre) and whether the step lies more than 100 dots below the
// chart's top. Io and Ganymede are named right of the centre (x < 0), Europa and Callisto
// left of it (x > 0).
// Returns: true when the name is to be printed now, at offset label.extreme: the first step
// below the chart's head on which the track, on its side, no longer moves outward.
bool FollowTrackLabel(TrackLabel& label, int satellite, int x, bool belowChartHead);

// Given: a satellite's offset x (dots, whole) and its angle from inferior conjunction u
// (radians).
// Returns: whether its disc is printed: always when |x| >= 23, within Jupiter's band
// (|x| <= 22) only while it is in front of the planet (InFrontOfJupiter).
bool PageDotVisible(int x, double u);

// A satellite's name as printed.
struct PlacedLabel {
  int satellite;  // 1..4
  QRect box;      // dots, the text's box on the page (advance width x font height)
};

// Given: the box a name would take at its track's turning point (dots) and the names printed
// before it.
// Returns: that box, moved down by its own height as often as it takes to overlap none of them.
QRect FreeLabelBox(QRect wanted, const std::vector<PlacedLabel>& earlier);

// The chart of the page between the title block and the footer: frame, Jupiter's band at
// the centre +- 22 dots, grey bands and numbers for the days, the four tracks as discs
// with one name each, drawn without a box so that no disc drawn before it is hidden.
// The chart lies between the two heights the title routine measured.
// Returns: the names printed, in the order they were printed.
std::vector<PlacedLabel> PlotTracks(QPainter& painter, QSize page, const TracksInput& input,
                                    PageHeights heights);

// The whole page: title block, footer, chart.
// Returns: the names printed.
std::vector<PlacedLabel> DrawTracksPage(QPainter& painter, QSize page, const TracksInput& input);

}  // namespace kelvra
