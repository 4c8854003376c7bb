#include "ui/tracks/sat_tracks.h"

#include "ui/common/page_layout.h"
#include "ui/common/side_window_host.h"
#include "ui/tracks/tracks_kind.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {

TSatTracks::TSatTracks(SideWindowHost& host, QWidget* parent)
    : SideWindowForm(host, kTracksKind, {"SatTracks", "imgTrackBack", "lblTracksExit", "imgTracks"},
                     &ConfigRecord::TracksLocalTime, parent) {}

TracksInput TSatTracks::chartInput(std::uint16_t month, std::uint16_t year) const {
  return {month,
          year,
          host().selectedView(),
          host().northernHemisphere(),
          timeBasis(),
          host().positionTheory()};
}

void TSatTracks::drawList(QImage& list) {
  const TracksInput input = chartInput(host().displayedMonth(), host().displayedYear());
  DrawTracksChart(list, ComputeTracksChart(input), listFont());
}

SpokenPicture TSatTracks::spokenList() const {
  SpokenPicture spoken = SideWindowForm::spokenList();
  // s = +1 puts a moon west of Jupiter (X > 0) left of the band.
  const bool westLeft =
      TracksMonthFor(chartInput(host().displayedMonth(), host().displayedYear())).mirror > 0;
  spoken.description =
      QStringLiteral(
          "Day 1 at the top, a row each half hour, odd days banded: each moon's "
          "distance east or west of Jupiter, the band down the middle, %1 on the left; "
          "Io white, Europa yellow, Ganymede orange, Callisto light blue")
          .arg(westLeft ? QStringLiteral("west") : QStringLiteral("east"));
  return spoken;
}

void TSatTracks::PrintTracks(std::uint16_t month, std::uint16_t year) {
  const TracksInput input = chartInput(month, year);
  PrintOnePage(TracksTitle(month, year), PdfFileName(QStringLiteral("Tracks"), month, year),
               [&input](QPainter& painter, QSize page) { DrawTracksPage(painter, page, input); });
}

}  // namespace kelvra
