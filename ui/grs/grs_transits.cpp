#include "ui/grs/grs_transits.h"

#include "core/calendar.h"
#include "ui/common/page_layout.h"
#include "ui/common/pictures.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_longitude.h"

namespace kelvra {

TGRSTransits::TGRSTransits(SideWindowHost& host, QWidget* parent)
    : SideWindowForm(host, layout::kGRSWindow, {"GRSTransits", "imgGRSBack", "btnExit", "imgGRS"},
                     &ConfigRecord::GRSLocalTime, parent),
      imgLong(new ImageView(this, "imgLong")) {
  imgLong->setGeometry(layout::kGRSLongitude);
  imgLong->setImage(GlobeButton());
  connect(imgLong, &ImageView::clicked, this, &TGRSTransits::imgLongClick);
  // Created after the window, as at start-up, so a missing picture is reported in that order.
  longitudeDialog_ = new TGRSLongitude(host, *this);
}

void TGRSTransits::imgLongClick() {
  longitudeDialog_->exec();
  redraw();
}

void TGRSTransits::drawList(QImage& list) {
  const ConfigRecord& config = host().config();
  DrawGRSList(list, listFont(),
              PredictGRSTransits(host().displayedYear(), host().displayedMonth(),
                                 config.RSLongitude, config.GRSLocalTime, TimeZoneOffset));
}

GRSPageInput TGRSTransits::pageInput(std::uint16_t month, std::uint16_t year) const {
  return {month, year, host().config().RSLongitude, localTime()};
}

bool TGRSTransits::PrintGRSTransits(std::uint16_t month, std::uint16_t year) {
  const GRSPageInput input = pageInput(month, year);
  return PrintOnePage(QStringLiteral("Jupiter's GRS Transits"),
                      PdfFileName(QStringLiteral("GRS"), month, year),
                      [&input](QPainter& painter, QSize page) { DrawGRSPage(painter, page, input); });
}

}  // namespace kelvra
