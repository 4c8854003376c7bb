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

void TSatTracks::PrintTracks(std::uint16_t month, std::uint16_t year) {
  const TracksInput input = chartInput(month, year);
  PrintOnePage(TracksTitle(month, year), PdfFileName(QStringLiteral("Tracks"), month, year),
               [&input](QPainter& painter, QSize page) { DrawTracksPage(painter, page, input); });
}

}  // namespace kelvra
