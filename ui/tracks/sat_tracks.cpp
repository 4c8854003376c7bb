#include "ui/tracks/sat_tracks.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/common/jpeg_loader.h"
#include "ui/common/pictures.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/common/page_layout.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {

namespace {

constexpr int kNarrowScreen = 1024;  // pixels; narrower screens show the cleared chart at once

QScreen* screenOf(const QWidget& widget) {
  QScreen* screen = widget.screen();
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

ImageView* placedImage(QWidget* parent, const char* name, QRect geometry) {
  auto* image = new ImageView(parent, name);
  image->setGeometry(geometry);
  return image;
}

}  // namespace

TSatTracks::TSatTracks(SideWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      host_(host),
      imgTrackBack(placedImage(this, "imgTrackBack", QRect(0, 0, 200, 480))),
      lblTracksExit(new ClickArea(this, "lblTracksExit", QRect(174, 12, 13, 13))),
      lblPrint(new ClickArea(this, "lblPrint", QRect(16, 14, 19, 19))),
      imgTime(placedImage(this, "imgTime", QRect(41, 14, 20, 20))),
      imgTracks(placedImage(this, "imgTracks", QRect(20, 56, kChartWidth, kChartHeight))),
      imgLocalTime(placedImage(this, "imgLocalTime", QRect(88, 35, 20, 20))),
      imgUTTime(placedImage(this, "imgUTTime", QRect(110, 35, 20, 20))) {
  setObjectName(QStringLiteral("SatTracks"));
  setFixedSize(200, 479);
  imgLocalTime->setImage(TimeBasisButton(true));
  imgUTTime->setImage(TimeBasisButton(false));
  imgLocalTime->hide();
  imgUTTime->hide();
  connect(imgTime, &ImageView::clicked, this, &TSatTracks::imgTimeClick);
  connect(lblTracksExit, &ClickArea::clicked, this, &TSatTracks::lblTracksExitClick);
  lblTracksExit->setAnnouncesClicks(false);  // closing the window reads no instant
  connect(lblPrint, &ClickArea::clicked, this, &TSatTracks::lblPrintClick);
  FormCreate();
}

void TSatTracks::FormCreate() {
  usable_ = LoadJpegAsset(*imgTrackBack, QStringLiteral("Kelvra7.dat"));
  if (!usable_) close();
  const double dpi = screenOf(*this)->logicalDotsPerInch();  // pixels per inch
  chartFont_ = ChartFont(dpi);
  // The chart's point sizes are those of the screen it is shown on.
  QImage chart(kChartWidth, kChartHeight, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
  chart.setDotsPerMeterX(dotsPerMetre);
  chart.setDotsPerMeterY(dotsPerMetre);
  chart.fill(Qt::black);
  imgTracks->setImage(chart);
}

bool TSatTracks::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

void TSatTracks::FormActivate() {
  DrawTracks();
}

const QImage& TSatTracks::chartImage() const {
  return imgTracks->image();
}

TracksInput TSatTracks::chartInput(std::uint16_t month, std::uint16_t year) const {
  return {month, year, host_.selectedView(), host_.northernHemisphere(),
          host_.config().TracksLocalTime};
}

void TSatTracks::showTimeBasis() {
  const bool local = host_.config().TracksLocalTime;
  imgTime->setImage((local ? imgLocalTime : imgUTTime)->image());
}

void TSatTracks::DrawTracks() {
  showTimeBasis();
  const TracksInput input = chartInput(host_.displayedMonth(), host_.displayedYear());
  imgTracks->canvas().fill(Qt::black);
  imgTracks->update();
  if (screenOf(*this)->geometry().width() < kNarrowScreen) repaint();
  JupiterState state;
  const TracksChart chart = ComputeTracksChart(input, state);
  DrawTracksChart(imgTracks->canvas(), chart, chartFont_);
  imgTracks->update();
}

void TSatTracks::imgTimeClick() {
  ConfigRecord& config = host_.config();
  config.TracksLocalTime = !config.TracksLocalTime;
  showTimeBasis();
  host_.saveSettings();
  DrawTracks();
}

void TSatTracks::lblTracksExitClick() {
  host_.sideWindowClosing(*this);
  hide();
}

void TSatTracks::lblPrintClick() {
  PrintTracks(host_.displayedMonth(), host_.displayedYear());
}

void TSatTracks::PrintTracks(std::uint16_t month, std::uint16_t year) {
  const TracksInput input = chartInput(month, year);
  PrintOnePage(TracksTitle(month, year),
               [&input](QPainter& painter, QSize page) { DrawTracksPage(painter, page, input); });
}

}  // namespace kelvra
