// The GRS transits window: the month's Red Spot transits as a list, its time basis, its
// printout, and the button that opens the longitude dialog.
#pragma once

#include <QFont>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "ui/grs/grs_prediction.h"

class QPainter;

namespace kelvra {

class ClickArea;
class ImageView;
class SideWindowHost;
class TGRSLongitude;

class TGRSTransits : public QWidget {
  Q_OBJECT
 public:
  // Runs FormCreate. Reads and writes the settings through `host`, which outlives the window.
  explicit TGRSTransits(SideWindowHost& host, QWidget* parent = nullptr);

  // False when the background picture could not be loaded: the window then never shows.
  bool isUsable() const { return usable_; }

  // Recomputes the host's month and draws it into the list (toPrinter false), or the page's
  // month onto the page that DrawPage has opened (toPrinter true; nothing outside DrawPage).
  void CalcGRS(bool toPrinter);

  // Prints the month on one page of the default printer; false when it was not printed
  // (the error box has been shown).
  bool PrintGRSTransits(std::uint16_t month, std::uint16_t year);

  // Draws the whole printed page of the month onto `painter`, a page of `page` dots.
  void DrawPage(QPainter& painter, QSize page, std::uint16_t month, std::uint16_t year);

  TGRSLongitude& longitudeDialog() { return *longitudeDialog_; }

  void setVisible(bool visible) override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void imgTimeClick();
  void imgLongClick();
  void lblPrintClick();
  void btnExitClick();
  void PrintGRSTitle(std::uint16_t month, std::uint16_t year);
  std::vector<GRSDayTransits> monthRows(std::uint16_t month, std::uint16_t year) const;

  // The page being drawn, only while DrawPage runs.
  struct PageJob {
    QPainter& painter;
    QSize size;  // dots
    std::uint16_t month, year;
  };

  SideWindowHost& host_;
  bool usable_ = false;
  QFont listFont_;
  std::uint16_t TitleHeight = 0;  // printer dots kept for the title block
  const PageJob* page_ = nullptr;

  ImageView* imgGRSBack;
  ImageView* imgGRS;
  ClickArea* lblPrint;
  ImageView* imgTime;
  ImageView* imgLong;
  ImageView* imgLocalTime;
  ImageView* imgUTTime;
  ClickArea* btnExit;
  TGRSLongitude* longitudeDialog_ = nullptr;
};

}  // namespace kelvra
