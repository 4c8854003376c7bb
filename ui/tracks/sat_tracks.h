// The tracks window: the month's satellite tracks as a chart beside the main window.
#pragma once

#include <cstdint>

#include "ui/common/side_window.h"
#include "ui/tracks/tracks_chart.h"

namespace kelvra {

class TSatTracks : public SideWindowForm {
  Q_OBJECT
 public:
  // Creates the window hidden; without its background it reports the picture and never shows.
  explicit TSatTracks(const SideWindowLinks& links, QWidget* parent = nullptr);

  // Recomputes the chart for the main window's month and redraws it.
  void DrawTracks() { redraw(); }
  // Prints the chart of `month` (1..12) of `year` on the default printer.
  void PrintTracks(std::uint16_t month, std::uint16_t year);

  // The chart as last drawn, 160 x 403.
  const QImage& chartImage() const { return listImage(); }

 protected:
  void drawList(QImage& list) override;
  // The chart's month and how to read it: which side is west, which colour each moon.
  SpokenPicture spokenList() const override;
  void print(std::uint16_t month, std::uint16_t year) override { PrintTracks(month, year); }
  // The chart follows the view, the hemisphere and the theory of the positions too.
  void observationChanged(ObservationChanges what, InstantChange why) override;

 private:
  TracksInput chartInput(std::uint16_t month, std::uint16_t year) const;
};

}  // namespace kelvra
