#include "ui/grs/grs_transits.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QScreen>

#include "core/calendar.h"
#include "ui/grs/grs_longitude.h"
#include "ui/grs/grs_page.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/pictures.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/common/page_layout.h"

namespace kelvra {

TGRSTransits::TGRSTransits(SideWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      host_(host),
      imgGRSBack(new ImageView(this, "imgGRSBack")),
      imgGRS(new ImageView(this, "imgGRS")),
      lblPrint(new ClickArea(this, "lblPrint", QRect(16, 14, 19, 19))),
      imgTime(new ImageView(this, "imgTime")),
      imgLong(new ImageView(this, "imgLong")),
      imgLocalTime(new ImageView(this, "imgLocalTime")),
      imgUTTime(new ImageView(this, "imgUTTime")),
      btnExit(new ClickArea(this, "btnExit", QRect(172, 11, 15, 16), QStringLiteral("Exit"))) {
  setObjectName(QStringLiteral("GRSTransits"));
  imgGRS->setGeometry(20, 56, kGRSListWidth, kGRSListHeight);
  imgGRS->setImage(QImage(kGRSListWidth, kGRSListHeight, QImage::Format_RGB32));
  imgTime->setGeometry(41, 14, 20, 20);
  imgLong->setGeometry(66, 14, 20, 20);
  imgLong->setImage(GlobeButton());
  imgLocalTime->setGeometry(88, 35, 20, 20);
  imgLocalTime->setImage(TimeBasisButton(true));
  imgLocalTime->hide();
  imgUTTime->setGeometry(110, 35, 20, 20);
  imgUTTime->setImage(TimeBasisButton(false));
  imgUTTime->hide();
  btnExit->installEventFilter(this);
  connect(imgTime, &ImageView::clicked, this, &TGRSTransits::imgTimeClick);
  connect(imgLong, &ImageView::clicked, this, &TGRSTransits::imgLongClick);
  connect(lblPrint, &ClickArea::clicked, this, &TGRSTransits::lblPrintClick);
  connect(btnExit, &ClickArea::clicked, this, &TGRSTransits::btnExitClick);
  btnExit->setAnnouncesClicks(false);  // closing the window reads no instant
  FormCreate();
  // Created after this window, as at start-up, so a missing picture is reported in that order.
  longitudeDialog_ = new TGRSLongitude(host, *this);
}

void TGRSTransits::FormCreate() {
  usable_ = LoadJpegAsset(*imgGRSBack, QStringLiteral("Kelvra7.dat"));
  if (usable_) setFixedSize(imgGRSBack->width(), imgGRSBack->height() - 1);
  listFont_ = GRSListFont(screen()->logicalDotsPerInch());
}

void TGRSTransits::setVisible(bool visible) {
  // Without its background the window closed itself at creation and stays closed.
  QWidget::setVisible(visible && usable_);
}

bool TGRSTransits::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

bool TGRSTransits::eventFilter(QObject* watched, QEvent* event) {
  // Hints are off in this window: the exit button keeps its hint but never shows it.
  if (watched == btnExit && event->type() == QEvent::ToolTip) return true;
  return QWidget::eventFilter(watched, event);
}

void TGRSTransits::FormActivate() {
  CalcGRS(false);
}

void TGRSTransits::imgTimeClick() {
  host_.config().GRSLocalTime = !host_.config().GRSLocalTime;
  host_.saveSettings();
  CalcGRS(false);
}

void TGRSTransits::imgLongClick() {
  longitudeDialog_->exec();
  CalcGRS(false);
}

void TGRSTransits::lblPrintClick() {
  PrintGRSTransits(host_.displayedMonth(), host_.displayedYear());
}

void TGRSTransits::btnExitClick() {
  host_.sideWindowClosing(*this);
  hide();
}

std::vector<GRSDayTransits> TGRSTransits::monthRows(std::uint16_t month, std::uint16_t year) const {
  const ConfigRecord& config = host_.config();
  return PredictGRSTransits(year, month, config.RSLongitude, config.GRSLocalTime, TimeZoneOffset);
}

void TGRSTransits::CalcGRS(bool toPrinter) {
  imgTime->setImage(host_.config().GRSLocalTime ? imgLocalTime->image() : imgUTTime->image());
  if (toPrinter) {
    if (page_) {
      DrawGRSPageList(page_->painter, page_->size, TitleHeight,
                      monthRows(page_->month, page_->year));
    }
    return;
  }
  DrawGRSList(imgGRS->canvas(), listFont_,
              monthRows(host_.displayedMonth(), host_.displayedYear()));
  imgGRS->update();
  // Small screens get the whole window redrawn at once rather than piece by piece.
  if (screen()->geometry().width() < 1024) repaint();
}

void TGRSTransits::PrintGRSTitle(std::uint16_t month, std::uint16_t year) {
  const ConfigRecord& config = host_.config();
  TitleHeight =
      PrintPageTitle(page_->painter, page_->size,
                     GRSTitleText(QLocale::system().monthName(month, QLocale::LongFormat), year),
                     GRSSubtitleText(config.RSLongitude, config.GRSLocalTime));
}

void TGRSTransits::DrawPage(QPainter& painter, QSize page, std::uint16_t month,
                            std::uint16_t year) {
  const PageJob job{painter, page, month, year};
  page_ = &job;
  PrintGRSTitle(month, year);
  PrintPageFooter(painter, page);
  QFont font = painter.font();
  font.setFamily(QStringLiteral("Arial"));
  font.setPointSize(10);
  painter.setFont(font);
  CalcGRS(true);
  page_ = nullptr;
}

bool TGRSTransits::PrintGRSTransits(std::uint16_t month, std::uint16_t year) {
  return PrintOnePage(
      QStringLiteral("Jupiter's GRS Transits"),
      [this, month, year](QPainter& painter, QSize page) { DrawPage(painter, page, month, year); });
}

}  // namespace kelvra
