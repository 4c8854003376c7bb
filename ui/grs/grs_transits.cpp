#include "ui/grs/grs_transits.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>

#include "core/calendar.h"
#include "ui/common/page_layout.h"
#include "ui/common/picture_style.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/grs/grs_drift_settings.h"
#include "ui/grs/grs_kind.h"
#include "ui/grs/grs_longitude.h"
#include "ui/grs/grs_pictures.h"

namespace kelvra {

TGRSTransits::TGRSTransits(const SideWindowLinks& links, QWidget* parent)
    : SideWindowForm(links, kGRSKind, {"GRSTransits", "imgGRSBack", "btnExit", "imgGRS"},
                     &ConfigRecord::GRSLocalTime, parent),
      imgLong(new ImageView(this, "imgLong")),
      lblDrift(new QLabel(this)) {
  lblDrift->setObjectName(QStringLiteral("lblDrift"));
  lblDrift->setGeometry(layout::kGRSDriftLine);
  lblDrift->setAlignment(Qt::AlignCenter);
  lblDrift->setAttribute(Qt::WA_TranslucentBackground);
  SetTextColour(*lblDrift, style::kGlyph);
  lblDrift->hide();
  imgLong->setGeometry(layout::kGRSLongitude);
  imgLong->setPicture(GlobeButton);
  QAction* longitude =
      MakeAction(this, QStringLiteral("Red Spot longitude\u2026"),
                 {QKeySequence(Qt::CTRL | Qt::Key_Comma)}, [this] { imgLongClick(); });
  menu().add(MenuGroup::View, longitude);
  imgLong->setAction(longitude);
  // Created after the window, as at start-up, so a missing picture is reported in that order.
  longitudeDialog_ = new TGRSLongitude(links.host, *this, links.settings);
}

void TGRSTransits::observationChanged(ObservationChanges what, InstantChange why) {
  if (what.testFlag(ObservationChange::Site)) {
    redraw();
  } else {
    SideWindowForm::observationChanged(what, why);
  }
}

void TGRSTransits::imgLongClick() {
  RunModal(*longitudeDialog_);
  redraw();
}

void TGRSTransits::drawList(QImage& list) {
  const TimeBasis basis = timeBasis();
  const RedSpotDrift spotDrift = drift();
  showDriftLine(GRSDriftLine(spotDrift));
  const ListMonth shown = observation().month();
  const int year = shown.year, month = shown.month;
  const std::vector<GRSDayTransits> rows = PredictGRSTransits(
      year, month, host().config().RSLongitude, spotDrift, basis.localTime, basis.zoneOffset);
  DrawGRSList(list, listFont(), rows,
              GRSTransitsNotVisible(rows, year, month, basis, observation().site));
}

void TGRSTransits::showDriftLine(const QString& text) {
  lblDrift->setVisible(!text.isEmpty());
  if (text.isEmpty()) return;
  // The longest line (a two-digit drift) must fit the window's width: Arial from 11 pixels
  // down until it does.
  QFont font(QStringLiteral("Arial"));
  for (int pixels = 11; pixels >= 7; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(text) <= layout::kGRSDriftLine.width()) break;
  }
  lblDrift->setFont(font);
  lblDrift->setText(text);
}

RedSpotDrift TGRSTransits::drift() const {
  return ReadRedSpotDrift(settings().ini());
}

GRSPageInput TGRSTransits::pageInput(std::uint16_t month, std::uint16_t year) const {
  return {month, year, host().config().RSLongitude, timeBasis(), drift(), observation().site};
}

bool TGRSTransits::PrintGRSTransits(std::uint16_t month, std::uint16_t year) {
  const GRSPageInput input = pageInput(month, year);
  return PrintOnePage(
      settings(), QStringLiteral("Jupiter's GRS Transits"),
      PdfFileName(QStringLiteral("GRS"), month, year),
      [&input](QPainter& painter, QSize page) { DrawGRSPage(painter, page, input); });
}

}  // namespace kelvra
