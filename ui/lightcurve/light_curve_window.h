// The light-curve window: the predicted curve of one mutual event (the events list's selected
// line, else the one going on at the main window's instant, else the next) as a chart with its
// figures, the main window's instant moving across it, its page and its curve as CSV.
#pragma once

#include <QString>

#include <cstdint>

#include "ui/common/settings_key.h"
#include "ui/common/side_window.h"
#include "ui/lightcurve/light_curve_model.h"

namespace kelvra {

// The window's time basis: true for local time, false for UT.
inline const FlagKey kLightCurveLocalTimeKey{"LightCurve/LocalTime", false};

class TLightCurve : public SideWindowForm {
  Q_OBJECT
 public:
  // Creates the window hidden.
  explicit TLightCurve(const SideWindowLinks& links, QWidget* parent = nullptr);

  // The curve shown, as last drawn; none when there is no event within a year.
  const std::optional<LightCurve>& curve() const { return model_.curve(); }

  // The month of the event shown (its maximum on the window's clock), else the main window's.
  ListMonth listMonth() const override;

  // Prints the curve on one page of the default printer (no printer: a PDF), or a page saying
  // there is no event within a year; false when it was not printed.
  bool printCurve();

  // Asks where to save the curve as CSV, then exportTo.
  void exportCurve();
  // Writes the curve to `path` whole or not at all; a file that cannot be written, or no
  // curve, gets a message. Returns: false when nothing was written.
  bool exportTo(const QString& path);

 protected:
  void drawList(QImage& list) override;
  // The chart named by the event, its figures as its description.
  SpokenPicture spokenList() const override;
  void print(std::uint16_t, std::uint16_t) override { printCurve(); }
  bool localTime() const override;
  void storeLocalTime(bool local) override;
  // Follows the selection, the instant (its mark and the event going on), the site and the zone.
  void observationChanged(ObservationChanges what, InstantChange why) override;

 private:
  QStringList shownLines() const;

  LightCurveModel model_;
};

}  // namespace kelvra
