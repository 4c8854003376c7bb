// The printed page of the radio window: the plot with its track over the regions, then the
// month's spans in columns. Drawn through a QPainter on a page of known size in dots, so a
// printer and a test's QImage run the same code.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/calendar.h"
#include "ui/common/observation.h"
#include "ui/common/page_layout.h"
#include "ui/radio/radio_model.h"

class QPainter;

namespace kelvra {

struct RadioPageInput {
  ListMonth month;
  TimeBasis basis;                  // the list's clock
  std::optional<SiteSetting> site;  // none: nothing greyed or shaded
  bool visibleOnly = false;         // with a site, the lines Jupiter is up for only
  bool monthTrack = false;          // the track drawn: the month's, or the night's
  std::vector<RadioLine> lines;     // the lines as shown
  std::vector<RadioTrackPoint> track;
};

// "Jupiter's Radio Windows: " + the default locale's month name + " " + the year.
QString RadioTitle(std::uint16_t month, std::uint16_t year);

// "[Universal Time - the track of the night from 2026-12-09 12:00]" (or "- the month's
// track"), local time with its offset; with a site its place and Jupiter's least altitude, and
// ", visible only" when filtered (the Sun's limit does not filter here).
QString RadioSubtitle(const RadioPageInput& input);

// Where the page's parts went (dots), for the tests.
struct RadioPageParts {
  QRect plot;               // the plot's frame
  std::vector<QRect> rows;  // one box per line, in the lines' order
};

// The whole page: title block, footer, plot with its scales and the daylight note, then the
// lines in as many columns as they need, greyed and shaded as on screen.
RadioPageParts DrawRadioPage(QPainter& painter, QSize page, const RadioPageInput& input);

}  // namespace kelvra
