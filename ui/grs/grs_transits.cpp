#include "ui/grs/grs_transits.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

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
      MakeAction(this, tr("Red Spot longitude\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_Comma)},
                 [this] { imgLongClick(); });
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
  rows_ = PredictGRSTransits(year, month, host().config().RSLongitude, spotDrift, basis.localTime,
                             basis.zoneOffset);
  hidden_ = GRSTransitsNotVisible(rows_, year, month, basis, observation().site);
  DrawGRSList(list, listFont(), rows_, hidden_);
}

SpokenPicture TGRSTransits::spokenList() const {
  SpokenPicture spoken = SideWindowForm::spokenList();
  spoken.kind = SpokenPicture::Kind::List;
  spoken.description =
      tr("Red Spot at System II longitude %1\u00B0").arg(host().config().RSLongitude);
  if (!lblDrift->isHidden()) spoken.description += QStringLiteral("; ") + lblDrift->text();
  const int count = static_cast<int>(rows_.size());
  for (int i = 0; i < count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    QStringList times, hidden;
    for (std::size_t k = 0; k < rows_[at].times.size(); ++k) {
      times << QString::fromStdString(rows_[at].times[k].text);
      if (at < hidden_.size() && k < hidden_[at].size() && hidden_[at][k]) hidden << times.back();
    }
    const int top = GRSRowTop(i, count, kGRSListHeight);
    const QRect place(0, top, kGRSListWidth, GRSRowTop(i + 1, count, kGRSListHeight) - top);
    spoken.lines.push_back(
        {QString::number(rows_[at].day) + ' ' + times.join(' '),
         hidden.isEmpty() ? QString() : tr("not visible from the site: %1").arg(hidden.join(", ")),
         false, place});
  }
  return spoken;
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
      settings(), tr("Jupiter's GRS Transits"), PdfFileName(QStringLiteral("GRS"), month, year),
      [&input](QPainter& painter, QSize page) { DrawGRSPage(painter, page, input); });
}

}  // namespace kelvra
