// The tracks window: the month's satellite tracks as a chart beside the main window.
#pragma once

#include <QFont>
#include <QWidget>

#include <cstdint>

#include "ui/tracks/tracks_chart.h"

namespace kelvra {

class ClickArea;
class ImageView;
class SideWindowHost;

class TSatTracks : public QWidget {
  Q_OBJECT
 public:
  // Creates the window hidden and runs FormCreate.
  explicit TSatTracks(SideWindowHost& host, QWidget* parent = nullptr);

  // False when the background picture could not be loaded: the window has closed itself
  // and is not to be shown.
  bool isUsable() const { return usable_; }

  // Recomputes the chart for the main window's month and redraws it.
  void DrawTracks();
  // Prints the chart of `month` (1..12) of `year` on the default printer.
  void PrintTracks(std::uint16_t month, std::uint16_t year);

  // The chart as last drawn, 160 x 403.
  const QImage& chartImage() const;

 public slots:
  // Switches the chart between Universal Time and local time, saves the setting, redraws.
  void imgTimeClick();
  // Takes the window off the main window's side and hides it.
  void lblTracksExitClick();
  // Prints the main window's month.
  void lblPrintClick();

 protected:
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void showTimeBasis();
  TracksInput chartInput(std::uint16_t month, std::uint16_t year) const;

  SideWindowHost& host_;
  bool usable_ = false;
  QFont chartFont_;
  ImageView* imgTrackBack;
  ClickArea* lblTracksExit;
  ClickArea* lblPrint;
  ImageView* imgTime;
  ImageView* imgTracks;
  ImageView* imgLocalTime;
  ImageView* imgUTTime;
};

}  // namespace kelvra
