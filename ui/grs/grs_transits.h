// The GRS transits window: the month's Red Spot transits as a list, its time basis, its
// printout, and the button that opens the longitude dialog.
#pragma once

#include <cstdint>
#include <vector>

class QLabel;

#include "ui/common/side_window.h"
#include "ui/grs/grs_page.h"

namespace kelvra {

class TGRSLongitude;

class TGRSTransits : public SideWindowForm {
  Q_OBJECT
 public:
  // Creates the window hidden, then its longitude dialog. Reads and writes the longitude in
  // the host's record, and the Red Spot's drift in the settings' ini file.
  explicit TGRSTransits(const SideWindowLinks& links, QWidget* parent = nullptr);

  // Recomputes the main window's month and draws it into the list.
  void CalcGRS() { redraw(); }

  // Prints the month on one page of the default printer; false when it was not printed
  // (the error box has been shown).
  bool PrintGRSTransits(std::uint16_t month, std::uint16_t year);

  // What the printed page of `month` of `year` is drawn from: the stored longitude, drift,
  // basis and the observation's site.
  GRSPageInput pageInput(std::uint16_t month, std::uint16_t year) const;

  // The drift stored in the ini file.
  RedSpotDrift drift() const;

  TGRSLongitude& longitudeDialog() { return *longitudeDialog_; }

 protected:
  void drawList(QImage& list) override;
  // A line a day as shown: the day and its transits, those not visible from the site said.
  SpokenPicture spokenList() const override;
  void print(std::uint16_t month, std::uint16_t year) override { PrintGRSTransits(month, year); }
  // The transits' greying follows the site too, shown or not.
  void observationChanged(ObservationChanges what, InstantChange why) override;

 private:
  void imgLongClick();
  // Shows the drift line with `text`, or hides it when the text is empty.
  void showDriftLine(const QString& text);

  std::vector<GRSDayTransits> rows_;  // the month as last drawn
  GRSHidden hidden_;                  // which of them are greyed
  ImageView* imgLong;
  QLabel* lblDrift;  // the drift line, shown only with a drift
  TGRSLongitude* longitudeDialog_ = nullptr;
};

}  // namespace kelvra
