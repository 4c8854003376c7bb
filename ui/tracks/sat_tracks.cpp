#include "ui/tracks/sat_tracks.h"

#include "ui/common/page_layout.h"
#include "ui/common/side_window_host.h"
#include "ui/tracks/tracks_kind.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {

TSatTracks::TSatTracks(const SideWindowLinks& links, QWidget* parent)
    : SideWindowForm(links, kTracksKind,
                     {"SatTracks", "imgTrackBack", "lblTracksExit", "imgTracks"},
                     &ConfigRecord::TracksLocalTime, parent) {}

void TSatTracks::observationChanged(ObservationChanges what, InstantChange why) {
  if (isVisible() && what.testAnyFlags(ObservationChange::View | ObservationChange::Theory)) {
    redraw();
  } else {
    SideWindowForm::observationChanged(what, why);
  }
}

TracksInput TSatTracks::chartInput(std::uint16_t month, std::uint16_t year) const {
  const Observation& shown = observation();
  return {month, year, shown.view, shown.northernHemisphere, timeBasis(), shown.positions};
}

void TSatTracks::drawList(QImage& list) {
  const ListMonth month = observation().month();
  const TracksInput input = chartInput(month.month, month.year);
  DrawTracksChart(list, ComputeTracksChart(input), listFont());
}

SpokenPicture TSatTracks::spokenList() const {
  SpokenPicture spoken = SideWindowForm::spokenList();
  // s = +1 puts a moon west of Jupiter (X > 0) left of the band.
  const ListMonth month = observation().month();
  const bool westLeft = TracksMonthFor(chartInput(month.month, month.year)).mirror > 0;
  spoken.description = westLeft ? tr("Day 1 at the top, a row each half hour, odd days banded: "
                                     "each moon's distance east or west of Jupiter, the band "
                                     "down the middle, west on the left; Io white, Europa "
                                     "yellow, Ganymede orange, Callisto light blue")
                                : tr("Day 1 at the top, a row each half hour, odd days banded: "
                                     "each moon's distance east or west of Jupiter, the band "
                                     "down the middle, east on the left; Io white, Europa "
                                     "yellow, Ganymede orange, Callisto light blue");
  return spoken;
}

void TSatTracks::PrintTracks(std::uint16_t month, std::uint16_t year) {
  const TracksInput input = chartInput(month, year);
  PrintOnePage(settings(), TracksTitle(month, year),
               PdfFileName(QStringLiteral("Tracks"), month, year),
               [&input](QPainter& painter, QSize page) { DrawTracksPage(painter, page, input); });
}

}  // namespace kelvra
